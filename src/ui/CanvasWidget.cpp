#include "ui/CanvasWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace norva {

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
    // The face covers every pixel, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    face_.onDrawing = [this] { update(); };
}

void CanvasWidget::setFaceDrawing(Drawing drawing) {
    faceDrawing_ = std::move(drawing);
    redrawFace();
}

void CanvasWidget::setOverlayDrawing(Drawing drawing) {
    overlayDrawing_ = std::move(drawing);
    update();
}

void CanvasWidget::ensureFace() {
    const QSize logical = size().expandedTo({1, 1});
    const double dpr = devicePixelRatioF();
    if (face_.logicalSize() == logical && face_.devicePixelRatio() == dpr) return;
    // Resized first, so a drawing function that asks for face() again finds it ready.
    face_.resize(logical, dpr);
    if (faceDrawing_) faceDrawing_(face_);
}

void CanvasWidget::redrawFace() {
    const QSize logical = size().expandedTo({1, 1});
    if (face_.logicalSize() != logical || face_.devicePixelRatio() != devicePixelRatioF()) {
        ensureFace();
    } else if (faceDrawing_) {
        faceDrawing_(face_);
    }
    update();
}

Canvas& CanvasWidget::face() {
    ensureFace();
    return face_;
}

const QImage& CanvasWidget::faceImage() {
    ensureFace();
    return face_.image();
}

void CanvasWidget::paintOverlay(QPainter& painter) {
    if (!overlayDrawing_) return;
    PainterCanvas overlay(painter, QSizeF(size().expandedTo({1, 1})), 1);
    overlay.scale(face_.userScale());
    overlay.setForeColor(face_.foreColor());
    overlay.setBackColor(face_.backColor());
    overlay.setLineWidth(face_.lineWidth());
    overlay.setLineStyle(face_.lineStyle());
    overlay.setFont(face_.font());
    overlayDrawing_(overlay);
}

QImage CanvasWidget::snapshot() {
    QImage image = faceImage().copy();
    QPainter painter(&image);
    paintOverlay(painter);
    painter.end();
    return image;
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureFace();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    // The pixel ratio changes without a resize when the window moves to another screen.
    ensureFace();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), face_.image());
    paintOverlay(painter);
}

}  // namespace norva
