// What the simulated unit does with output reports that the program's own tests cannot show:
// the calibration checksum and a download request beside a test cell.
#include <gtest/gtest.h>

#include "support/SimTestSupport.h"

using namespace norva;
using namespace norva::simtest;
using sim::SimOptions;
using sim::SimUnit;

namespace {

SimUnit FastUnit(bool downward = false) {
    SimUnit unit(SimOptions{.downward = downward, .rate = 1000});
    unit.advanceTo(0);
    Drain(unit);
    return unit;
}

}  // namespace

TEST(SimWrite, CalibrationCellsNeedTheirOwnChecksum) {
    SimUnit unit = FastUnit();
    unit.receive(Frame({CommandSlot(241, 22), CommandSlot(242, 217)}));
    EXPECT_EQ(unit.memory()[241], 0);
    EXPECT_EQ(unit.memory()[242], 0);
    unit.receive(
        Frame({CalibrationSlot(241, 22), CalibrationSlot(242, 217), CalibrationSlot(243, 9)}));
    EXPECT_EQ(unit.memory()[241], 22);
    EXPECT_EQ(unit.memory()[242], 217);
    EXPECT_EQ(unit.memory()[243], 9);
    unit.receive(Frame({CalibrationSlot(100, 5)}));  // ordinary cells keep the ordinary rule
    EXPECT_NE(unit.memory()[100], 5);
}

TEST(SimHardwareTest, DownloadRequestDoesNotStartATestStep) {
    SimUnit unit = FastUnit(true);
    Report frame{};
    const SlotBytes start = CommandSlot(79, 1);
    std::copy(start.begin(), start.end(), frame.begin() + 1 + 5 * kSlotSize);
    frame[1 + kModeByte] = kModeOperating;
    frame[1 + kModeValue] = kOperatingDownload;
    unit.receive(frame);
    EXPECT_TRUE(unit.downloadMode());
    EXPECT_EQ(unit.testStep(), 0);
}
