// What the simulated unit does with the program's output reports: writes, checksums, terminal
// keys, read requests, the mode pair and the hardware-test cell.
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

// The value the stream carries for an address within the next full pass.
int Streamed(SimUnit& unit, int address) {
    for (const Report& r : Next(unit, 256)) {
        if (StreamAddress(r) == address) return StreamValue(r);
    }
    return -1;
}

}  // namespace

TEST(SimWrite, GoodSlotsAreStoredAndStreamed) {
    SimUnit unit = FastUnit();
    unit.receive(Frame({CommandSlot(100, 42), CommandSlot(101, 200), CommandSlot(102, 0),
                        CommandSlot(103, 255), CommandSlot(104, 1), CommandSlot(105, 2)}));
    EXPECT_EQ(unit.memory()[100], 42);
    EXPECT_EQ(unit.memory()[103], 255);
    EXPECT_EQ(unit.memory()[105], 2);
    EXPECT_EQ(Streamed(unit, 101), 200);
}

TEST(SimWrite, BadChecksumOrSyncIsIgnored) {
    SimUnit unit = FastUnit();
    const uint8_t before = unit.memory()[100];
    SlotBytes wrongSum = CommandSlot(100, 42);
    wrongSum[4] += 1;
    SlotBytes wrongSync = CommandSlot(100, 43);
    wrongSync[0] = 0;
    unit.receive(Frame({wrongSum, wrongSync, SlotBytes{}}));
    EXPECT_EQ(unit.memory()[100], before);
    const uint8_t zeroCell = unit.memory()[0];
    unit.receive(Frame({}));  // an all-zero slot is not a write of 0 to address 0
    EXPECT_EQ(unit.memory()[0], zeroCell);
}

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
