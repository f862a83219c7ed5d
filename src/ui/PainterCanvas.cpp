#include "ui/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QRectF>
#include <cmath>

namespace norva {

namespace {

constexpr double kScreenDpi = 96;

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QSizeF area, double unitPixels)
    : painter_(&painter) {
    prepare(painter);
    setDeviceArea(area, unitPixels);
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(&painter) {
    prepare(painter);
    const QPaintDevice* dev = painter.device();
    const QSizeF size(dev->width(), dev->height());
    if (dynamic_cast<const QPagedPaintDevice*>(dev)) {
        setDeviceArea(size, dev->logicalDpiX() / kScreenDpi);
    } else if (dev->devType() == QInternal::Image || dev->devType() == QInternal::Pixmap) {
        // Images and pixmaps give their size in device pixels, the painter works in logical
        // ones.
        setDeviceArea(size / dev->devicePixelRatioF(), 1);
    } else {
        setDeviceArea(size, 1);
    }
}

void PainterCanvas::setDeviceArea(QSizeF area, double unitPixels) {
    unit_ = unitPixels > 0 ? unitPixels : 1;
    deviceArea_ = area;
    setArea(area / unit_);
}

QPen PainterCanvas::qpen(const CanvasPen& pen) const {
    QPen p(pen.color, std::max(pen.width, 1.0) * unit_);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::MiterJoin);
    if (pen.style == LineStyle::Dot) {
        p.setStyle(Qt::DotLine);
        p.setCapStyle(Qt::FlatCap);
    }
    return p;
}

QFont PainterCanvas::qfont(const CanvasFont& font, const QPaintDevice* dev) const {
    QFont f(font.family);
    // The device resolves point sizes with its own dpi; make the text as large as it would
    // be on a 96 dpi screen, times the unit.
    const double dpi = dev && dev->logicalDpiY() > 0 ? dev->logicalDpiY() : kScreenDpi;
    f.setPointSizeF(std::max(font.pointSize, 0.5) * unit_ * kScreenDpi / dpi);
    f.setBold(font.bold);
    return f;
}

void PainterCanvas::doClip(std::optional<QRectF> area) {
    clip_.reset();
    if (area) clip_ = QRectF(area->topLeft() * unit_, area->bottomRight() * unit_);
}

QPainter& PainterCanvas::clipped() {
    QPainter& painter = activePainter();
    if (clip_)
        painter.setClipRect(*clip_);
    else if (painter.hasClipping())
        painter.setClipping(false);
    return painter;
}

void PainterCanvas::doClear(const QColor& back) {
    QPainter& painter = activePainter();
    painter.setClipping(false);
    painter.fillRect(QRectF(QPointF(0, 0), deviceArea_), back);
}

void PainterCanvas::doPoint(QPointF p, const CanvasPen& pen) {
    QPainter& painter = clipped();
    const double size = std::max(pen.width, 1.0) * unit_;
    QPointF at = device(p);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color);
    if (size <= 1.5) {
        // A thin dot is one whole pixel, as crisp as the classic one.
        painter.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), pen.color);
    } else {
        painter.drawEllipse(at, size / 2, size / 2);
    }
    painter.setBrush(Qt::NoBrush);
}

void PainterCanvas::doLine(QPointF a, QPointF b, const CanvasPen& pen) {
    QPainter& painter = clipped();
    painter.setPen(qpen(pen));
    painter.drawLine(device(a), device(b));
}

void PainterCanvas::doPolyline(const std::vector<QPointF>& points, const CanvasPen& pen) {
    QPainter& painter = clipped();
    painter.setPen(qpen(pen));
    std::vector<QPointF> onDevice;
    onDevice.reserve(points.size());
    for (const QPointF& p : points) onDevice.push_back(device(p));
    painter.drawPolyline(onDevice.data(), int(onDevice.size()));
}

void PainterCanvas::doBox(QPointF a, QPointF b, const CanvasPen& pen) {
    QPainter& painter = clipped();
    painter.setPen(qpen(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(device(a), device(b)).normalized());
}

void PainterCanvas::doFilledBox(QPointF a, QPointF b, const QColor& fill) {
    clipped().fillRect(QRectF(device(a), device(b)).normalized(), fill);
}

void PainterCanvas::doText(QPointF topLeft, const QString& text, const CanvasFont& font,
                           const QColor& color) {
    QPainter& painter = clipped();
    const QFont f = qfont(font, painter.device());
    painter.setFont(f);
    painter.setPen(color);
    const QFontMetricsF metrics(f, painter.device());
    painter.drawText(device(topLeft) + QPointF(0, metrics.ascent()), text);
}

QSizeF PainterCanvas::measureText(const QString& text, const CanvasFont& font) const {
    const QPaintDevice* dev = paintDevice();
    const QFontMetricsF metrics(qfont(font, dev), dev);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / unit_;
}

ImageCanvas::ImageCanvas(QSize logicalSize, double devicePixelRatio) {
    resize(logicalSize, devicePixelRatio);
}

ImageCanvas::~ImageCanvas() {
    if (painter_.isActive()) painter_.end();
}

void ImageCanvas::resize(QSize logicalSize, double devicePixelRatio) {
    if (painter_.isActive()) painter_.end();
    logical_ = logicalSize.expandedTo({1, 1});
    const double dpr = devicePixelRatio > 0 ? devicePixelRatio : 1;
    image_ = QImage((QSizeF(logical_) * dpr).toSize().expandedTo({1, 1}),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(dpr);
    // 96 dpi, so that point sizes mean on the image what they mean on the screen.
    image_.setDotsPerMeterX(3780);
    image_.setDotsPerMeterY(3780);
    image_.fill(backColor());
    setDeviceArea(QSizeF(logical_), 1);
}

QPainter& ImageCanvas::activePainter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        prepare(painter_);
        if (onDrawing) onDrawing();
    }
    return painter_;
}

const QImage& ImageCanvas::image() {
    if (painter_.isActive()) painter_.end();
    return image_;
}

}  // namespace norva
