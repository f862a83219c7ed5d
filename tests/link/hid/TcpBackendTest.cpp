// The remote unit over TCP, against scripted peers on 127.0.0.1.
#include "link/hid/TcpBackend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "support/LoopbackPeer.h"

namespace norva {
namespace {

using namespace norva::testing;

std::string PathOf(uint16_t port) {
    return "tcp:127.0.0.1:" + std::to_string(port);
}

// Polls the never-blocking read until something other than None, or a generous limit.
HidReadResult ReadWithin(TcpBackend& backend, HidHandle h, std::span<uint8_t> buffer) {
    for (int i = 0; i < kPeerWaitMs; ++i) {
        HidReadResult r = backend.read(h, buffer);
        if (r != HidReadResult::None) return r;
        Pause(1);
    }
    return HidReadResult::None;
}

TEST(TcpBackendDiscovery, GoodHelloListsTheUnitWithItsIdentityAndLengths) {
    LoopbackPeer peer([](QTcpSocket& unit) {
        SendBytes(unit, UnitHello());
        SeesEof(unit);
    });
    TcpBackend backend("127.0.0.1", peer.port());
    ASSERT_EQ(backend.enumerate(), std::vector<std::string>{PathOf(peer.port())});

    HidHandle writer = backend.open(PathOf(peer.port()), HidOpenMode::Write);
    HidHandle reader = backend.open(PathOf(peer.port()), HidOpenMode::Read);
    EXPECT_NE(writer, reader);
    auto id = backend.identity(writer);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->vendorId, kVendorId);
    EXPECT_EQ(id->productId, kProductId);
    auto lengths = backend.reportLengths(reader);
    ASSERT_TRUE(lengths);
    EXPECT_EQ(lengths->input, kReportLength);
    EXPECT_EQ(lengths->output, kReportLength);

    // The peer takes one client only: a unit in use is listed again on the same connection.
    EXPECT_EQ(backend.enumerate().size(), 1u);
    EXPECT_EQ(backend.open("tcp:127.0.0.1:1", HidOpenMode::Read), kInvalidHandle);
    backend.close(writer);
    backend.close(reader);
}

TEST(TcpBackendDiscovery, BadOrMissingHellosAreNotFound) {
    using Case = std::pair<const char*, LoopbackPeer::Script>;
    std::vector<uint8_t> wrongMagic = UnitHello();
    wrongMagic[0] = 'X';
    std::vector<uint8_t> shortHello = UnitHello();
    shortHello.resize(7);
    const Case cases[] = {
        {"wrong magic", [&](QTcpSocket& unit) { SendBytes(unit, wrongMagic); }},
        {"short hello, then close", [&](QTcpSocket& unit) { SendBytes(unit, shortHello); }},
        {"short hello, then silence",
         [&](QTcpSocket& unit) {
             SendBytes(unit, shortHello);
             SeesEof(unit);
         }},
        {"closed before the hello", [](QTcpSocket&) {}},
        {"zero report length",
         [](QTcpSocket& unit) { SendBytes(unit, UnitHello(kVendorId, kProductId, 0, 65)); }},
    };
    for (const auto& [name, script] : cases) {
        SCOPED_TRACE(name);
        LoopbackPeer peer(script);
        TcpBackend backend("127.0.0.1", peer.port());
        EXPECT_TRUE(backend.enumerate().empty());
    }
    SCOPED_TRACE("refused");
    TcpBackend refused("127.0.0.1", RefusingPort());
    EXPECT_TRUE(refused.enumerate().empty());
    EXPECT_EQ(refused.open(refused.path(), HidOpenMode::Read), kInvalidHandle);
}

TEST(TcpBackendReports, InputReportsArriveWholeAndByteExact) {
    const auto a = NumberedReport(10), b = NumberedReport(100), c = NumberedReport(200);
    const auto first = NumberedReport(1);
    LoopbackPeer peer([&](QTcpSocket& unit) {
        // The hello and the first report in one segment, then one report in three pieces,
        // then two reports in one segment.
        auto opening = UnitHello();
        opening.insert(opening.end(), first.begin(), first.end());
        SendBytes(unit, opening);
        Pause(20);
        SendBytes(unit, {a.begin(), a.begin() + 1});
        Pause(20);
        SendBytes(unit, {a.begin() + 1, a.begin() + 40});
        Pause(20);
        SendBytes(unit, {a.begin() + 40, a.end()});
        auto both = b;
        both.insert(both.end(), c.begin(), c.end());
        SendBytes(unit, both);
        SeesEof(unit);
    });
    TcpBackend backend("127.0.0.1", peer.port());
    ASSERT_EQ(backend.enumerate().size(), 1u);
    HidHandle h = backend.open(PathOf(peer.port()), HidOpenMode::Read);
    for (const auto* expected : {&first, &a, &b, &c}) {
        std::vector<uint8_t> buffer(kReportLength, 0xEE);
        ASSERT_EQ(ReadWithin(backend, h, buffer), HidReadResult::Report);
        EXPECT_EQ(buffer, *expected);
    }
    std::vector<uint8_t> buffer(kReportLength);
    EXPECT_EQ(backend.read(h, buffer), HidReadResult::None);
    backend.close(h);
}

TEST(TcpBackendLoss, PeerClosingMidReportFailsTheRead) {
    LoopbackPeer peer([](QTcpSocket& unit) {
        auto bytes = UnitHello();
        auto half = NumberedReport(5);
        bytes.insert(bytes.end(), half.begin(), half.begin() + 30);
        SendBytes(unit, bytes);
    });
    TcpBackend backend("127.0.0.1", peer.port());
    ASSERT_EQ(backend.enumerate().size(), 1u);
    HidHandle writer = backend.open(PathOf(peer.port()), HidOpenMode::Write);
    HidHandle reader = backend.open(PathOf(peer.port()), HidOpenMode::Read);
    std::vector<uint8_t> buffer(kReportLength);
    EXPECT_EQ(ReadWithin(backend, reader, buffer), HidReadResult::Failed);
    // Once lost, every handle says so until the session closes them.
    EXPECT_EQ(backend.read(reader, buffer), HidReadResult::Failed);
    EXPECT_FALSE(backend.write(writer, NumberedReport(1)));
    EXPECT_FALSE(backend.identity(writer));
    backend.close(writer);
    backend.close(reader);
}

TEST(TcpBackendLoss, ConnectionLastsUntilTheLastHandleCloses) {
    std::atomic<bool> sawEof{false};
    LoopbackPeer peer([&](QTcpSocket& unit) {
        SendBytes(unit, UnitHello());
        SendBytes(unit, NumberedReport(9));
        sawEof = SeesEof(unit);
    });
    TcpBackend backend("127.0.0.1", peer.port());
    ASSERT_EQ(backend.enumerate().size(), 1u);
    HidHandle writer = backend.open(PathOf(peer.port()), HidOpenMode::Write);
    HidHandle reader = backend.open(PathOf(peer.port()), HidOpenMode::Read);
    backend.close(writer);
    std::vector<uint8_t> buffer(kReportLength);
    EXPECT_EQ(ReadWithin(backend, reader, buffer), HidReadResult::Report);
    EXPECT_EQ(buffer, NumberedReport(9));
    backend.close(reader);
    EXPECT_EQ(backend.read(reader, buffer), HidReadResult::Failed);
    peer.join();
    EXPECT_TRUE(sawEof);
}

}  // namespace
}  // namespace norva
