// What the simulated unit does with output reports that the program's own tests cannot show:
// the calibration checksum, a download request beside a test cell, the strict options.
#include <gtest/gtest.h>

#include "support/SimTestSupport.h"

using namespace norva;
using namespace norva::simtest;
using sim::SimOptions;
using sim::SimUnit;

namespace {

SimUnit FastUnit(bool falling = false) {
    SimUnit unit(SimOptions{.falling = falling, .rate = 1000});
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

TEST(SimStrict, AnswersInKReportsInBurstsAndFaultsByOption) {
    // A read answered in one report, with the three reports due before it handed over first.
    SimUnit unit(SimOptions{.rate = 1000, .answerReports = 1, .burst = 4});
    unit.advanceTo(0);
    unit.advanceTo(2);
    EXPECT_EQ(unit.pendingReports(), 0u) << "a burst waits until it is whole";
    unit.receive(Frame({CommandSlot(kFunctionRead, 200)}));
    std::vector<int> addresses;
    for (const Report& r : Next(unit, 8)) addresses.push_back(StreamAddress(r));
    EXPECT_EQ(addresses, (std::vector<int>{0, 1, 2, 200, 3, 4, 5, 6}));

    // Silent, then unplugged, after so many reports.
    SimUnit silent(SimOptions{.rate = 1000, .silentAfter = 10});
    silent.advanceTo(0);
    silent.advanceTo(100);
    EXPECT_EQ(Drain(silent).size(), 10u);
    EXPECT_TRUE(silent.silent());
    SimUnit gone(SimOptions{.rate = 1000, .unplugAfter = 5});
    gone.advanceTo(0);
    gone.advanceTo(100);
    EXPECT_TRUE(gone.unplugged());
    EXPECT_TRUE(Drain(gone).empty());

    // An engine at rest stays cold and still however long the demonstration would have run.
    SimUnit rest(SimOptions{.rate = 50, .engineOff = true});
    for (int64_t ms = 0; ms <= 2 * SimUnit::kDemoCycleMs; ms += 1000) rest.advanceTo(ms);
    EXPECT_EQ(rest.engineRpm(), 0);
    EXPECT_LT(rest.engineEgt(), 100);
}
