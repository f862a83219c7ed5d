#include "ui/TwipLayout.h"

#include <QFont>
#include <algorithm>

namespace norva {

TwipFactors LayoutFactors(QSizeF sizeTwips, QSizeF designTwips, FontRule rule) {
    TwipFactors k;
    k.kx = std::max(sizeTwips.width() / designTwips.width(), kMinLayoutFactor);
    k.ky = std::max(sizeTwips.height() / designTwips.height(), kMinLayoutFactor);
    k.kf = rule == FontRule::Smaller ? std::min(k.kx, k.ky) : k.kx;
    return k;
}

PlacedControl PlaceControl(const TwipRect& design, double designPoints, TwipMode mode,
                           const TwipFactors& k) {
    const double kx = mode == TwipMode::VerticalOnly ? k.ky : k.kx;
    const double kf = mode == TwipMode::VerticalOnly ? k.ky : k.kf;
    // Edges are rounded rather than sizes, so controls that meet at design size still meet.
    const int left = TwipsToPixels(design.left * kx);
    const int right = TwipsToPixels((design.left + design.width) * kx);
    const int top = TwipsToPixels(design.top * k.ky);
    const int bottom = TwipsToPixels((design.top + design.height) * k.ky);
    return {QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1)),
            designPoints > 0 ? designPoints * kf : 0};
}

TwipLayout::TwipLayout(QSizeF designTwips, FontRule rule) : design_(designTwips), rule_(rule) {}

void TwipLayout::add(QWidget* widget, const TwipRect& design, double designPoints, TwipMode mode) {
    controls_.push_back({widget, design, designPoints, mode});
}

TwipFactors TwipLayout::apply(QSize size) {
    factors_ = LayoutFactors(PixelsToTwips(size), design_, rule_);
    for (const Control& c : controls_) {
        if (!c.widget) continue;
        const PlacedControl placed = PlaceControl(c.design, c.points, c.mode, factors_);
        c.widget->setGeometry(placed.rect);
        if (placed.pointSize > 0) {
            QFont font = c.widget->font();
            font.setPointSizeF(placed.pointSize);
            c.widget->setFont(font);
        }
    }
    return factors_;
}

}  // namespace norva
