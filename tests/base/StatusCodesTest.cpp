#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/StatusCodes.h"

using namespace norva;

namespace {

struct Row {
    int code;
    const char* text;
};

const Row kTable[] = {
    {0, "TempHigh"},  {1, "Trim Low"},  {2, "StickLo!"},  {3, "Ready   "},  {4, "Ignition"},
    {5, "FuelRamp"},  {6, "GlowTest"},  {7, "Running "},  {8, "Stop    "},  {9, "FlameOut"},
    {10, "SpeedLow"}, {11, "Cooling "}, {12, "Glow Bad"}, {13, "StartBad"}, {14, "Weak Gas"},
    {15, "Start On"}, {16, "User Off"}, {17, "Failsafe"}, {18, "LowSpeed"}, {19, "ModeAuto"},
    {20, "RxPwFail"}, {21, "Pre Heat"}, {22, "Battery!"}, {23, "Time Out"}, {24, "Overload"},
    {25, "Ign.Fail"}, {26, "BurnerOn"}, {27, "Starting"}, {28, "SwitchOv"}, {29, "PrimeVap"}};

}  // namespace

TEST(StatusCodes, RunLogNamesCodesOneToTwentyNine) {
    for (const Row& row : kTable) {
        const std::string expected = row.code == 0 ? "" : row.text;
        EXPECT_EQ(EtiqNrv(static_cast<int16_t>(row.code)), expected) << row.code;
    }
    EXPECT_EQ(EtiqNrv(3), "Ready   ");
    EXPECT_EQ(EtiqNrv(8), "Stop    ");
}

TEST(StatusCodes, RunLogOutsideTheTable) {
    EXPECT_EQ(EtiqNrv(30), "Unknown ");
    EXPECT_EQ(EtiqNrv(31), "Unknown ");
    for (int code : {0, 32, 33, 100, 255, 256, -1, -32768, 32767})
        EXPECT_EQ(EtiqNrv(static_cast<int16_t>(code)), "") << code;
}

TEST(StatusCodes, SummaryNamesCodesZeroToTwentyNine) {
    for (const Row& row : kTable) {
        EXPECT_EQ(ShutdownCauseText(row.code), row.text) << row.code;
        EXPECT_EQ(ShutdownCauseText(row.code).size(), 8u) << row.code;
    }
    EXPECT_EQ(ShutdownCauseText(0), "TempHigh");
    EXPECT_EQ(ShutdownCauseText(22), "Battery!");
}

TEST(StatusCodes, SummaryOutsideTheTable) {
    for (int code : {30, 31, 32, 200, 255, -1, 1000}) EXPECT_EQ(ShutdownCauseText(code), "Unknown");
    // The whole code counts: 29 + 256 is not 29.
    EXPECT_EQ(ShutdownCauseText(29 + 256), "Unknown");
    EXPECT_EQ(EtiqNrv(29 + 256), "");
}
