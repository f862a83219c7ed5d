#include "ui/Contrast.h"

#include <algorithm>
#include <cmath>

namespace norva {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background, double least) {
    if (ContrastRatio(text, background) >= least) return text;
    // Toward black on a light background, toward white on a dark one: the first mix that reads.
    const QColor end = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(float(text.redF() + (end.redF() - text.redF()) * t),
                             float(text.greenF() + (end.greenF() - text.greenF()) * t),
                             float(text.blueF() + (end.blueF() - text.blueF()) * t));
        if (ContrastRatio(mixed, background) >= least) return mixed;
    }
    return end;
}

}  // namespace norva
