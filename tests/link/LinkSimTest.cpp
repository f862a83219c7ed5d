// The link against the simulated unit: the whole path from key press to the image byte.
#include <gtest/gtest.h>

#include "link/Link.h"
#include "link/hid/SimBackend.h"

using namespace norva;

namespace {
class LinkSim : public ::testing::Test {
  protected:
    int64_t now = 0;
    std::unique_ptr<SimBackend> backend;
    std::unique_ptr<Link> link;

    void make(bool falling, int rate = 1000) {
        sim::SimOptions options;
        options.falling = falling;
        options.rate = rate;
        backend = std::make_unique<SimBackend>(options, [this] { return now; });
        link = std::make_unique<Link>(*backend, [this] { return now; });
    }
    void run(int ms) {
        for (int t = 0; t < ms; t += Link::kPollMs) {
            now += Link::kPollMs;
            link->PollTick();
        }
    }
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
    EXPECT_EQ(link->AutostartVisible, true);
    EXPECT_EQ(link->FileMenuVisible, true);  // access level 7 at address 47
    EXPECT_EQ(link->BackupProgressText, "Data Backup= 100%");
}

TEST_F(LinkSim, FallingUnitIsToldApartByItsStream) {
    make(true);
    run(400);
    EXPECT_TRUE(link->BackupDescending);
    EXPECT_GE(link->BackupByteCount, 255);
    expectImageMatchesUnit();
    EXPECT_EQ(link->AutostartVisible, false);
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
    EXPECT_EQ(link->ConnectionCaption, "Disconnected");
    backend->unit().setUnplugged(false);
    run(30);
    EXPECT_TRUE(link->DeviceDetected);

    // A silent unit stays enumerated: lost after six seconds, found again at the next tick,
    // and every tick in between stays short.
    backend->unit().setSilent(true);
    const int64_t silentFrom = now;
    while (link->DeviceDetected && now - silentFrom < 10000) run(Link::kPollMs);
    EXPECT_GE(now - silentFrom, kReadTimeoutMs);
    EXPECT_LE(now - silentFrom, kReadTimeoutMs + 2 * Link::kPollMs);
    EXPECT_EQ(link->EngineSpeed, 0);  // the zero-filled dispatch
    run(Link::kPollMs);
    EXPECT_TRUE(link->DeviceDetected);
    backend->unit().setSilent(false);
    run(100);
    EXPECT_TRUE(link->DeviceDetected);
    EXPECT_EQ(link->ConnectionCaption, "Connected");
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
