#pragma once
// Windows are laid out from design rectangles in twips (15 twips to a logical pixel) and
// design font sizes in points. On every resize each window works out its factors from its
// size against the design size and places its controls with them. The arithmetic is kept
// apart from the widgets so it can be checked on its own.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QWidget>
#include <vector>

namespace norva {

constexpr double kTwipsPerPixel = 15;
constexpr double kMinLayoutFactor = 0.2;

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// How the font factor follows the two size factors.
enum class FontRule {
    Smaller,     // kf = min(kx, ky)
    Horizontal,  // kf = kx
};

// How one control follows the window.
enum class TwipMode {
    Both,          // left and width by kx, top and height by ky, font by kf
    VerticalOnly,  // everything, font included, by ky
};

struct TwipFactors {
    double kx = 1;
    double ky = 1;
    double kf = 1;
};

struct PlacedControl {
    QRect rect;            // logical pixels
    double pointSize = 0;  // 0 when the control keeps its font
};

TwipFactors LayoutFactors(QSizeF sizeTwips, QSizeF designTwips, FontRule rule);
PlacedControl PlaceControl(const TwipRect& design, double designPoints, TwipMode mode,
                           const TwipFactors& k);
inline QSizeF PixelsToTwips(QSize pixels) {
    return QSizeF(pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
}
inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

class TwipLayout {
  public:
    explicit TwipLayout(QSizeF designTwips, FontRule rule = FontRule::Smaller);

    // Controls inside a frame give their rectangle within the frame. A design font size of 0
    // leaves the control's font alone.
    void add(QWidget* widget, const TwipRect& design, double designPoints = 0,
             TwipMode mode = TwipMode::Both);
    // `size` in logical pixels: the client area or the whole window, as the window's own
    // rule says.
    TwipFactors apply(QSize size);
    const TwipFactors& factors() const { return factors_; }

  private:
    struct Control {
        QPointer<QWidget> widget;
        TwipRect design;
        double points;
        TwipMode mode;
    };
    QSizeF design_;
    FontRule rule_;
    TwipFactors factors_;
    std::vector<Control> controls_;
};

}  // namespace norva
