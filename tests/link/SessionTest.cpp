#include <gtest/gtest.h>

#include <QSignalSpy>
#include <sstream>

#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

TEST_F(LinkTest, NonMatchingDevicesAreOpenedExaminedAndClosedAndTheFirstUnitWins) {
    bus.add("other-product").identity = {kVendorId, 0x0001};
    bus.add("locked").openable = false;
    bus.add("unit");
    bus.add("second");
    tick();
    ASSERT_TRUE(link.DeviceDetected);
    EXPECT_EQ(link.DevicePath, "unit");
    // other-product opened and closed; unit opened twice (writes, then reads); second never.
    EXPECT_EQ(bus.opened, (std::vector<std::string>{"other-product", "unit", "unit"}));
    EXPECT_EQ(bus.closed, (std::vector<std::string>{"other-product"}));
    EXPECT_EQ(link.InputReportByteLength, 65);
    EXPECT_EQ(link.OutputReportByteLength, 65);
}

TEST_F(LinkTest, UnitWithOtherReportLengthsIsNotUsedAndSaidOnce) {
    bus.add("short").lengths = HidReportLengths{9, 9};
    std::ostringstream said;
    std::streambuf* was = std::cerr.rdbuf(said.rdbuf());
    tick();
    tick();
    std::cerr.rdbuf(was);
    EXPECT_EQ(said.str(),
              "norva: skipped a unit with vendor 04d8 and product fb59 at short: its reports "
              "are 9 and 9 bytes long, not 65.\n");
    EXPECT_FALSE(link.DeviceDetected);
    EXPECT_EQ(bus.openHandles(), 0);
    // A unit whose descriptor cannot be read has the unit's lengths.
    bus.add("unit").lengths.reset();
    tick();
    EXPECT_EQ(link.DevicePath, "unit");
    EXPECT_EQ(link.InputReportByteLength, 65);
    EXPECT_EQ(link.OutputReportByteLength, 65);
}

TEST_F(LinkTest, SilenceOf6000MsIsALostUnitWithoutEverBlocking) {
    feedStream(0, 3);
    ASSERT_TRUE(link.DeviceDetected);
    Writable(link.ReportText).assign(62, 'x');
    Writable(link.EngineSpeed) = 99;
    now += 5999;
    tick();
    EXPECT_TRUE(link.DeviceDetected);  // not yet
    EXPECT_EQ(link.EngineSpeed, 99);   // nothing dispatched on an empty tick
    now += 1;
    tick();
    EXPECT_FALSE(link.DeviceDetected);
    EXPECT_EQ(bus.cancels, 1);
    EXPECT_EQ(bus.openHandles(), 0);  // both handles closed
    EXPECT_EQ(link.HIDHandle, kInvalidHandle);
    EXPECT_EQ(link.ReadHandle, kInvalidHandle);
    link.CloseDeviceHandles();  // again: harmless
    EXPECT_EQ(bus.closed.size(), 2u);
    // The zero-filled buffer was dispatched: blank lines, live values 0.
    EXPECT_EQ(link.ReportText, std::string(62, '\0'));
    EXPECT_EQ(link.EngineSpeed, 0);
    EXPECT_EQ(link.State, LinkState::Disconnected);
    tick();  // looks for the unit again and finds it
    EXPECT_TRUE(link.DeviceDetected);
    EXPECT_EQ(link.State, LinkState::Connected);
}

TEST_F(LinkTest, ReadFailureIsDisconnectedAtOnceAndFoundAgainWhenBack) {
    feedStream(0, 300);
    ASSERT_GE(link.BackupByteCount, 255);
    const auto image = link.BackupImage.get();
    const int count = link.BackupByteCount;
    const size_t writesBefore = bus.writes.size();
    QSignalSpy states(&link, &Link::stateChanged);

    bus.find("unit")->failReads = true;
    tick();
    EXPECT_FALSE(link.DeviceDetected);
    EXPECT_EQ(link.State, LinkState::Disconnected);
    // The zero-filled dispatch stored address 0 and broke the sequence (1 was expected).
    EXPECT_EQ(link.BackupImage[0], 0);
    EXPECT_EQ(link.BackupByteCount, 0);

    bus.unplug("unit");
    tick();
    EXPECT_FALSE(link.DeviceDetected);
    auto& back = bus.add("unit");
    for (int a = 1; a < 10; ++a) back.reports.push_back(StreamReport(a, image[a]));
    tick();
    EXPECT_TRUE(link.DeviceDetected);
    // The image survived; the stream continues and Mode0 is not sent again.
    for (int a = 10; a < 256; ++a) EXPECT_EQ(link.BackupImage[a], image[a]) << a;
    EXPECT_GT(link.BackupByteCount, 0);
    EXPECT_LT(link.BackupByteCount, count);
    EXPECT_EQ(bus.writes.size(), writesBefore);
    ASSERT_GE(states.count(), 2);
    EXPECT_EQ(states.last().at(0).value<LinkState>(), LinkState::Connected);
}

TEST_F(LinkTest, Mode0IsSentOnceAfterTheFirstReport) {
    feedStream(0, 5);
    feedStream(5, 5);
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(bus.writes[0][31], 1);  // the normal mode
    EXPECT_TRUE(link.Mode0Sent);
}
