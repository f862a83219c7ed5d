// norva-sim's server: the program's side (TcpBackend) against the whole simulated unit behind
// it, as another process meets it. (Finding the unit, reading its reports and commanding it:
// UnitCommandTest.OverTcpFromStrictUnitsWhoseReportsQueue, against norva-sim itself.)
#include <gtest/gtest.h>

#include <thread>

#include "link/hid/TcpBackend.h"
#include "sim/ServedSimUnit.h"
#include "sim/SimUnit.h"
#include "support/LoopbackPeer.h"

namespace norva {
namespace {

using namespace norva::testing;

// A simulated unit served on a free port from its own thread, and the program's side.
struct Served {
    explicit Served(sim::SimOptions options) : unit(options) {
        if (listening) thread = std::thread([this] { server.run(); });
    }
    ~Served() {
        server.stop();
        if (thread.joinable()) thread.join();
    }
    sim::SimUnit unit;
    sim::ServedSimUnit served{unit};
    sim::SimServer server{served, "127.0.0.1", 0};
    const bool listening = server.listen();
    std::thread thread;
    TcpBackend backend{"127.0.0.1", server.port()};
};

TEST(SimServer, AnUnpluggedUnitDropsItsClientAndIsListedNoMore) {
    sim::SimOptions options;
    options.rate = 1000;
    options.unplugAfter = 20;
    Served s(options);
    ASSERT_TRUE(s.listening);
    std::vector<std::string> paths;  // a few attempts: a loaded machine may miss a short wait
    for (int tries = 0; tries < 10 && paths.empty(); ++tries) paths = s.backend.enumerate();
    ASSERT_EQ(paths.size(), 1u);
    const HidHandle reader = s.backend.open(paths[0], HidOpenMode::Read);
    std::vector<uint8_t> buffer(kReportLength);
    HidReadResult r = HidReadResult::None;
    for (int ms = 0; ms < kPeerWaitMs && r != HidReadResult::Failed; ++ms)
        if ((r = s.backend.read(reader, buffer)) == HidReadResult::None) Pause(1);
    EXPECT_EQ(r, HidReadResult::Failed);
    s.backend.close(reader);
    EXPECT_TRUE(s.backend.enumerate().empty());
}

TEST(SimServer, ASecondServerCannotTakeABusyPort) {
    sim::SimUnit unit;
    sim::ServedSimUnit served(unit);
    sim::SimServer first(served, "127.0.0.1", 0);
    ASSERT_TRUE(first.listen());
    sim::SimServer second(served, "127.0.0.1", first.port());
    EXPECT_FALSE(second.listen());
    second.run();  // returns at once: nothing to serve
}

}  // namespace
}  // namespace norva
