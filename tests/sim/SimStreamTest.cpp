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

TEST(SimStream, RisingUnitSendsEveryAddressUpwardsAndWraps) {
    SimUnit unit = FastUnit(false);
    const auto reports = Next(unit, 600);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(StreamAddress(reports[i]), i % 256) << "report " << i;
        EXPECT_EQ(StreamValue(reports[i]), unit.memory()[i % 256]);
    }
}

TEST(SimStream, FallingUnitSendsEveryAddressDownwardsAndWraps) {
    SimUnit unit = FastUnit(true);
    const auto reports = Next(unit, 600);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(StreamAddress(reports[i]), (256 * 3 - 1 - i) % 256) << "report " << i;
    }
    EXPECT_EQ(StreamAddress(reports[255]), 0);
    EXPECT_EQ(StreamAddress(reports[256]), 255);
}

TEST(SimStream, DefaultsArePlausibleForBothKinds) {
    for (bool falling : {false, true}) {
        SimUnit unit(SimOptions{.falling = falling});
        const auto& m = unit.memory();
        EXPECT_EQ(m[50], 35);
        EXPECT_EQ(m[51], 120);
        EXPECT_LT(m[52], m[53]);
        EXPECT_EQ(m[60] * 256 + m[61], 1900);
        EXPECT_EQ(m[62] * 256 + m[63], 1100);
        EXPECT_EQ(m[87], 1);
        EXPECT_EQ(m[93], 0);
        EXPECT_EQ(m[falling ? 55 : 47], 7);
        for (int i = 1; i < 8; ++i) {
            EXPECT_GT(m[144 + 2 * i], m[144 + 2 * i - 2]);
            EXPECT_GT(m[160 + 2 * i], m[160 + 2 * i - 2]);
        }
        for (int k = 1; k < 32; ++k) EXPECT_GT(m[208 + k], m[207 + k]);
        EXPECT_EQ(std::string(m.begin() + 176, m.begin() + 192), "  NORVA SYSTEM  ");
        EXPECT_EQ(std::string(m.begin() + 192, m.begin() + 208), " SIMULATED UNIT ");
        EXPECT_GT(m[64], 0);                                   // earlier runs
        EXPECT_GT(m[67] + m[68] * 256 + m[69] * 65536, 3600);  // over an hour in total
    }
}

TEST(SimStream, NormalReportLayout) {
    SimUnit unit = FastUnit(false);
    // Full throttle in the demonstration cycle.
    unit.advanceTo(36000);
    const Report r = Next(unit, 1).back();
    EXPECT_EQ(r[0], 0);
    const std::string text(r.begin() + 3, r.begin() + 35);
    EXPECT_EQ(text, unit.terminalLine(0) + unit.terminalLine(1));
    for (int unused : {1, 2, 37, 39, 40, 48}) EXPECT_EQ(r[unused], 0) << "byte " << unused;
    for (int i = 51; i < 65; ++i) EXPECT_EQ(r[i], 0) << "byte " << i;

    EXPECT_NEAR(EngineSpeed(r), 120, 3);
    EXPECT_GT(Egt(r), 550);
    EXPECT_LT(Egt(r), 800);
    EXPECT_EQ(r[45], 255);                 // stick at full
    EXPECT_EQ(r[41] + r[42] * 256, 1900);  // and so the 100 % pulse
    EXPECT_GT(r[43], 100);                 // pump working hard
    EXPECT_GT(r[44], 150);                 // pressure near its top
    EXPECT_NEAR(r[47] * 0.06, 8.0, 0.5);   // two-cell battery
    EXPECT_GT(BatteryCurrent(r), 3);
}

TEST(SimStream, StoppedEngineReportsRestValues) {
    SimUnit unit = FastUnit(false);
    unit.advanceTo(4000);
    const Report r = Next(unit, 1).back();
    EXPECT_EQ(EngineSpeed(r), 0);
    EXPECT_LT(Egt(r), 60);
    EXPECT_EQ(r[45], 0);
    EXPECT_EQ(r[43], 0);
    EXPECT_EQ(r[41] + r[42] * 256, 1100);
    EXPECT_EQ(unit.terminalLine(0).substr(0, 8), "TRIM LOW");
}

TEST(SimTiming, FiftyPerSecondByDefault) {
    SimUnit unit;
    EXPECT_EQ(unit.rate(), 50);
    unit.advanceTo(10000);  // time zero: the first report is due at once
    EXPECT_EQ(unit.reportsGenerated(), 1u);
    unit.advanceTo(10999);
    EXPECT_EQ(unit.reportsGenerated(), 50u);
    unit.advanceTo(11000);
    EXPECT_EQ(unit.reportsGenerated(), 51u);
}

TEST(SimTiming, ThousandPerSecondIsOnePerMillisecondWithoutDrift) {
    SimUnit unit(SimOptions{.rate = 1000});
    for (int t = 0; t <= 5000; ++t) {
        unit.advanceTo(t);
        ASSERT_EQ(unit.reportsGenerated(), static_cast<uint64_t>(t + 1));
        Drain(unit);
    }
}

TEST(SimTiming, RateIsClampedAndAppliesFromNow) {
    SimUnit unit;
    unit.setRate(0);
    EXPECT_EQ(unit.rate(), 1);
    unit.setRate(5000);
    EXPECT_EQ(unit.rate(), 1000);
    unit.setRate(50);
    unit.advanceTo(0);
    unit.advanceTo(990);  // reports at 0, 20, .., 980
    EXPECT_EQ(unit.reportsGenerated(), 50u);
    unit.setRate(1000);
    unit.advanceTo(1000);
    EXPECT_EQ(unit.reportsGenerated(), 60u);
}

TEST(SimQueue, HoldsTheNewest256Reports) {
    SimUnit unit = FastUnit(false);
    unit.advanceTo(999);
    EXPECT_EQ(unit.reportsGenerated(), 1000u);
    EXPECT_EQ(unit.pendingReports(), SimUnit::kQueueCapacity);
    EXPECT_EQ(unit.reportsDropped(), 1000u - 256u);
    const auto reports = Drain(unit);
    ASSERT_EQ(reports.size(), 256u);
    EXPECT_EQ(StreamAddress(reports.front()), 744 % 256);
    EXPECT_EQ(StreamAddress(reports.back()), 999 % 256);
    Report spare;
    EXPECT_FALSE(unit.takeReport(spare));
}

TEST(SimQueue, AnHourUnreadKeepsTheStreamInStep) {
    for (bool falling : {false, true}) {
        SimUnit unit = FastUnit(falling);
        Drain(unit);
        unit.advanceTo(3600000);
        EXPECT_EQ(unit.reportsGenerated(), 3600001u);
        EXPECT_EQ(unit.reportsDropped(), 3600000u - 256u);
        const auto reports = Drain(unit);
        ASSERT_EQ(reports.size(), 256u);
        const int expected = falling ? (255 - 3600000 % 256 + 256) % 256 : 3600000 % 256;
        EXPECT_EQ(StreamAddress(reports.back()), expected);
        EXPECT_EQ(StreamAddress(Next(unit, 1).back()), (expected + (falling ? 255 : 1)) % 256);
    }
}

TEST(SimFaults, SilentUnitSendsNothingAndResumesWithoutABurst) {
    SimUnit unit;
    unit.advanceTo(0);
    Drain(unit);
    unit.setSilent(true);
    EXPECT_TRUE(unit.silent());
    unit.advanceTo(5000);
    EXPECT_EQ(unit.pendingReports(), 0u);
    unit.setSilent(false);
    unit.advanceTo(6000);
    EXPECT_EQ(unit.pendingReports(), 50u);
}

TEST(SimFaults, GarbageReportsAreRandomBytes) {
    SimUnit unit = FastUnit(false);
    Drain(unit);
    unit.setGarbage(true);
    const auto reports = Next(unit, 50);
    std::set<int> tails;
    int nonZeroUnused = 0;
    for (const Report& r : reports) {
        EXPECT_EQ(r[0], 0);  // still report ID 0
        tails.insert(r[64]);
        for (int i = 51; i < 65; ++i) nonZeroUnused += r[i] != 0;
    }
    EXPECT_GT(tails.size(), 20u);
    EXPECT_GT(nonZeroUnused, 300);
    unit.setGarbage(false);
    const Report r = Next(unit, 1).back();
    EXPECT_EQ(r[64], 0);
}

TEST(SimFaults, NoUnitMarksByteThree) {
    SimUnit unit = FastUnit(false);
    Drain(unit);
    unit.setNoUnit(true);
    const auto reports = Next(unit, 3);
    for (const Report& r : reports) EXPECT_EQ(r[3], 255);
    unit.setNoUnit(false);
    EXPECT_NE(Next(unit, 1).back()[3], 255);
}
