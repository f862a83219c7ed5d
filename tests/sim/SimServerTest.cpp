// The unit server against a scripted unit, reached through TcpBackend and raw sockets.
#include "sim/SimServer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>

#include "link/hid/TcpBackend.h"
#include "support/LoopbackPeer.h"
#include "support/ServedUnitFake.h"

namespace norva {
namespace {

using namespace norva::testing;

// Polls until the condition holds or a generous limit passes.
template <class Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < kPeerWaitMs; ++i) {
        if (condition()) return true;
        Pause(1);
    }
    return condition();
}

HidReadResult ReadWithin(TcpBackend& backend, HidHandle h, std::span<uint8_t> buffer) {
    HidReadResult r = HidReadResult::None;
    Eventually([&] { return (r = backend.read(h, buffer)) != HidReadResult::None; });
    return r;
}

struct Opened {
    HidHandle writer = kInvalidHandle;
    HidHandle reader = kInvalidHandle;
};

// A few attempts: on a loaded machine the server thread may miss one short hello wait.
Opened Open(TcpBackend& backend) {
    std::vector<std::string> paths;
    for (int attempt = 0; attempt < 10 && paths.empty(); ++attempt) paths = backend.enumerate();
    if (paths.size() != 1) return {};
    return {backend.open(paths[0], HidOpenMode::Write), backend.open(paths[0], HidOpenMode::Read)};
}

TEST(SimServerSession, UnitAnnouncesItselfStreamsReportsAndTakesCommands) {
    ServedUnitFake unit;
    sim::SimServer server(unit, "127.0.0.1", 0);
    ServerThread running(server);
    ASSERT_TRUE(running.listening());
    ASSERT_NE(server.port(), 0);

    TcpBackend backend("127.0.0.1", server.port());
    Opened h = Open(backend);
    ASSERT_NE(h.reader, kInvalidHandle);
    EXPECT_EQ(backend.identity(h.writer)->vendorId, kVendorId);
    EXPECT_EQ(backend.identity(h.writer)->productId, kProductId);
    EXPECT_EQ(backend.reportLengths(h.reader)->input, kReportLength);
    EXPECT_EQ(backend.reportLengths(h.reader)->output, kReportLength);

    // Whole reports in the unit's own order, none skipped.
    std::vector<uint8_t> buffer(kReportLength);
    ASSERT_EQ(ReadWithin(backend, h.reader, buffer), HidReadResult::Report);
    const uint32_t first = buffer[1] | (buffer[2] << 8);
    EXPECT_EQ(buffer, FakeReport(first));
    for (uint32_t n = first + 1; n < first + 5; ++n) {
        ASSERT_EQ(ReadWithin(backend, h.reader, buffer), HidReadResult::Report);
        EXPECT_EQ(buffer, FakeReport(n));
    }

    const auto command = NumberedReport(40);
    ASSERT_TRUE(backend.write(h.writer, command));
    ASSERT_TRUE(Eventually([&] { return unit.received().size() == 1; }));
    EXPECT_EQ(unit.received()[0], command);
    backend.close(h.writer);
    backend.close(h.reader);

    // The next client is served once the first has gone.
    TcpBackend again("127.0.0.1", server.port());
    Opened h2 = Open(again);
    ASSERT_NE(h2.reader, kInvalidHandle);
    EXPECT_EQ(ReadWithin(again, h2.reader, buffer), HidReadResult::Report);
}

TEST(SimServerSession, OutputReportsAreCutFromTheStreamWhole) {
    ServedUnitFake unit;
    sim::SimServer server(unit, "127.0.0.1", 0);
    ServerThread running(server);
    ASSERT_TRUE(running.listening());

    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(server.port());
    ASSERT_EQ(::connect(fd.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    EXPECT_EQ(ReceiveBytes(fd.get(), kHelloSize), UnitHello());

    const auto a = NumberedReport(1), b = NumberedReport(2);
    SendBytes(fd.get(), {a.begin(), a.begin() + 30});
    Pause(20);
    std::vector<uint8_t> rest(a.begin() + 30, a.end());
    rest.insert(rest.end(), b.begin(), b.end());
    rest.insert(rest.end(), b.begin(), b.begin() + 10);  // the start of a third, never finished
    SendBytes(fd.get(), rest);
    ASSERT_TRUE(Eventually([&] { return unit.received().size() >= 2; }));
    fd.reset();
    Pause(20);
    ASSERT_EQ(unit.received().size(), 2u);
    EXPECT_EQ(unit.received()[0], a);
    EXPECT_EQ(unit.received()[1], b);
}

TEST(SimServerFaults, SilentUnitSendsNothingButStaysListed) {
    ServedUnitFake unit;
    unit.setSilent(true);
    sim::SimServer server(unit, "127.0.0.1", 0);
    ServerThread running(server);
    ASSERT_TRUE(running.listening());
    TcpBackend backend("127.0.0.1", server.port());
    Opened h = Open(backend);
    ASSERT_NE(h.reader, kInvalidHandle);

    // Reports the unit made while silent were handled by the server and never sent.
    const int64_t before = unit.taken();
    ASSERT_TRUE(Eventually([&] { return unit.taken() > before + 10; }));
    std::vector<uint8_t> buffer(kReportLength);
    EXPECT_EQ(backend.read(h.reader, buffer), HidReadResult::None);

    unit.setSilent(false);
    EXPECT_EQ(ReadWithin(backend, h.reader, buffer), HidReadResult::Report);
}

TEST(SimServerFaults, UnpluggedUnitDropsTheClientAndTurnsCallersAway) {
    ServedUnitFake unit;
    sim::SimServer server(unit, "127.0.0.1", 0);
    ServerThread running(server);
    ASSERT_TRUE(running.listening());
    TcpBackend backend("127.0.0.1", server.port());
    Opened h = Open(backend);
    ASSERT_NE(h.reader, kInvalidHandle);

    unit.setUnplugged(true);
    std::vector<uint8_t> buffer(kReportLength);
    HidReadResult r = HidReadResult::None;
    ASSERT_TRUE(
        Eventually([&] { return (r = backend.read(h.reader, buffer)) == HidReadResult::Failed; }));
    backend.close(h.writer);
    backend.close(h.reader);
    EXPECT_TRUE(backend.enumerate().empty());

    unit.setUnplugged(false);
    ASSERT_TRUE(Eventually([&] { return backend.enumerate().size() == 1; }));
    // Plugged again: a new connection, and the handles of the lost one stay dead.
    Opened fresh = Open(backend);
    ASSERT_NE(fresh.reader, kInvalidHandle);
    EXPECT_EQ(ReadWithin(backend, fresh.reader, buffer), HidReadResult::Report);
    EXPECT_EQ(backend.read(h.reader, buffer), HidReadResult::Failed);
    EXPECT_FALSE(backend.write(h.writer, NumberedReport(1)));
}

TEST(SimServerSetup, SecondServerCannotTakeABusyPort) {
    ServedUnitFake unit;
    sim::SimServer first(unit, "127.0.0.1", 0);
    ASSERT_TRUE(first.listen());
    sim::SimServer second(unit, "127.0.0.1", first.port());
    EXPECT_FALSE(second.listen());
    second.run();  // returns at once: nothing to serve
}

}  // namespace
}  // namespace norva
