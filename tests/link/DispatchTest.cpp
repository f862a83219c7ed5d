#include <gtest/gtest.h>

#include <QSignalSpy>
#include <random>

#include "link/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

TEST_F(LinkTest, RisingStreamNotStartingAtOneBreaksTwiceThenCountsTo255And1000) {
    QSignalSpy breaks(&link, &Link::dispatched);
    feedStream(17, 2);
    EXPECT_FALSE(link.BackupDescending);  // flipped to falling, then back
    EXPECT_EQ(link.BackupByteCount, 0);
    feedStream(19, 254);
    EXPECT_EQ(link.BackupByteCount, 254);
    feedStream(17 + 256, 1);
    EXPECT_EQ(link.BackupByteCount, 255);  // the 255th report in sequence completes it
    feedStream(18, 800);
    EXPECT_EQ(link.BackupByteCount, 255 + Link::kMaxReportsPerTick);  // the rest waits a tick
    tick();
    EXPECT_EQ(link.BackupByteCount, 1000);
    EXPECT_EQ(breaks.count(), 2 + 254 + 1 + 800);
    for (int a = 0; a < 256; ++a) EXPECT_EQ(link.BackupImage[a], a ^ 0x5A) << a;
}

TEST_F(LinkTest, FallingStreamIsRecognisedAtTheFirstBreak) {
    feedStream(200, 1, true);
    EXPECT_TRUE(link.BackupDescending);
    feedStream(199, 255, true);
    EXPECT_TRUE(link.BackupDescending);
    EXPECT_EQ(link.BackupByteCount, 255);
    feedStream(200, 3, true);  // wraps 0 -> 255 without a break
    EXPECT_EQ(link.BackupByteCount, 258);
}

TEST_F(LinkTest, RepeatedAddressIsABreak) {
    feedStream(0, 2);
    feedStream(2, 10);
    ASSERT_EQ(link.BackupByteCount, 10);
    feed({StreamReport(11, 1)});
    EXPECT_TRUE(link.BackupDescending);
    EXPECT_EQ(link.BackupByteCount, 0);
    EXPECT_EQ(link.BackupExpectedAddress, 11);
    EXPECT_EQ(link.BackupImage[11], 1);  // stored whatever the sequence state
}

TEST_F(LinkTest, EveryReportOfABurstIsDispatchedInOrder) {
    QSignalSpy dispatched(&link, &Link::dispatched);
    std::vector<int> seen;
    QObject::connect(&link, &Link::dispatched, [&] { seen.push_back(int(link.ReplyAddress)); });
    feedStream(0, 2);  // settle the direction
    feedStream(2, 200);
    EXPECT_EQ(dispatched.count(), 202);
    EXPECT_EQ(link.BackupByteCount, 200);
    for (int i = 0; i < 202; ++i) EXPECT_EQ(seen[i], i);
    tick();  // nothing arrived: nothing dispatched
    EXPECT_EQ(dispatched.count(), 202);
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

TEST_F(LinkTest, ImageByte47DecidesTheParameterFileMenuItems) {
    QSignalSpy menu(&link, &Link::fileMenuVisibilityChanged);
    feed({StreamReport(47, 7)});
    EXPECT_EQ(link.FileMenuVisible, true);
    feed({StreamReport(48, 7)});
    feed({StreamReport(47, 0)});
    EXPECT_EQ(link.FileMenuVisible, false);
    feed({StreamReport(47, 6)});
    ASSERT_EQ(menu.count(), 2);
    EXPECT_TRUE(menu.at(0).at(0).toBool());
    EXPECT_FALSE(menu.at(1).at(0).toBool());
}

TEST_F(LinkTest, ParametersMenuFollowsDirectionAndCount) {
    feedStream(0, 2);
    EXPECT_FALSE(link.AutostartVisible.has_value());  // left as it is until the count passes 3
    feedStream(2, 4);
    EXPECT_EQ(link.AutostartVisible, true);
    FakeBackend other;
    Link falling(other, [this] { return now; });
    auto& d = other.add("unit");
    d.reports.push_back(StreamReport(10, 0));
    falling.PollTick();
    EXPECT_TRUE(falling.BackupDescending);
    EXPECT_EQ(falling.AutostartVisible, false);
}

TEST_F(LinkTest, BackupProgressLabel) {
    EXPECT_TRUE(link.BackupProgressText.isEmpty());
    feedStream(0, 2);
    EXPECT_EQ(link.BackupProgressText, "Data Backup=  0%");
    feedStream(2, 128);
    EXPECT_EQ(link.BackupByteCount, 128);
    EXPECT_EQ(link.BackupProgressText, "Data Backup=  50%");
    feedStream(130, 127);
    EXPECT_EQ(link.BackupByteCount, 255);
    EXPECT_EQ(link.BackupProgressText, "Data Backup=  100%");
    feedStream(257, 1);
    EXPECT_EQ(link.BackupProgressText, "Data Backup= 100%");
}

TEST_F(LinkTest, NotFoundMarkerReplacesTheTerminalButKeepsTheImageByte) {
    Report r = StreamReport(5, 77);
    for (int i = 3; i <= 34; ++i) r[i] = 'A';
    r[3] = 255;
    feed({r});
    const std::string expected =
        std::string("NORVA NOT FOUND") + std::string(18, ' ') + std::string(29, '\0');
    EXPECT_EQ(link.ReportText, expected);
    EXPECT_EQ(link.ReportText.substr(0, 16), "NORVA NOT FOUND ");
    EXPECT_EQ(link.ReportText.substr(16, 16), std::string(16, ' '));
    EXPECT_EQ(link.BackupImage[5], 77);
}

TEST_F(LinkTest, LiveValuesAreDecodedFromTheReport) {
    const std::string line1 = "RUN   120.0 krpm";
    const std::string line2 = "EGT 640  PUMP 30";
    Report r = LiveReport(line1, line2);
    r[35] = 9;
    r[36] = 200;
    feed({r});
    EXPECT_EQ(link.ReportText.substr(0, 32), line1 + line2);
    EXPECT_FLOAT_EQ(link.EngineSpeed, 120.0f);
    EXPECT_EQ(link.Egt, 640);
    EXPECT_EQ(link.BatteryCurrent, 42);
    EXPECT_FLOAT_EQ(link.BatteryVoltage, 12.36f);
    EXPECT_EQ(link.StickPosition, 100);
    EXPECT_EQ(link.PumpPower, 50);  // Int(128 / 2.55) = 50
    EXPECT_EQ(link.PressureRaw, 100);
    EXPECT_FLOAT_EQ(link.Pressure, 0.9f);
    EXPECT_EQ(link.ReceiverPulse, 1500);
    EXPECT_EQ(link.ReplyAddress, 200);
    EXPECT_EQ(link.ReplyValue, 9);
}

TEST_F(LinkTest, PercentagesFloorLikeTheUnit) {
    for (int b : {0, 1, 2, 3, 127, 128, 254, 255}) {
        Report r{};
        r[45] = static_cast<uint8_t>(b);
        r[43] = static_cast<uint8_t>(b);
        feed({r});
        const int expected = static_cast<int>(std::floor(b / 2.55));
        EXPECT_EQ(link.StickPosition, expected) << b;
        EXPECT_EQ(link.PumpPower, expected) << b;
    }
}

namespace {
struct Recorder : DownloadReceiver {
    std::vector<std::vector<uint8_t>> got;
    void downloadStep(std::span<const uint8_t> report) override {
        got.emplace_back(report.begin(), report.end());
    }
};
}  // namespace

TEST_F(LinkTest, DownloadModeHandsEveryReportToTheReceiverAndNothingElseMoves) {
    Recorder recorder;
    link.setDownloadReceiver(&recorder);
    feedStream(0, 5);
    const int count = link.BackupByteCount;
    const std::string text = link.ReportText;
    link.DownloadActive = 1;
    QSignalSpy dispatched(&link, &Link::dispatched);
    Report r{};
    for (int i = 1; i <= 32; ++i) r[i] = static_cast<uint8_t>(i);
    feed({r, r, r});
    EXPECT_EQ(recorder.got.size(), 3u);
    EXPECT_EQ(recorder.got[0], std::vector<uint8_t>(r.begin(), r.end()));
    EXPECT_EQ(dispatched.count(), 0);
    EXPECT_EQ(link.BackupByteCount, count);
    EXPECT_EQ(link.ReportText, text);
    // A lost unit does not end the download: the zero buffer goes to the receiver too.
    now += 6000;
    tick();
    ASSERT_EQ(recorder.got.size(), 4u);
    EXPECT_EQ(recorder.got[3], std::vector<uint8_t>(65, 0));
    EXPECT_EQ(link.DownloadActive, 1);
}

TEST_F(LinkTest, ReportsOfAnyContentAreSafe) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::vector<Report> burst(1 + round % 7);
        for (auto& r : burst)
            for (auto& b : r) b = static_cast<uint8_t>(byte(random));
        feed(burst);
        ASSERT_EQ(link.ReportText.size(), 62u);
        ASSERT_GE(link.BackupByteCount, 0);
        ASSERT_LE(link.BackupByteCount, 1000);
        ASSERT_GE(link.BackupExpectedAddress, 0);
        ASSERT_LE(link.BackupExpectedAddress, 255);
        ASSERT_GE(link.StickPosition, 0);
        ASSERT_LE(link.StickPosition, 100);
        ASSERT_EQ(link.BackupImage[256], 0);
    }
}
