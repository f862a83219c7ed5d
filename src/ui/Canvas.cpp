#include "ui/Canvas.h"

#include <algorithm>
#include <cmath>

namespace norva {

void Canvas::scale(double left, double top, double width, double height) {
    // A zero extent would divide by zero in every mapping: refused, the old scale stays.
    if (width == 0 || height == 0) return;
    scale_ = {left, top, width, height};
    scaled_ = true;
    doScale(scale_);
}

void Canvas::setArea(QSizeF pixels) {
    area_ = QSizeF(std::max(pixels.width(), 1.0), std::max(pixels.height(), 1.0));
    if (!scaled_) scale_ = {0, 0, area_.width(), area_.height()};
}

QPointF Canvas::toAreaPixels(QPointF user) const {
    return {(user.x() - scale_.left) / scale_.width * area_.width(),
            (user.y() - scale_.top) / scale_.height * area_.height()};
}

void Canvas::setClip(double x1, double y1, double x2, double y2) {
    doClip(QRectF(toAreaPixels({x1, y1}), toAreaPixels({x2, y2})).normalized());
}

void Canvas::clearClip() {
    doClip(std::nullopt);
}

void Canvas::clear() {
    doClear(back_);
    current_ = {0, 0};
}

CanvasPen Canvas::pen(const QColor& color) const {
    return {color, width_, width_ > 1 ? LineStyle::Solid : style_};
}

void Canvas::point(double x, double y, const QColor& color) {
    current_ = {x, y};
    doPoint(current_, pen(color));
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor& color) {
    current_ = {x2, y2};
    doLine({x1, y1}, current_, pen(color));
}

void Canvas::polyline(const std::vector<QPointF>& points, const QColor& color) {
    if (points.empty()) return;
    current_ = points.back();
    doPolyline(points, pen(color));
}

void Canvas::lineTo(double x, double y, const QColor& color) {
    const QPointF from = current_;
    current_ = {x, y};
    doLine(from, current_, pen(color));
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor& color) {
    current_ = {x2, y2};
    doBox({x1, y1}, current_, pen(color));
}

void Canvas::filledBox(double x1, double y1, double x2, double y2, const QColor& color) {
    current_ = {x2, y2};
    doFilledBox({x1, y1}, current_, color);
}

void Canvas::drawText(const QString& text) {
    doText(current_, text, font_, fore_);
}

void Canvas::print(const QString& text) {
    drawText(text);
    const double down = std::copysign(textHeight(text), scale_.height);
    current_ = {scale_.left, current_.y() + down};
}

void Canvas::printOn(const QString& text) {
    drawText(text);
    current_.rx() += std::copysign(textWidth(text), scale_.width);
}

double Canvas::textWidth(const QString& text) const {
    return measureText(text, font_).width() * std::abs(scale_.width) / area_.width();
}

double Canvas::textHeight(const QString& text) const {
    return measureText(text, font_).height() * std::abs(scale_.height) / area_.height();
}

}  // namespace norva
