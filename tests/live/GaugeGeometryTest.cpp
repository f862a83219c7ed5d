#include <gtest/gtest.h>

#include "live/GaugeGeometry.h"

using namespace norva;

TEST(GaugeGeometry, NeedlesRoundDownAndAFullScaleOfZeroPointsRight) {
    EXPECT_EQ(SpeedNeedleAngle(0, 120), 240);
    EXPECT_EQ(SpeedNeedleAngle(300, 250), -60);
    EXPECT_EQ(SpeedNeedleAngle(10.5f, 250), 229);  // 240 - 10.5, rounded down
    EXPECT_EQ(SpeedNeedleAngle(50, 0), 0);
    EXPECT_EQ(TemperatureNeedleAngle(1020), -79);  // a fixed 800-degree scale
}

TEST(GaugeGeometry, ZonesOfTheArc) {
    // Speeds 240..250 thousand RPM are yellow, above 250 red (default full scale).
    EXPECT_EQ(ArcColour(SpeedNeedleAngle(239, 250), false), QColor(255, 255, 255));
    EXPECT_EQ(ArcColour(SpeedNeedleAngle(240, 250), false), QColor(255, 255, 0));
    EXPECT_EQ(ArcColour(SpeedNeedleAngle(250, 250), false), QColor(255, 255, 0));
    EXPECT_EQ(ArcColour(SpeedNeedleAngle(251, 250), false), QColor(255, 0, 0));
    // Temperatures 704..800 yellow, above 800 red.
    EXPECT_EQ(ArcColour(TemperatureNeedleAngle(700), true), QColor(255, 255, 255));
    EXPECT_EQ(ArcColour(TemperatureNeedleAngle(704), true), QColor(255, 255, 0));
    EXPECT_EQ(ArcColour(TemperatureNeedleAngle(800), true), QColor(255, 255, 0));
    EXPECT_EQ(ArcColour(TemperatureNeedleAngle(804), true), QColor(255, 0, 0));
}
