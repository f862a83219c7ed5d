#include <gtest/gtest.h>

#include <cmath>

#include "protocol/ImageLayout.h"

using namespace norva::params;

namespace {
using Image = std::array<uint8_t, kImageSize>;
}

TEST(ImageLayout, MultiByteValuesInTheirByteOrdersWithoutOverflow) {
    Image image{};
    image[9] = 0x34;  // the error time is also the count's low byte
    image[10] = 0x12;
    image[60] = 0x07;  // pulses: high byte first
    image[61] = 0xD0;
    image[65] = 0x2C;  // last run: low byte first
    image[66] = 0x01;
    image[67] = 0x40;  // total time: low, middle, high
    image[68] = 0x9C;
    image[69] = 0x00;
    EXPECT_EQ(Stored(image, Field::RxErrors), 0x1234u);
    EXPECT_EQ(Stored(image, Field::RxErrorTime), 0x34u);
    EXPECT_EQ(Stored(image, Field::Pulse100), 2000u);
    EXPECT_EQ(Stored(image, Field::LastRunTime), 300u);
    EXPECT_EQ(Stored(image, Field::TotalTime), 40000u);

    Image full;
    full.fill(0xFF);
    EXPECT_EQ(Stored(full, Field::RxErrors), 65535u);
    EXPECT_EQ(Stored(full, Field::Pulse0), 65535u);
    EXPECT_EQ(Stored(full, Field::TotalTime), 16777215u);
    EXPECT_DOUBLE_EQ(TotalEngineHours(full), 4660.3);
}

TEST(ImageLayout, TheTwoKindsOfUnit) {
    // Cell 55 is the stability delay of an upward unit and the access level of a downward one.
    EXPECT_EQ(FieldAt(55, UnitKind::Upward)->field, Field::StabilityDelay);
    EXPECT_EQ(FieldAt(55, UnitKind::Downward)->field, Field::MenuAccess);
    EXPECT_EQ(FieldAt(47, UnitKind::Downward), nullptr);
    EXPECT_EQ(FieldAt(79, UnitKind::Upward), nullptr);
    EXPECT_EQ(FieldAt(200, UnitKind::Upward)->field, Field::WelcomeLine2);
    EXPECT_EQ(FieldAt(68, UnitKind::Upward)->field, Field::TotalTime);
}

TEST(ImageLayout, EnumerationsFallBackToTheirFirstEntry) {
    EXPECT_EQ(StartModeText(5), "MANUAL");
    EXPECT_EQ(ThrottleCurveText(255), "RPM LINEAL");
    EXPECT_EQ(PumpStartPointText(8), "AUTO+ 8");
    EXPECT_EQ(PumpStartPointText(9), " 9");
}

TEST(ImageLayout, DerivedQuantities) {
    Image image{};
    image[60] = 0x07;  // P100 = 2000
    image[61] = 0xD0;
    image[62] = 0x03;  // P0 = 1000
    image[63] = 0xE8;
    image[59] = 51;
    EXPECT_EQ(IdlePulse(image), 1199);  // 1199.2
    std::swap(image[60], image[62]);
    std::swap(image[61], image[63]);
    EXPECT_EQ(IdlePulse(image), 1800);  // 1800.8: a reversed span still floors

    image[67] = 0x18;  // 5400 s
    image[68] = 0x15;
    EXPECT_DOUBLE_EQ(TotalEngineHours(image), 1.5);
    image[67] = 0x67;  // 359 s: not yet a tenth of an hour
    image[68] = 0x01;
    EXPECT_DOUBLE_EQ(TotalEngineHours(image), 0);

    EXPECT_EQ(PumpPower(100, 250), 400);
    EXPECT_EQ(PumpPower(255, 255), 1040);
    // The whole-number form never differs from the formula in doubles.
    for (int v = 0; v < 256; ++v)
        for (int b = 0; b < 256; ++b)
            ASSERT_EQ(PumpPower(uint8_t(v), uint8_t(b)), int(std::floor(v * b / 1000.0 * 16)));

    image[80] = 200;
    image[208] = 128;
    image[239] = 255;
    EXPECT_DOUBLE_EQ(PumpCurvePoint(image, 0).x, 7);
    EXPECT_DOUBLE_EQ(PumpCurvePoint(image, 0).height, 100);
    EXPECT_DOUBLE_EQ(PumpCurvePoint(image, 31).x, 255);
    EXPECT_DOUBLE_EQ(PumpCurvePoint(image, 31).height, 199.21875);
}

TEST(ImageLayout, WelcomeLinesAreWindows1252WithoutZeroCells) {
    Image image{};
    const uint8_t line1[] = {'P', 'r', 'i', 'x', ' ', 0x80, '5', 0, 0xE9, 0x93, 'x', 0x94};
    std::copy(std::begin(line1), std::end(line1), image.begin() + 176);
    EXPECT_EQ(WelcomeLine(image, 1), QString::fromUtf8("Prix €5é“x”"));
    EXPECT_EQ(WelcomeLine(image, 2), "");
    image[192] = 0x81;  // unassigned in the code page: kept as its C1 control
    EXPECT_EQ(WelcomeLine(image, 2), QString(QChar(0x81)));
}
