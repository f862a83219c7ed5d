#include <gtest/gtest.h>

#include "protocol/Frames.h"
#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

TEST(Frames, ChecksumWrapsOnce) {
    EXPECT_EQ(Checksum(113, 200), 57);
    EXPECT_EQ(Checksum(255, 255), 254);
    EXPECT_EQ(Checksum(112, 65), 177);
    EXPECT_EQ(Checksum(113, 47), 160);
    EXPECT_EQ(Checksum(0, 0), 0);
    EXPECT_EQ(Checksum(200, 56), 0);
    EXPECT_EQ(CalibrationChecksum(241, 22), 8);
    EXPECT_EQ(CalibrationChecksum(242, 217), 204);
}

class FrameTest : public LinkTest {
  protected:
    void SetUp() override {
        bus.add("unit");
        tick();  // finds and opens the unit
        ASSERT_TRUE(link.DeviceDetected);
        bus.writes.clear();
    }
    std::vector<uint8_t> lastWrite() const { return bus.writes.back(); }
};

namespace {
// A report of zeros but for the given bytes.
std::vector<uint8_t> ZerosBut(std::initializer_list<std::pair<int, uint8_t>> bytes) {
    std::vector<uint8_t> r(kReportLength, 0);
    for (const auto& [at, value] : bytes) r[at] = value;
    return r;
}
}  // namespace

TEST_F(FrameTest, TerminalKeysCarryTheirCodeAndModePair) {
    struct Row {
        TerminalKey key;
        uint8_t code, sum, byte30;
    };
    const Row table[] = {{TerminalKey::MenuUp, 67, 179, 1},
                         {TerminalKey::MenuDown, 68, 180, 1},
                         {TerminalKey::DataUp, 65, 177, 0},
                         {TerminalKey::DataDown, 66, 178, 0}};
    for (const Row& row : table) {
        Writable(link.OutputReportData).fill(0x77);  // keys clear whatever was there
        link.PressKey(row.key);
        EXPECT_EQ(
            lastWrite(),
            ZerosBut({{1, 222}, {2, 223}, {3, 112}, {4, row.code}, {5, row.sum}, {31, row.byte30}}))
            << int(row.code);
    }
    EXPECT_EQ(bus.writes.size(), 4u);
}

TEST_F(FrameTest, ModeFramesAndUsbPower) {
    link.Mode0();
    EXPECT_EQ(lastWrite(), ZerosBut({{31, 1}}));
    link.SetUsbPower(true);  // on and off: MainWindowTest
    EXPECT_EQ(lastWrite(), ZerosBut({{31, 2}, {32, 1}}));
}

TEST_F(FrameTest, SlotFiveAloneLeavesTheOthersZero) {
    Writable(link.OutputReportData).fill(9);
    EXPECT_TRUE(link.send({CommandSlot(79, 1)}, kDownloadMode, 5));
    const auto w = lastWrite();
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(w[i], 0) << i;
    EXPECT_EQ(std::vector<uint8_t>(w.begin() + 26, w.begin() + 33),
              (std::vector<uint8_t>{222, 223, 79, 1, 80, 1, 1}));
}

TEST_F(FrameTest, PendingCommandGoesOutAsSlotZeroOfACleanReport) {
    Writable(link.OutputReportData).fill(9);
    Writable(link.PendingCommand) =
        std::string{char(222), char(223), char(113), char(47), char(160)};
    link.Transmet();
    const auto expected = ZerosBut({{1, 222}, {2, 223}, {3, 113}, {4, 47}, {5, 160}});
    EXPECT_EQ(lastWrite(), expected);
    // The same prepared from a slot.
    Writable(link.OutputReportData).fill(9);
    EXPECT_TRUE(link.Transmet(CommandSlot(113, 47)));
    EXPECT_EQ(lastWrite(), expected);
    EXPECT_EQ(link.PendingCommand, std::string(expected.begin() + 1, expected.begin() + 6));
}

TEST_F(FrameTest, SendKeepingLeavesTheModePairOfTheLastReport) {
    link.send({}, kNormalMode);
    link.sendKeeping(std::vector<SlotBytes>{CommandSlot(144, 43), CommandSlot(145, 1)});
    const auto w = lastWrite();
    EXPECT_EQ(std::vector<uint8_t>(w.begin() + 1, w.begin() + 11),
              (std::vector<uint8_t>{222, 223, 144, 43, 187, 222, 223, 145, 1, 146}));
    EXPECT_EQ(w[31], 1);
    EXPECT_EQ(w[32], 0);
}

TEST(FramesNoUnit, KeyPressWithoutUnitSendsNothing) {
    FakeBackend bus;
    Link link(bus);
    link.PressKey(TerminalKey::DataUp);
    link.Mode0();
    EXPECT_FALSE(link.send({CommandSlot(50, 1)}));
    EXPECT_TRUE(bus.writes.empty());
}
