#include "live/GaugeGeometry.h"

#include <algorithm>
#include <cmath>

namespace norva {

QPointF DialPoint(double angle, double radius) {
    const double radians = angle * kDialPi / 180;
    return {radius * std::cos(radians), -radius * std::sin(radians)};
}

int SpeedNeedleAngle(float engineSpeed, float fullSpeed) {
    if (fullSpeed == 0) return 0;
    const double steps = (fullSpeed - engineSpeed) / (fullSpeed / 250.0);
    if (!std::isfinite(steps)) return 0;
    // Measured values floor; the angle is kept to what a needle can show.
    return static_cast<int>(std::clamp(std::floor(steps), -1.0e6, 1.0e6)) + kReferenceAngle;
}

int TemperatureNeedleAngle(float egt) {
    return static_cast<int>(std::floor((kTemperatureFullScale - egt) / 3.2)) + kReferenceAngle;
}

QColor ArcColour(int angle, bool temperatureDial) {
    if (angle < kReferenceAngle) return QColor(255, 0, 0);
    if (angle <= (temperatureDial ? 20 : 0)) return QColor(255, 255, 0);
    return QColor(255, 255, 255);
}

std::array<double, 7> SpeedScaleNumbers(float fullSpeed) {
    std::array<double, 7> numbers{};
    const double top = fullSpeed * 1.2;
    for (int i = 0; i < 7; ++i) numbers[i] = top - i * (top / 6);
    return numbers;
}

std::array<double, 7> TemperatureScaleNumbers() {
    return {960, 800, 640, 480, 320, 160, 0};
}

}  // namespace norva
