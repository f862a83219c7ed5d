#pragma once
// A drawing area on a window. It keeps a retained face image, as large as the widget in
// device pixels (sharp on high-dpi screens), and an overlay that is painted over the face at
// every repaint. The face is redrawn by its drawing function whenever the size or the pixel
// ratio changes and on redrawFace(); in between, the face canvas can be drawn on in pieces
// (a chart adds points) and keeps what was drawn. The overlay suits what moves often, like
// the needles of a dial, without redrawing the face.

#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/PainterCanvas.h"

namespace norva {

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    using Drawing = std::function<void(Canvas&)>;

    explicit CanvasWidget(QWidget* parent = nullptr);

    // The drawing gets the persistent face canvas: after a resize it starts on a blank image
    // in the background colour, on redrawFace() on the previous picture, so it usually
    // begins with clear().
    void setFaceDrawing(Drawing drawing);
    // The overlay canvas starts with the face's scale, colours and pen.
    void setOverlayDrawing(Drawing drawing);

    void redrawFace();
    // Repaints the overlay over the unchanged face.
    void updateOverlay() { update(); }

    // The persistent canvas on the retained face; drawing on it schedules a repaint.
    Canvas& face();
    const QImage& faceImage();
    // What the widget shows: the face with the overlay on top.
    QImage snapshot();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ensureFace();
    void paintOverlay(QPainter& painter);

    ImageCanvas face_;
    Drawing faceDrawing_;
    Drawing overlayDrawing_;
};

}  // namespace norva
