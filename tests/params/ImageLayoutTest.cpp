// The unit's image: values over several cells at their largest, enumerations and the welcome
// text's code page. Which cell is which, on either kind of unit, and the quantities derived
// from them: the summary's tests.
#include <gtest/gtest.h>

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
    EXPECT_EQ(Stored(full, Field::LastRunTime), 65535u);
    EXPECT_EQ(Stored(full, Field::TotalTime), 16777215u);
    EXPECT_DOUBLE_EQ(TotalEngineHours(full), 4660.3);
    EXPECT_EQ(PumpPower(255, 255), 1040);
}

TEST(ImageLayout, EnumerationsFallBackToTheirFirstEntry) {
    EXPECT_EQ(StartModeText(5), "MANUAL");
    EXPECT_EQ(ThrottleCurveText(255), "RPM LINEAL");
    EXPECT_EQ(PumpStartPointText(8), "AUTO+ 8");
    EXPECT_EQ(PumpStartPointText(9), " 9");
}

TEST(ImageLayout, WelcomeLinesAreWindows1252WithoutZeroCells) {
    Image image{};
    const uint8_t line1[] = {'P', 'r', 'i', 'x', ' ', 0x80, '5', 0, 0xE9, 0x93, 'x', 0x94};
    std::copy(std::begin(line1), std::end(line1), image.begin() + 176);
    EXPECT_EQ(WelcomeLine(image, 1), QString::fromUtf8("Prix €5é“x”"));  // the 0 left out
    EXPECT_EQ(WelcomeLine(image, 2), "");
}
