#pragma once
// A canvas that draws nothing and keeps every drawing call, in user coordinates and with the
// pen it was drawn with, so tests can check what a chart or dial would show.

#include <QString>
#include <vector>

#include "ui/Canvas.h"

namespace norva {

struct CanvasOp {
    enum class Kind { Scale, Clear, Point, Line, Box, FilledBox, Text };
    Kind kind;
    // Scale: a = (left, top), b = (width, height). Point and Text: a only.
    QPointF a;
    QPointF b;
    // Point, Line, Box: the pen. FilledBox: the fill colour. Text: the text colour. Clear:
    // the background colour.
    CanvasPen pen;
    QString text;
    CanvasFont font;
};

class RecordingCanvas : public Canvas {
  public:
    // Text is measured as on a 96 dpi screen area of this size.
    explicit RecordingCanvas(QSizeF areaPixels = {200, 200});

    const std::vector<CanvasOp>& ops() const { return ops_; }
    std::vector<CanvasOp> ops(CanvasOp::Kind kind) const;
    int count(CanvasOp::Kind kind) const;
    void forget() { ops_.clear(); }

  protected:
    void doScale(const UserScale& s) override;
    void doClear(const QColor& back) override;
    void doPoint(QPointF p, const CanvasPen& pen) override;
    void doLine(QPointF a, QPointF b, const CanvasPen& pen) override;
    void doBox(QPointF a, QPointF b, const CanvasPen& pen) override;
    void doFilledBox(QPointF a, QPointF b, const QColor& fill) override;
    void doText(QPointF topLeft, const QString& text, const CanvasFont& font,
                const QColor& color) override;
    QSizeF measureText(const QString& text, const CanvasFont& font) const override;

  private:
    std::vector<CanvasOp> ops_;
};

}  // namespace norva
