#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/StatusCodes.h"

using namespace norva;

TEST(StatusCodes, TheTwoRenderingsAgreeOnOneToTwentyNineOnlyAndNameNothingElse) {
    for (int code = 1; code <= 29; ++code) {
        EXPECT_EQ(EtiqNrv(static_cast<int16_t>(code)), ShutdownCauseText(code)) << code;
        EXPECT_EQ(ShutdownCauseText(code).size(), 8u) << code;  // trailing blanks included
    }
    EXPECT_EQ(EtiqNrv(3), "Ready   ");
    EXPECT_EQ(ShutdownCauseText(22), "Battery!");
    // Code 0: the summary names it, the run log does not.
    EXPECT_EQ(ShutdownCauseText(0), "TempHigh");
    EXPECT_EQ(EtiqNrv(0), "");
    // Outside the table.
    for (int code : {30, 31}) EXPECT_EQ(EtiqNrv(static_cast<int16_t>(code)), "Unknown ") << code;
    for (int code : {32, 255, 256, -1, -32768, 32767})
        EXPECT_EQ(EtiqNrv(static_cast<int16_t>(code)), "") << code;
    for (int code : {30, 31, 32, 200, -1, 1000}) EXPECT_EQ(ShutdownCauseText(code), "Unknown");
    // The whole code counts: 29 + 256 is not 29.
    EXPECT_EQ(ShutdownCauseText(29 + 256), "Unknown");
    EXPECT_EQ(EtiqNrv(29 + 256), "");
}
