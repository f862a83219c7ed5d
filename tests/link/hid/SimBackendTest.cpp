// The simulated unit as the HID session meets it: reads that never block and follow the
// clock, and handles that fail while it is unplugged or after they are closed.
#include <gtest/gtest.h>

#include <array>

#include "link/hid/SimBackend.h"
#include "protocol/Frames.h"

using namespace norva;

namespace {

struct Fixture {
    explicit Fixture(bool downward = false)
        : now(std::make_shared<int64_t>(0)),
          backend(sim::SimOptions{.downward = downward}, [t = now] { return *t; }) {}

    std::shared_ptr<int64_t> now;
    SimBackend backend;
};

}  // namespace

TEST(SimBackend, UnpluggedOrClosedHandlesFail) {
    Fixture f;
    const HidHandle h = f.backend.open("sim:rising", HidOpenMode::Read);
    std::array<uint8_t, kReportLength> buffer{};
    f.backend.unit().setUnplugged(true);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Failed);
    EXPECT_FALSE(f.backend.write(h, buffer));
    EXPECT_FALSE(f.backend.identity(h).has_value());
    f.backend.unit().setUnplugged(false);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Report);
    f.backend.close(h);
    EXPECT_EQ(f.backend.read(h, buffer), HidReadResult::Failed);
    EXPECT_FALSE(f.backend.write(h, buffer));
}
