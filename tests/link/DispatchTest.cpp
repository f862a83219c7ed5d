#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

TEST_F(LinkTest, RisingStreamNotStartingAtOneBreaksTwiceThenCountsTo255And1000) {
    QSignalSpy breaks(&link, &Link::dispatched);
    feedStream(17, 2);
    EXPECT_FALSE(link.BackupDownward);  // flipped to falling, then back
    EXPECT_EQ(link.BackupByteCount, 0);
    feedStream(19, 254);
    EXPECT_EQ(link.BackupByteCount, 254);
    feedStream(17 + 256, 1);
    EXPECT_EQ(link.BackupByteCount, 255);  // the 255th report in sequence completes it
    for (int i = 0; i < 800; ++i)          // read in one go
        bus.find("unit")->reports.push_back(
            StreamReport((18 + i) % 256, bus.memory[(18 + i) % 256]));
    tick();
    EXPECT_EQ(link.BackupByteCount, 255 + Link::kMaxReportsPerTick);  // the rest waits a tick
    tick();
    EXPECT_EQ(link.BackupByteCount, 1000);
    EXPECT_EQ(breaks.count(), 2 + 254 + 1 + 800);
    for (int a = 0; a < 256; ++a) EXPECT_EQ(link.BackupImage[a], a ^ 0x5A) << a;
}

TEST_F(LinkTest, FallingStreamIsRecognisedAtTheFirstBreak) {
    feedStream(200, 1, true);
    EXPECT_TRUE(link.BackupDownward);
    feedStream(199, 255, true);
    EXPECT_TRUE(link.BackupDownward);
    EXPECT_EQ(link.BackupByteCount, 255);
    feedStream(200, 3, true);  // wraps 0 -> 255 without a break
    EXPECT_EQ(link.BackupByteCount, 258);
}

TEST_F(LinkTest, RepeatedAddressIsABreak) {
    feedStream(0, 2);
    feedStream(2, 10);
    ASSERT_EQ(link.BackupByteCount, 10);
    feed({StreamReport(11, 1)});
    EXPECT_TRUE(link.BackupDownward);
    EXPECT_EQ(link.BackupByteCount, 0);
    EXPECT_EQ(link.BackupExpectedAddress, 11);
    EXPECT_EQ(link.BackupImage[11], 1);  // stored whatever the sequence state
}

TEST_F(LinkTest, FullSpeedRescalesTheSpeedGaugeOncePerNewValue) {
    QSignalSpy rescale(&link, &Link::gaugeFullSpeedChanged);
    EXPECT_EQ(link.GaugeFullSpeed, 250);
    feed({StreamReport(51, 120)});
    feed({StreamReport(51, 120)});
    ASSERT_EQ(rescale.count(), 1);
    EXPECT_EQ(rescale.at(0).at(0).toFloat(), 120.0f);
    EXPECT_EQ(link.GaugeFullSpeed, 120);
    feed({StreamReport(50, 140)});  // another address with that value: nothing
    feed({StreamReport(51, 140)});
    EXPECT_EQ(rescale.count(), 2);
}

TEST_F(LinkTest, NotFoundMarkerReplacesTheTerminalButKeepsTheImageByte) {
    Report r = StreamReport(5, 77);
    for (int i = 3; i <= 34; ++i) r[i] = 'A';
    r[3] = 255;
    feed({r});
    const std::string expected =
        std::string("NORVA NOT FOUND") + std::string(18, ' ') + std::string(29, '\0');
    EXPECT_EQ(link.ReportText, expected);
    EXPECT_EQ(link.BackupImage[5], 77);
}

// (The live values a report carries: MonitorTest, every one through the CSV row.)

TEST_F(LinkTest, DownloadModeTakesBytes1To32OfEveryReportAndNothingElseMoves) {
    feedStream(0, 5);
    const int count = link.BackupByteCount;
    const std::string text = link.ReportText;
    Writable(link.DownloadActive) = 1;
    QSignalSpy dispatched(&link, &Link::dispatched);
    Report r{};
    for (int i = 0; i < 65; ++i) r[i] = static_cast<uint8_t>(i);
    feed({r, r, r});
    ASSERT_EQ(link.DownloadData.size(), 96u);
    EXPECT_EQ(link.DownloadByteCount, 96);
    EXPECT_EQ(link.DownloadData[0], 1);
    EXPECT_EQ(link.DownloadData[32], 1);
    EXPECT_EQ(link.State, LinkState::Downloading);
    EXPECT_EQ(dispatched.count(), 0);
    EXPECT_EQ(link.BackupByteCount, count);
    EXPECT_EQ(link.ReportText, text);
}

// The unit's state is the link's to write: everyone else reads it, and asks the link for a
// change by name.
namespace {
template <typename L>
concept WritesTheCount = requires(L& l) {
    l.BackupByteCount = 3;
};
template <typename L>
concept WritesACell = requires(L& l, int i) {
    l.BackupImage[i] = 0;
};
template <typename L>
concept ReadsTheState = requires(const L& l) {
    int(l.BackupByteCount) + l.BackupImage[51];
};
}  // namespace
static_assert(!WritesTheCount<Link> && !WritesACell<Link> && ReadsTheState<Link>);
