#pragma once
// Canvas back ends that paint with QPainter: onto any paint device through a painter the
// caller owns (a printed page, a widget), or onto an image the canvas owns (a PNG, the
// retained face of a CanvasWidget).
//
// Pens and fonts are sized in screen pixels at 96 dpi times `unitPixels`, the device pixels
// per screen pixel, so a 1200 dpi page (12.5 device pixels per screen pixel) looks like the
// screen. Point sizes are honoured whatever dpi the device claims.

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <functional>

#include "ui/Canvas.h"

namespace norva {

class PainterCanvas : public Canvas {
  public:
    // Paints over the area from (0, 0) to `area` in the painter's coordinates.
    PainterCanvas(QPainter& painter, QSizeF area, double unitPixels);
    // Takes the whole device: printers and PDF writers at their resolution, images and
    // widgets in their device-independent pixels.
    explicit PainterCanvas(QPainter& painter);

    double unitPixels() const { return unit_; }

  protected:
    PainterCanvas() = default;
    void setDeviceArea(QSizeF area, double unitPixels);
    virtual QPainter& activePainter() { return *painter_; }
    virtual const QPaintDevice* paintDevice() const { return painter_->device(); }

    void doClip(std::optional<QRectF> area) override;
    void doClear(const QColor& back) override;
    void doPoint(QPointF p, const CanvasPen& pen) override;
    void doLine(QPointF a, QPointF b, const CanvasPen& pen) override;
    void doPolyline(const std::vector<QPointF>& points, const CanvasPen& pen) override;
    void doBox(QPointF a, QPointF b, const CanvasPen& pen) override;
    void doFilledBox(QPointF a, QPointF b, const QColor& fill) override;
    void doText(QPointF topLeft, const QString& text, const CanvasFont& font,
                const QColor& color) override;
    QSizeF measureText(const QString& text, const CanvasFont& font) const override;

  private:
    QPointF device(QPointF user) const { return toAreaPixels(user) * unit_; }
    // The painter with the clip applied: an image's painter may be a new one since the last
    // drawing.
    QPainter& clipped();
    QPen qpen(const CanvasPen& pen) const;
    QFont qfont(const CanvasFont& font, const QPaintDevice* device) const;

    QPainter* painter_ = nullptr;
    QSizeF deviceArea_{1, 1};
    double unit_ = 1;
    std::optional<QRectF> clip_;  // device coordinates
};

// Paints into its own image of a logical size at a device pixel ratio. The painter is opened
// on the first drawing call and closed by image(), so drawing can go on in small pieces.
class ImageCanvas : public PainterCanvas {
  public:
    explicit ImageCanvas(QSize logicalSize = {1, 1}, double devicePixelRatio = 1);
    ~ImageCanvas() override;

    // Starts a fresh image filled with the background colour; drawings are lost.
    void resize(QSize logicalSize, double devicePixelRatio);
    QSize logicalSize() const { return logical_; }
    double devicePixelRatio() const { return image_.devicePixelRatio(); }
    // The finished image (any open painting is ended first).
    const QImage& image();

    // Called when drawing starts after image() was last taken, so a widget knows to repaint.
    std::function<void()> onDrawing;

  protected:
    QPainter& activePainter() override;
    const QPaintDevice* paintDevice() const override { return &image_; }

  private:
    QImage image_;
    QPainter painter_;
    QSize logical_;
};

}  // namespace norva
