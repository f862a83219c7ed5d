// The simulated unit as the HID session meets it: one enumerated device with the unit's
// identity, reads that never block and follow the clock, writes that reach the unit.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "link/hid/SimBackend.h"
#include "protocol/Frames.h"

using namespace norva;

namespace {

struct Fixture {
    explicit Fixture(bool falling = false)
        : now(std::make_shared<int64_t>(0)),
          backend(sim::SimOptions{.falling = falling}, [t = now] { return *t; }) {}

    std::shared_ptr<int64_t> now;
    SimBackend backend;
};

std::array<uint8_t, kReportLength> WriteFrame(uint8_t a, uint8_t v) {
    std::array<uint8_t, kReportLength> r{};
    const SlotBytes s = CommandSlot(a, v);
    std::copy(s.begin(), s.end(), r.begin() + 1);
    return r;
}

}  // namespace

TEST(SimBackend, EnumeratesOneDeviceNamedByItsKind) {
    Fixture rising;
    EXPECT_EQ(rising.backend.enumerate(), std::vector<std::string>{"sim:rising"});
    Fixture falling(true);
    EXPECT_EQ(falling.backend.enumerate(), std::vector<std::string>{"sim:falling"});
    falling.backend.unit().setUnplugged(true);
    EXPECT_TRUE(falling.backend.enumerate().empty());
}

TEST(SimBackend, OpenGivesFreshHandlesWithTheUnitsIdentity) {
    Fixture f;
    const HidHandle w = f.backend.open("sim:rising", HidOpenMode::Write);
    const HidHandle r = f.backend.open("sim:rising", HidOpenMode::Read);
    ASSERT_GE(w, 0);
    ASSERT_GE(r, 0);
    EXPECT_NE(w, r);
    const auto id = f.backend.identity(r);
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(id->vendorId, 0x04D8);
    EXPECT_EQ(id->productId, 0xFB59);
    const auto lengths = f.backend.reportLengths(w);
    ASSERT_TRUE(lengths.has_value());
    EXPECT_EQ(lengths->input, 65);
    EXPECT_EQ(lengths->output, 65);

    EXPECT_EQ(f.backend.open("sim:falling", HidOpenMode::Read), kInvalidHandle);
    EXPECT_EQ(f.backend.open("/dev/hidraw0", HidOpenMode::Read), kInvalidHandle);
    EXPECT_FALSE(f.backend.identity(12345).has_value());
    f.backend.unit().setUnplugged(true);
    EXPECT_EQ(f.backend.open("sim:rising", HidOpenMode::Read), kInvalidHandle);
}

TEST(SimBackend, ReadsFollowTheClockAndNeverBlock) {
    Fixture f;
    const HidHandle h = f.backend.open("sim:rising", HidOpenMode::Read);
    std::array<uint8_t, kReportLength> buffer{};
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Report);  // due at time zero
    EXPECT_EQ(buffer[36], 0);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::None);
    *f.now += 19;
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::None);
    *f.now += 1;
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Report);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[36], 1);  // the stream goes on
    *f.now += 1000;
    int count = 0;
    while (f.backend.read(h, buffer) == HidReadResult::Report) ++count;
    EXPECT_EQ(count, 50);
}

TEST(SimBackend, WritesReachTheUnit) {
    Fixture f;
    const HidHandle h = f.backend.open("sim:rising", HidOpenMode::Write);
    EXPECT_TRUE(f.backend.write(h, WriteFrame(120, 77)));
    EXPECT_EQ(f.backend.unit().memory()[120], 77);
    EXPECT_FALSE(f.backend.write(h + 100, WriteFrame(120, 78)));
    EXPECT_EQ(f.backend.unit().memory()[120], 77);
}

TEST(SimBackend, UnpluggedOrClosedHandlesFail) {
    Fixture f;
    const HidHandle h = f.backend.open("sim:rising", HidOpenMode::Read);
    std::array<uint8_t, kReportLength> buffer{};
    f.backend.unit().setUnplugged(true);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Failed);
    EXPECT_FALSE(f.backend.write(h, WriteFrame(120, 1)));
    EXPECT_FALSE(f.backend.identity(h).has_value());
    f.backend.unit().setUnplugged(false);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Report);
    f.backend.close(h);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Failed);
    EXPECT_FALSE(f.backend.write(h, WriteFrame(120, 1)));
}

TEST(SimBackend, SilentUnitStaysEnumeratedButSendsNothing) {
    Fixture f;
    f.backend.unit().setSilent(true);
    EXPECT_EQ(f.backend.enumerate().size(), 1u);
    const HidHandle h = f.backend.open("sim:rising", HidOpenMode::Read);
    ASSERT_GE(h, 0);
    std::array<uint8_t, kReportLength> buffer{};
    *f.now += 7000;
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::None);
}

TEST(SimBackend, DefaultClockIsTheSteadyClock) {
    SimBackend backend;
    const HidHandle h = backend.open("sim:rising", HidOpenMode::Read);
    std::array<uint8_t, kReportLength> buffer{};
    EXPECT_EQ(backend.read(h, buffer), HidReadResult::Report);
}
