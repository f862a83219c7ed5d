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
