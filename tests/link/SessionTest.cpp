#include <gtest/gtest.h>

#include <QSignalSpy>
#include <iostream>
#include <sstream>

#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

TEST_F(LinkTest, StateGoesFromNotConnectedToDisconnectedToConnected) {
    EXPECT_EQ(link.State, LinkState::NotConnected);
    tick();
    EXPECT_EQ(link.State, LinkState::Disconnected);
    EXPECT_FALSE(link.DeviceDetected);
    bus.add("unit");
    tick();
    EXPECT_TRUE(link.DeviceDetected);
    EXPECT_EQ(link.State, LinkState::Connected);
    EXPECT_EQ(link.ConnectionNumber, 1u);
}

TEST_F(LinkTest, AbsentUnitMeansOneFullEnumerationPerTick) {
    bus.add("keyboard").identity = {0x046D, 0xC31C};
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(bus.enumerations, 5);
    EXPECT_EQ(bus.opened.size(), 5u);
    EXPECT_EQ(bus.closed, bus.opened);  // every non-matching open closed again
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(LinkTest, PollIntervalIsTheDesignOneUntilTheFirstTick) {
    link.start();
    EXPECT_EQ(link.pollTimer().interval(), 200);
    EXPECT_TRUE(link.pollTimer().isActive());
    tick();
    EXPECT_EQ(link.pollTimer().interval(), 15);
}

TEST_F(LinkTest, NonMatchingDevicesAreOpenedExaminedAndClosed) {
    bus.add("other-product").identity = {kVendorId, 0x0001};
    bus.add("locked").openable = false;
    bus.add("unit");
    tick();
    ASSERT_TRUE(link.DeviceDetected);
    EXPECT_EQ(link.DevicePath, "unit");
    // other-product opened and closed; unit opened twice (writes, then reads).
    EXPECT_EQ(bus.opened, (std::vector<std::string>{"other-product", "unit", "unit"}));
    EXPECT_EQ(bus.closed, (std::vector<std::string>{"other-product"}));
    EXPECT_EQ(link.InputReportByteLength, 65);
    EXPECT_EQ(link.OutputReportByteLength, 65);
}

TEST_F(LinkTest, FirstOfTwoUnitsWins) {
    bus.add("first");
    bus.add("second");
    tick();
    EXPECT_EQ(link.DevicePath, "first");
    EXPECT_EQ(std::count(bus.opened.begin(), bus.opened.end(), "second"), 0);
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
    bus.add("unit");
    tick();
    EXPECT_EQ(link.DevicePath, "unit");
}

TEST_F(LinkTest, AUnitWhoseDescriptorCannotBeReadHasTheUnitsLengths) {
    bus.add("unit").lengths.reset();
    tick();
    EXPECT_TRUE(link.DeviceDetected);
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
    EXPECT_EQ(bus.openHandles(), 0);
    EXPECT_EQ(link.EngineSpeed, 0);
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
    EXPECT_EQ(link.InputReportByteLength, 65);
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
    std::vector<uint8_t> normal(kReportLength, 0);
    normal[31] = 1;
    EXPECT_EQ(bus.writes[0], normal);
    EXPECT_TRUE(link.Mode0Sent);
}

TEST_F(LinkTest, CloseDeviceHandlesClosesBoth) {
    feedStream(0, 1);
    EXPECT_EQ(bus.openHandles(), 2);
    link.CloseDeviceHandles();
    EXPECT_EQ(bus.openHandles(), 0);
    link.CloseDeviceHandles();  // twice is harmless
    EXPECT_EQ(bus.closed.size(), 2u);
}
