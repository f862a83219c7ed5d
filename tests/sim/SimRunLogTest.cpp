// The run log as the program gets it: the download stream decoded the way the download window
// decodes it, and the demonstration cycle leaving its trace in the log and in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "runlog/RunLog.h"
#include "support/SimTestSupport.h"

using namespace norva;
using namespace norva::simtest;
using sim::SimOptions;
using sim::SimUnit;

namespace {

constexpr int kTakenBytes = 33300;

// The pages as the program decodes them, page by page.
struct DecodedPage {
    int cycle = 0;
    int page = 0;
    std::array<std::array<int, 5>, 6> samples{};  // aux, temp °C, rpm, throttle ‰, pump ‰
};
std::optional<std::vector<DecodedPage>> Convert(const std::vector<uint8_t>& raw) {
    const auto lines = ConvertRunLog(raw);
    if (!lines) return std::nullopt;
    std::vector<DecodedPage> pages(kRunLogPages);
    for (size_t k = 0; k < lines->size(); ++k) {
        const RunLogLine& l = (*lines)[k];
        DecodedPage& p = pages[k / 6];
        p.cycle = l.cycle;
        p.page = l.page;
        p.samples[k % 6] = {l.aux, l.temp, l.rpm, l.throttle, l.pump};
    }
    return pages;
}

// Index of the page holding the oldest line.
int OldestPage(const std::vector<DecodedPage>& pages) {
    std::vector<RunLogLine> lines;
    for (const DecodedPage& p : pages)
        for (int j = 0; j < 6; ++j) lines.push_back({p.cycle, p.page, 0, 0, 0, 0, 0});
    return (OldestLine(lines) - 1) / 6;
}

// What the program takes after sending the start frame: 1041 reports, 33300 bytes.
std::vector<uint8_t> Download(SimUnit& unit) {
    unit.receive(
        Frame({{}, {}, {}, {}, {}, CommandSlot(79, 1)}, kModeOperating, kOperatingDownload));
    std::vector<uint8_t> raw;
    for (const Report& r : Next(unit, 1041)) raw.insert(raw.end(), r.begin() + 1, r.begin() + 33);
    raw.resize(kTakenBytes);
    unit.receive(Frame({}, kModeOperating, kOperatingNormal));
    return raw;
}

}  // namespace

TEST(SimDownload, StreamConvertsToAWrappedRingOfEarlierRuns) {
    SimUnit unit(SimOptions{.rate = 1000});
    unit.advanceTo(0);
    const auto pages = Convert(Download(unit));
    ASSERT_TRUE(pages.has_value());

    const int oldest = OldestPage(*pages);
    EXPECT_GT(oldest, 0);  // the ring has wrapped: the oldest sample is not at page 0
    EXPECT_EQ(oldest, unit.runLogNextPage());

    // Read from the oldest page on, cycles never go back and end at the unit's cycle count.
    int previous = -1;
    int runs = 0;
    for (int k = 0; k < kRunLogPages; ++k) {
        const DecodedPage& p = (*pages)[(oldest + k) % kRunLogPages];
        ASSERT_LT(p.cycle, 255);
        ASSERT_GE(p.cycle, previous);
        if (p.cycle != previous) {
            ++runs;
            if (previous >= 0) {
                EXPECT_EQ(p.page, 0);
            }
        }
        previous = p.cycle;
    }
    EXPECT_EQ(previous, unit.memory()[64]);
    EXPECT_GE(runs, 3);

    int hot = 0;
    int fast = 0;
    for (const DecodedPage& p : *pages) {
        for (const auto& s : p.samples) {
            EXPECT_LE(s[1], 1000);  // EGT, °C
            EXPECT_LE(s[2], unit.memory()[51] * 1000 + 2000);
            EXPECT_LE(s[3], 1000);
            EXPECT_LE(s[4], 1000);
            hot += s[1] > 500;
            fast += s[2] > 100000;
        }
    }
    EXPECT_GT(hot, 1000);
    EXPECT_GT(fast, 100);
}

TEST(SimDownload, StaleReportsDoNotShiftTheLog) {
    SimUnit unit(SimOptions{.rate = 1000});
    unit.advanceTo(0);
    unit.advanceTo(2000);  // a full queue of normal reports nobody read
    ASSERT_EQ(unit.pendingReports(), SimUnit::kQueueCapacity);
    EXPECT_TRUE(Convert(Download(unit)).has_value());
}

TEST(SimDownload, NormalReportsFollowTheDownload) {
    SimUnit unit(SimOptions{.rate = 1000});
    unit.advanceTo(0);
    Download(unit);
    EXPECT_FALSE(unit.downloadMode());
    const auto reports = Next(unit, 2);
    EXPECT_EQ((StreamAddress(reports[0]) + 1) % 256, StreamAddress(reports[1]));
    EXPECT_EQ(reports[0][64], 0);
}

TEST(SimDemoCycle, OneCycleStartsRunsAndStopsTheEngine) {
    SimUnit unit(SimOptions{.rate = 50});
    unit.advanceTo(0);
    int maxRpm = 0, maxEgt = 0;
    for (int t = 0; t < SimUnit::kDemoCycleMs; t += 100) {
        unit.advanceTo(t);
        for (const Report& r : Drain(unit)) {
            maxRpm = std::max(maxRpm, static_cast<int>(EngineSpeed(r)));
            maxEgt = std::max(maxEgt, Egt(r));
        }
    }
    EXPECT_GE(maxRpm, 115);
    EXPECT_GT(maxEgt, 600);
    EXPECT_LT(maxEgt, 900);
    EXPECT_FALSE(unit.engineRunning());
    EXPECT_LT(unit.engineEgt(), 100);  // cooled down again
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

TEST(SimDownload, ThePreambleIsAsLongAsTheOptionSays) {
    for (const int preamble : {0, 525}) {
        SimUnit unit(SimOptions{.rate = 1000, .preamble = preamble});
        unit.advanceTo(0);
        const auto raw = Download(unit);
        for (int i = 0; i < 10; ++i) EXPECT_EQ(raw[preamble + i], 0) << preamble;
        EXPECT_EQ(raw[preamble + 10], 252);
        EXPECT_EQ(raw[preamble + 11], 253);
        if (preamble > 0) EXPECT_EQ(raw[0], 'N');
    }
}
