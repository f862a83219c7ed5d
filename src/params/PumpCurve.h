#pragma once
// The pump performance chart of the parameters window: the pump power the unit applies at 32
// speed points from idle to full speed, scaled by its pump limit, on a grid labelled in
// thousands of RPM across and 100..1000 up the side. It is drawn from scratch at every
// refresh, so the two routines take the image as it is now.

#include <cstdint>
#include <span>

#include "protocol/ImageLayout.h"
#include "ui/Canvas.h"

namespace norva::params {

// The chart's user coordinates: x from -20 to 290, y from -10 down to 290. The plot frame runs
// from (0, 5) to (255, 260); speed spans x 0..255 and the power baseline is y = 255.
constexpr UserScale kPumpChartScale{-20, -10, 310, 300};

// Clears the area and draws the frame, the dotted grid and the axis labels. `image` holds at
// least 256 bytes.
void IniciaGrafic(Canvas& canvas, std::span<const uint8_t> image);
// The empty chart, then the curve in blue.
void PintaPump(Canvas& canvas, std::span<const uint8_t> image);

// Where a curve value lands: 255 - value * limit / 256, halves to even.
double PumpCurveHeight(int value, int pumpLimit);

}  // namespace norva::params
