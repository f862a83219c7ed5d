#pragma once
// The drawing surface every chart and dial uses: a user coordinate system over an area. The
// drawing code states coordinates, colours and pen once; a back end turns them into pixels on
// screen, an image, a printed page, or a record.
//
// Conventions the charts and dials are drawn in:
// - scale(left, top, width, height): the area's left edge is `left`, its top edge `top`; a
//   negative width or height runs that axis the other way. Before any scale() the units are
//   screen pixels from the top left.
// - The current position is set by point(), by the end of line(), lineTo() and box(), and by
//   moveTo(); clear() returns it to (0, 0).
// - Line width is in screen pixels at 96 dpi; a dotted style only shows on lines of width 1
//   (wider lines are drawn solid).
// - Text is drawn with its top-left corner at the current position, transparently, in the
//   foreground colour. print() then moves to the start of the next line (x back to the
//   scale's left edge, y down one text height); printOn() moves just past the text.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace norva {

enum class LineStyle { Solid, Dot };

struct CanvasFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 8;
    bool bold = false;
    bool operator==(const CanvasFont&) const = default;
};

struct UserScale {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    bool operator==(const UserScale&) const = default;
};

// The pen as one drawing call uses it, after the canvas rules above are applied.
struct CanvasPen {
    QColor color;
    double width = 1;
    LineStyle style = LineStyle::Solid;
    bool operator==(const CanvasPen&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    void scale(double left, double top, double width, double height);
    void scale(const UserScale& s) { scale(s.left, s.top, s.width, s.height); }
    const UserScale& userScale() const { return scale_; }

    void clear();

    void point(double x, double y) { point(x, y, fore_); }
    void point(double x, double y, const QColor& color);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    // Lines through the points, drawn at once: a curve of thousands of points costs one call.
    void polyline(const std::vector<QPointF>& points, const QColor& color);
    void lineTo(double x, double y) { lineTo(x, y, fore_); }
    void lineTo(double x, double y, const QColor& color);
    void box(double x1, double y1, double x2, double y2) { box(x1, y1, x2, y2, fore_); }
    void box(double x1, double y1, double x2, double y2, const QColor& color);
    void filledBox(double x1, double y1, double x2, double y2) { filledBox(x1, y1, x2, y2, fore_); }
    void filledBox(double x1, double y1, double x2, double y2, const QColor& color);

    // Drawing is cut off outside the rectangle (user units) until clearClip(): what lies
    // outside a chart is hidden, never moved to its edge.
    void setClip(double x1, double y1, double x2, double y2);
    void clearClip();

    void moveTo(double x, double y) { current_ = {x, y}; }
    QPointF currentPosition() const { return current_; }

    void setLineWidth(double width) { width_ = width; }
    double lineWidth() const { return width_; }
    void setLineStyle(LineStyle style) { style_ = style; }
    LineStyle lineStyle() const { return style_; }
    void setForeColor(const QColor& color) { fore_ = color; }
    const QColor& foreColor() const { return fore_; }
    void setBackColor(const QColor& color) { back_ = color; }
    const QColor& backColor() const { return back_; }

    void setFont(const CanvasFont& font) { font_ = font; }
    void setFontName(const QString& family) { font_.family = family; }
    void setFontSize(double pointSize) { font_.pointSize = pointSize; }
    void setFontBold(bool bold) { font_.bold = bold; }
    const CanvasFont& font() const { return font_; }

    void print(const QString& text);
    void printOn(const QString& text);
    // In user units, always positive whichever way the axes run.
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    // The drawing area in screen pixels (96 dpi) and how a user point lands on it.
    QSizeF areaPixels() const { return area_; }
    QPointF toAreaPixels(QPointF user) const;

  protected:
    // A back end says how large its area is, in screen pixels; until scale() is called the
    // user units follow it.
    void setArea(QSizeF pixels);

    virtual void doScale(const UserScale&) {}
    // The clip in the area's screen pixels; nothing: none.
    virtual void doClip(std::optional<QRectF>) {}
    virtual void doClear(const QColor& back) = 0;
    virtual void doPoint(QPointF p, const CanvasPen& pen) = 0;
    virtual void doLine(QPointF a, QPointF b, const CanvasPen& pen) = 0;
    // As many lines, one after the other, unless the back end draws them faster at once.
    virtual void doPolyline(const std::vector<QPointF>& points, const CanvasPen& pen) {
        for (size_t k = 1; k < points.size(); ++k) doLine(points[k - 1], points[k], pen);
    }
    virtual void doBox(QPointF a, QPointF b, const CanvasPen& pen) = 0;
    virtual void doFilledBox(QPointF a, QPointF b, const QColor& fill) = 0;
    virtual void doText(QPointF topLeft, const QString& text, const CanvasFont& font,
                        const QColor& color) = 0;
    // Size of the text in screen pixels.
    virtual QSizeF measureText(const QString& text, const CanvasFont& font) const = 0;

  private:
    CanvasPen pen(const QColor& color) const;
    void drawText(const QString& text);

    UserScale scale_{0, 0, 1, 1};
    bool scaled_ = false;
    QSizeF area_{1, 1};
    QPointF current_;
    double width_ = 1;
    LineStyle style_ = LineStyle::Solid;
    QColor fore_{Qt::black};
    QColor back_{Qt::white};
    CanvasFont font_;
};

}  // namespace norva
