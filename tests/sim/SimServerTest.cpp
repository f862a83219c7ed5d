// norva-sim's server: the program's side (TcpBackend) against the whole simulated unit behind
// it, as another process meets it.
#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "link/hid/TcpBackend.h"
#include "sim/ServedSimUnit.h"
#include "sim/SimUnit.h"
#include "support/LoopbackPeer.h"

namespace norva {
namespace {

using namespace norva::testing;

// The server on its own thread for the length of a test; stopped and joined at the end.
class ServerThread {
  public:
    explicit ServerThread(sim::SimServer& server) : server_(server) {
        listening_ = server_.listen();
        if (listening_) thread_ = std::thread([this] { server_.run(); });
    }
    ~ServerThread() {
        server_.stop();
        if (thread_.joinable()) thread_.join();
    }
    bool listening() const { return listening_; }

  private:
    sim::SimServer& server_;
    bool listening_ = false;
    std::thread thread_;
};

// A simulated unit served on a free port, and the program's side that looks for it.
struct Served {
    explicit Served(sim::SimOptions options) : unit(options) {}
    sim::SimUnit unit;
    sim::ServedSimUnit served{unit};
    sim::SimServer server{served, "127.0.0.1", 0};
    std::optional<ServerThread> running{std::in_place, server};
    TcpBackend backend{"127.0.0.1", server.port()};

    // The unit's path; a few attempts: a loaded machine may miss one short hello wait.
    std::vector<std::string> find() {
        std::vector<std::string> paths;
        for (int tries = 0; tries < 10 && paths.empty(); ++tries) paths = backend.enumerate();
        return paths;
    }
};

TEST(SimServer, ProgramSideMeetsTheSimulatedUnit) {
    sim::SimOptions options;
    options.rate = 200;
    Served s(options);
    {
        ASSERT_TRUE(s.running->listening());
        TcpBackend& backend = s.backend;
        const std::vector<std::string> paths = s.find();
        ASSERT_EQ(paths.size(), 1u);
        HidHandle writer = backend.open(paths[0], HidOpenMode::Write);
        HidHandle reader = backend.open(paths[0], HidOpenMode::Read);
        ASSERT_EQ(backend.identity(writer)->vendorId, kVendorId);
        ASSERT_EQ(backend.identity(writer)->productId, kProductId);
        ASSERT_EQ(backend.reportLengths(reader)->input, kReportLength);
        ASSERT_EQ(backend.reportLengths(reader)->output, kReportLength);

        std::vector<uint8_t> buffer(kReportLength, 0xEE);
        for (int i = 0; i < 3; ++i) {
            HidReadResult r = HidReadResult::None;
            for (int tries = 0; tries < kPeerWaitMs && r == HidReadResult::None; ++tries) {
                r = backend.read(reader, buffer);
                if (r == HidReadResult::None) Pause(1);
            }
            ASSERT_EQ(r, HidReadResult::Report);
            EXPECT_EQ(buffer[0], 0);  // report ID
        }

        std::vector<uint8_t> command(kReportLength, 0);
        command[1 + kModeByte] = kModeOperating;  // after the report-ID byte
        command[1 + kModeValue] = kOperatingDownload;
        ASSERT_TRUE(backend.write(writer, command));
        backend.close(writer);
        backend.close(reader);
        // The server takes a new client only after reading the old one to its end, so being
        // let in again means the command has reached the unit.
        bool again = false;
        for (int tries = 0; tries < 20 && !again; ++tries) again = backend.enumerate().size() == 1;
        ASSERT_TRUE(again);
        s.running.reset();  // the server stopped: the unit is read from this thread only
    }
    EXPECT_TRUE(s.unit.downloadMode());
}

TEST(SimServer, AnUnpluggedUnitDropsItsClientAndIsListedNoMore) {
    sim::SimOptions options;
    options.rate = 1000;
    options.unplugAfter = 20;
    Served s(options);
    ASSERT_TRUE(s.running->listening());
    TcpBackend& backend = s.backend;
    const std::vector<std::string> paths = s.find();
    ASSERT_EQ(paths.size(), 1u);
    const HidHandle reader = backend.open(paths[0], HidOpenMode::Read);
    std::vector<uint8_t> buffer(kReportLength);
    HidReadResult r = HidReadResult::None;
    for (int ms = 0; ms < kPeerWaitMs && r != HidReadResult::Failed; ++ms) {
        r = backend.read(reader, buffer);
        if (r == HidReadResult::None) Pause(1);
    }
    EXPECT_EQ(r, HidReadResult::Failed);
    backend.close(reader);
    EXPECT_TRUE(backend.enumerate().empty());
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
