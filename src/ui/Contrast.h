#pragma once
// How readable a text colour is on a background, as the accessibility guidelines measure it,
// and a text colour made readable where a fixed one is not: legends keep their curve's hue on a
// light or a dark desktop alike.

#include <QColor>

namespace norva {

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// `text` if it stands out from `background` by `least` or more; else the same hue made darker
// on a light background or lighter on a dark one, just far enough.
QColor ReadableOn(const QColor& text, const QColor& background, double least = 4.5);

}  // namespace norva
