#include <gtest/gtest.h>

#include "live/GaugeGeometry.h"

using namespace norva;

TEST(GaugeGeometry, SpeedNeedleFollowsTheFullScale) {
    EXPECT_EQ(SpeedNeedleAngle(0, 250), 240);
    EXPECT_EQ(SpeedNeedleAngle(250, 250), -10);
    EXPECT_EQ(SpeedNeedleAngle(300, 250), -60);
    EXPECT_EQ(SpeedNeedleAngle(10.5f, 250), 229);  // 240 - 10.5, rounded down
    EXPECT_EQ(SpeedNeedleAngle(120, 120), -10);
    EXPECT_EQ(SpeedNeedleAngle(0, 120), 240);
    EXPECT_EQ(SpeedNeedleAngle(50, 0), 0);  // no full scale: the needle points right
}

TEST(GaugeGeometry, TemperatureNeedleHasAFixed800DegreeScale) {
    EXPECT_EQ(TemperatureNeedleAngle(0), 240);
    EXPECT_EQ(TemperatureNeedleAngle(800), -10);
    EXPECT_EQ(TemperatureNeedleAngle(960), -60);
    EXPECT_EQ(TemperatureNeedleAngle(1020), -79);
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

TEST(GaugeGeometry, ScaleNumbers) {
    const auto speed = SpeedScaleNumbers(250);
    const std::array<double, 7> expected250 = {300, 250, 200, 150, 100, 50, 0};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(speed[i], expected250[i], 1e-9);
    const auto speed120 = SpeedScaleNumbers(120);
    const std::array<double, 7> expected120 = {144, 120, 96, 72, 48, 24, 0};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(speed120[i], expected120[i], 1e-9);
    EXPECT_EQ(TemperatureScaleNumbers()[0], 960);
}

TEST(GaugeGeometry, DialPointUsesTheDialsPi) {
    const QPointF p = DialPoint(90, 60);
    EXPECT_NEAR(p.x(), 60 * std::cos(90 * 3.1416 / 180), 1e-12);
    EXPECT_NEAR(p.y(), -60.0, 1e-6);
    EXPECT_NEAR(DialPoint(240, 60).x(), -30.0, 1e-3);
    EXPECT_NEAR(DialPoint(240, 60).y(), 51.96, 1e-2);  // below the centre: y grows downwards
}
