#include <gtest/gtest.h>

#include "link/Frames.h"

using namespace norva;

TEST(Frames, ChecksumWrapsOnce) {
    EXPECT_EQ(Checksum(113, 200), 57);
    EXPECT_EQ(Checksum(255, 255), 254);
    EXPECT_EQ(Checksum(112, 65), 177);
    EXPECT_EQ(Checksum(113, 47), 160);
    EXPECT_EQ(CalibrationChecksum(241, 22), 8);
}
