#pragma once
// Where the dial needles point and how the dial faces are marked. Angles in degrees, 0 to the
// right and growing anticlockwise; the scale runs clockwise from 240 (zero) to -60 (120 % of
// the reference value, which sits at -10).

#include <QColor>
#include <QPointF>
#include <array>

namespace norva {

constexpr double kDialPi = 3.1416;  // the dials were always drawn with this pi
constexpr int kScaleStart = 240;
constexpr int kScaleEnd = -60;
constexpr int kReferenceAngle = -10;
constexpr double kNeedleRadius = 60;
constexpr double kTemperatureFullScale = 800;  // fixed, whatever the configuration says
constexpr std::array<int, 7> kTickAngles = {-60, -10, 40, 90, 140, 190, 240};

// (r cos a, -r sin a) on the dial's -100..100 square, y growing downwards.
QPointF DialPoint(double angle, double radius);

// A full scale of 0 cannot place the needle: it then points right (0 degrees).
int SpeedNeedleAngle(float engineSpeed, float fullSpeed);
int TemperatureNeedleAngle(float egt);

// Colour of the scale arc at a whole degree from -60 to 240.
QColor ArcColour(int angle, bool temperatureDial);

// The numbers printed at kTickAngles, in that order (960 down to 0 on the temperature dial).
std::array<double, 7> SpeedScaleNumbers(float fullSpeed);
std::array<double, 7> TemperatureScaleNumbers();

}  // namespace norva
