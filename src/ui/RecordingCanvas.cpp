#include "ui/RecordingCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>

namespace norva {

using Kind = CanvasOp::Kind;

RecordingCanvas::RecordingCanvas(QSizeF areaPixels) {
    setArea(areaPixels);
}

std::vector<CanvasOp> RecordingCanvas::ops(Kind kind) const {
    std::vector<CanvasOp> out;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(out),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return out;
}

int RecordingCanvas::count(Kind kind) const {
    return static_cast<int>(std::count_if(ops_.begin(), ops_.end(),
                                          [kind](const CanvasOp& op) { return op.kind == kind; }));
}

void RecordingCanvas::doScale(const UserScale& s) {
    ops_.push_back({Kind::Scale, {s.left, s.top}, {s.width, s.height}, {}, {}, {}});
}

void RecordingCanvas::doClear(const QColor& back) {
    ops_.push_back({Kind::Clear, {}, {}, {back, 1, LineStyle::Solid}, {}, {}});
}

void RecordingCanvas::doPoint(QPointF p, const CanvasPen& pen) {
    ops_.push_back({Kind::Point, p, p, pen, {}, {}});
}

void RecordingCanvas::doLine(QPointF a, QPointF b, const CanvasPen& pen) {
    ops_.push_back({Kind::Line, a, b, pen, {}, {}});
}

void RecordingCanvas::doBox(QPointF a, QPointF b, const CanvasPen& pen) {
    ops_.push_back({Kind::Box, a, b, pen, {}, {}});
}

void RecordingCanvas::doFilledBox(QPointF a, QPointF b, const QColor& fill) {
    ops_.push_back({Kind::FilledBox, a, b, {fill, 1, LineStyle::Solid}, {}, {}});
}

void RecordingCanvas::doText(QPointF topLeft, const QString& text, const CanvasFont& font,
                             const QColor& color) {
    ops_.push_back({Kind::Text, topLeft, topLeft, {color, 1, LineStyle::Solid}, text, font});
}

QSizeF RecordingCanvas::measureText(const QString& text, const CanvasFont& font) const {
    // A 96 dpi image stands in for the screen, so measuring needs no window system.
    static const QImage screen = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    QFont f(font.family);
    f.setPointSizeF(std::max(font.pointSize, 0.5));
    f.setBold(font.bold);
    const QFontMetricsF metrics(f, &screen);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace norva
