// What the program sees of the simulated unit without sending it anything: the configuration
// stream, the report layout, the report pace and the fault switches.
#include <gtest/gtest.h>

#include <set>

#include "support/SimTestSupport.h"

using namespace norva;
using namespace norva::simtest;
using sim::SimOptions;
using sim::SimUnit;

namespace {

SimUnit FastUnit(bool falling) {
    SimUnit unit(SimOptions{.falling = falling, .rate = 1000});
    unit.advanceTo(0);
    return unit;
}

}  // namespace

TEST(SimStream, EveryAddressInTurnUpwardsOrDownwardsAndWrapping) {
    for (const bool falling : {false, true}) {
        SimUnit unit = FastUnit(falling);
        const auto reports = Next(unit, 600);
        for (int i = 0; i < 600; ++i) {
            const int address = falling ? (256 * 3 - 1 - i) % 256 : i % 256;
            ASSERT_EQ(StreamAddress(reports[i]), address) << falling << " report " << i;
            EXPECT_EQ(StreamValue(reports[i]), unit.memory()[address]);
        }
    }
}

TEST(SimStream, NormalReportsAtFullThrottleAndAtRest) {
    SimUnit unit = FastUnit(false);
    unit.advanceTo(4000);  // stopped, before the demonstration's start
    Report r = Next(unit, 1).back();
    EXPECT_EQ(EngineSpeed(r), 0);
    EXPECT_LT(Egt(r), 60);
    EXPECT_EQ(r[41] + r[42] * 256, 1100);  // the 0 % pulse
    EXPECT_EQ(unit.terminalLine(0).substr(0, 8), "TRIM LOW");

    unit.advanceTo(36000);  // full throttle
    r = Next(unit, 1).back();
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(std::string(r.begin() + 3, r.begin() + 35),
              unit.terminalLine(0) + unit.terminalLine(1));
    for (int unused : {1, 2, 37, 39, 40, 48, 51, 64}) EXPECT_EQ(r[unused], 0) << unused;
    EXPECT_NEAR(EngineSpeed(r), 120, 3);
    EXPECT_GT(Egt(r), 550);
    EXPECT_EQ(r[41] + r[42] * 256, 1900);  // the 100 % pulse
    EXPECT_NEAR(r[47] * 0.06, 8.0, 0.5);   // two-cell battery
}

TEST(SimTiming, OneReportEachPeriodAndTheNewest256KeptWhenUnread) {
    SimUnit unit;
    unit.advanceTo(10000);  // time zero: the first report is due at once
    unit.advanceTo(10999);
    EXPECT_EQ(unit.reportsGenerated(), 50u);  // 50 a second by default

    for (const bool falling : {false, true}) {
        SimUnit fast = FastUnit(falling);
        Drain(fast);
        fast.advanceTo(3600000);  // an hour unread
        EXPECT_EQ(fast.reportsDropped(), 3600000u - 256u);
        const auto reports = Drain(fast);
        ASSERT_EQ(reports.size(), 256u);
        const int expected = falling ? (255 - 3600000 % 256 + 256) % 256 : 3600000 % 256;
        EXPECT_EQ(StreamAddress(reports.back()), expected);
        EXPECT_EQ(StreamAddress(Next(fast, 1).back()), (expected + (falling ? 255 : 1)) % 256);
    }
}

TEST(SimFaults, SilenceGarbageAndNoUnit) {
    SimUnit unit = FastUnit(false);
    Drain(unit);
    unit.setSilent(true);
    unit.advanceTo(5000);
    EXPECT_EQ(unit.pendingReports(), 0u);
    unit.setSilent(false);
    unit.advanceTo(5050);
    EXPECT_EQ(unit.pendingReports(), 50u);  // no burst of what was due meanwhile
    Drain(unit);

    unit.setGarbage(true);
    std::set<int> tails;
    for (const Report& r : Next(unit, 50)) tails.insert(r[64]);
    EXPECT_GT(tails.size(), 20u);
    unit.setGarbage(false);

    unit.setNoUnit(true);
    EXPECT_EQ(Next(unit, 1).back()[3], 255);
    unit.setNoUnit(false);
    EXPECT_NE(Next(unit, 1).back()[3], 255);
}
