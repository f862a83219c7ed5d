// The link against the simulated unit: the whole path from key press to the image byte.
#include <gtest/gtest.h>

#include "support/SimRig.h"

using namespace norva;
using norva::testing::SimRig;

namespace {
class LinkSim : public ::testing::Test {
  protected:
    std::unique_ptr<SimRig> rig;
    SimBackend* backend = nullptr;
    Link* link = nullptr;

    void make(bool falling, int rate = 1000) {
        rig = std::make_unique<SimRig>(falling, rate);
        backend = &rig->backend;
        link = &rig->link;
    }
    void run(int ms) { rig->run(ms); }
    void expectImageMatchesUnit() {
        const auto& memory = backend->unit().memory();
        for (int a = 0; a < 256; ++a) ASSERT_EQ(link->BackupImage[a], memory[a]) << a;
    }
};
}  // namespace

TEST_F(LinkSim, RisingUnitImageIsAssembledExactly) {
    make(false);
    run(400);
    EXPECT_TRUE(link->DeviceDetected);
    EXPECT_GE(link->BackupByteCount, 255);
    EXPECT_FALSE(link->BackupDescending);
    expectImageMatchesUnit();
    EXPECT_EQ(link->GaugeFullSpeed, backend->unit().memory()[51]);
    EXPECT_EQ(link->BackupImage[47], 7);  // full access: the file menu items show
}

TEST_F(LinkSim, FallingUnitIsToldApartByItsStream) {
    make(true);
    run(400);
    EXPECT_TRUE(link->BackupDescending);
    EXPECT_GE(link->BackupByteCount, 255);
    expectImageMatchesUnit();
}

TEST_F(LinkSim, DataKeyChangesASettingThatTheStreamBringsBack) {
    make(false);
    run(400);
    const auto before = backend->unit().memory();
    // Step into the settings menu until a Data key changes something.
    int changed = -1;
    for (int presses = 0; presses < 12 && changed < 0; ++presses) {
        link->PressKey(TerminalKey::MenuDown);
        run(60);
        link->PressKey(TerminalKey::DataUp);
        run(60);
        const auto& after = backend->unit().memory();
        for (int a = 0; a < 256; ++a)
            if (after[a] != before[a] && a != 64 && !(a >= 3 && a <= 6) && a < 65) changed = a;
    }
    ASSERT_GE(changed, 0) << "no Data key changed a setting";
    run(400);
    EXPECT_EQ(link->BackupImage[changed], backend->unit().memory()[changed]);
    EXPECT_NE(link->BackupImage[changed], before[changed]);
}

TEST_F(LinkSim, UnplugAndSilenceAreLostUnitsFoundAgain) {
    make(false, 200);
    run(300);
    ASSERT_TRUE(link->DeviceDetected);
    backend->unit().setUnplugged(true);
    run(30);
    EXPECT_FALSE(link->DeviceDetected);
    EXPECT_EQ(link->State, LinkState::Disconnected);
    backend->unit().setUnplugged(false);
    run(30);
    EXPECT_TRUE(link->DeviceDetected);

    // A silent unit stays enumerated: lost after six seconds, found again at the next tick,
    // and every tick in between stays short.
    backend->unit().setSilent(true);
    const int64_t silentFrom = rig->now;
    while (link->DeviceDetected && rig->now - silentFrom < 10000) run(Link::kPollMs);
    EXPECT_GE(rig->now - silentFrom, kReadTimeoutMs);
    EXPECT_LE(rig->now - silentFrom, kReadTimeoutMs + 2 * Link::kPollMs);
    EXPECT_EQ(link->EngineSpeed, 0);  // the zero-filled dispatch
    run(Link::kPollMs);
    EXPECT_TRUE(link->DeviceDetected);
    backend->unit().setSilent(false);
    run(100);
    EXPECT_TRUE(link->DeviceDetected);
    EXPECT_EQ(link->State, LinkState::Connected);
}

TEST_F(LinkSim, NonsenseReportsNeverBreakTheLink) {
    make(false);
    backend->unit().setGarbage(true);
    run(2000);
    EXPECT_TRUE(link->DeviceDetected);
    EXPECT_LE(link->BackupByteCount, 1000);
    backend->unit().setGarbage(false);
    run(600);
    EXPECT_GE(link->BackupByteCount, 255);
    expectImageMatchesUnit();
}
