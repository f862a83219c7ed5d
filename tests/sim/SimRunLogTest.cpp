// The simulated unit's download stream: what the download operation's tests cannot set up
// through the program (a queue full of stale reports, the preamble's length, a fixed seed).
#include <gtest/gtest.h>

#include "support/SimTestSupport.h"

using namespace norva;
using namespace norva::simtest;
using sim::SimOptions;
using sim::SimUnit;

namespace {

constexpr int kTakenBytes = 33300;

// What the program takes after sending the start frame (the reports waiting before it read
// first): 1041 reports, 33300 bytes.
std::vector<uint8_t> Download(SimUnit& unit) {
    Drain(unit);
    unit.receive(
        Frame({{}, {}, {}, {}, {}, CommandSlot(79, 1)}, kModeOperating, kOperatingDownload));
    std::vector<uint8_t> raw;
    for (const Report& r : Next(unit, 1041)) raw.insert(raw.end(), r.begin() + 1, r.begin() + 33);
    raw.resize(kTakenBytes);
    unit.receive(Frame({}, kModeOperating, kOperatingNormal));
    return raw;
}

}  // namespace

TEST(SimDownload, TheSystemsQueueHoldsNormalReportsAheadOfTheLog) {
    SimUnit unit(SimOptions{.rate = 1000, .queue = 64});
    unit.advanceTo(0);
    unit.advanceTo(2000);  // a full queue of normal reports nobody read
    ASSERT_EQ(unit.pendingReports(), 64u);
    Report r;
    for (int k = 0; k < 10; ++k) unit.takeReport(r);
    unit.receive(
        Frame({{}, {}, {}, {}, {}, CommandSlot(79, 1)}, kModeOperating, kOperatingDownload));
    const auto reports = Next(unit, 55);
    for (int k = 1; k < 54; ++k)
        ASSERT_EQ(StreamAddress(reports[k]), (StreamAddress(reports[k - 1]) + 1) % 256) << k;
    EXPECT_EQ(reports[54][1], 'N');  // the log's preamble
}

TEST(SimDemoCycle, SameSeedSameUnit) {
    SimUnit a(SimOptions{.seed = 9});
    SimUnit b(SimOptions{.seed = 9});
    SimUnit c(SimOptions{.seed = 10});
    a.advanceTo(0);
    b.advanceTo(0);
    a.advanceTo(30000);
    b.advanceTo(30000);
    EXPECT_EQ(Drain(a), Drain(b));
    EXPECT_NE(a.runLogPage(5), c.runLogPage(5));
}

TEST(SimDownload, ThePreambleIsAsLongAsTheOptionSaysAndNormalReportsFollow) {
    for (const int preamble : {0, 525}) {
        SimUnit unit(SimOptions{.rate = 1000, .preamble = preamble});
        unit.advanceTo(0);
        const auto raw = Download(unit);
        for (int i = 0; i < 10; ++i) EXPECT_EQ(raw[preamble + i], 0) << preamble;
        EXPECT_EQ(raw[preamble + 10], 252);
        EXPECT_EQ(raw[preamble + 11], 253);
        if (preamble > 0) EXPECT_EQ(raw[0], 'N');
        EXPECT_FALSE(unit.downloadMode());
        const auto reports = Next(unit, 2);
        EXPECT_EQ((StreamAddress(reports[0]) + 1) % 256, StreamAddress(reports[1]));
        EXPECT_EQ(reports[0][64], 0);
    }
}
