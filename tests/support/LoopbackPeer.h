#pragma once
// A scripted remote unit on 127.0.0.1: listens on a free port, accepts one connection on its
// own thread and hands the socket to a script. Every wait is bounded, so a test that goes
// wrong fails instead of hanging.

#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "protocol/Frames.h"
#include "protocol/RemoteUnit.h"

namespace norva::testing {

constexpr int kPeerWaitMs = 5000;

inline std::vector<uint8_t> UnitHello(uint16_t vendor = kVendorId, uint16_t product = kProductId,
                                      int input = kReportLength, int output = kReportLength) {
    auto hello = EncodeHello({{vendor, product}, {input, output}});
    return {hello.begin(), hello.end()};
}

// Every byte handed to the system before it returns.
inline bool SendBytes(QTcpSocket& peer, const std::vector<uint8_t>& bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    if (peer.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
    while (peer.bytesToWrite() > 0)
        if (!peer.waitForBytesWritten(kPeerWaitMs)) return false;
    return true;
}

// Exactly count bytes, or fewer when the other side closed or the wait ran out.
inline std::vector<uint8_t> ReceiveBytes(QTcpSocket& peer, size_t count, int waitMs = kPeerWaitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (peer.bytesAvailable() < qint64(count) && std::chrono::steady_clock::now() < deadline)
        if (!peer.waitForReadyRead(50) && peer.state() != QAbstractSocket::ConnectedState) break;
    const QByteArray got = peer.read(qint64(count));
    return {got.begin(), got.end()};
}

// True when the other side closes within the wait (data before the close is ignored).
inline bool SeesEof(QTcpSocket& peer, int waitMs = kPeerWaitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        peer.waitForReadyRead(50);
        peer.readAll();
        if (peer.state() != QAbstractSocket::ConnectedState) return true;
    }
    return false;
}

inline void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A report whose bytes tell where they belong: byte 0 the report ID 0, then seed + index.
inline std::vector<uint8_t> NumberedReport(uint8_t seed, size_t length = kReportLength) {
    std::vector<uint8_t> r(length);
    for (size_t i = 1; i < length; ++i) r[i] = static_cast<uint8_t>(seed + i);
    return r;
}

class LoopbackPeer {
  public:
    using Script = std::function<void(QTcpSocket& peer)>;

    // The script runs on the peer's thread with the accepted socket; the socket closes when
    // the script returns. The listener is made on that thread too, as its sockets belong to it.
    explicit LoopbackPeer(Script script) {
        std::promise<uint16_t> bound;
        thread_ = std::thread([&bound, script = std::move(script)] {
            QTcpServer listener;
            listener.listen(QHostAddress::LocalHost);
            bound.set_value(listener.serverPort());
            if (!listener.waitForNewConnection(kPeerWaitMs)) return;
            std::unique_ptr<QTcpSocket> client(listener.nextPendingConnection());
            if (client) script(*client);
        });
        port_ = bound.get_future().get();
    }
    ~LoopbackPeer() { join(); }

    // Waits for the script to finish, so what it recorded can be looked at.
    void join() {
        if (thread_.joinable()) thread_.join();
    }

    uint16_t port() const { return port_; }

  private:
    uint16_t port_ = 0;
    std::thread thread_;
};

// A port on 127.0.0.1 that was free a moment ago, with nobody listening: connections to it are
// refused.
inline uint16_t RefusingPort() {
    QTcpServer listener;
    listener.listen(QHostAddress::LocalHost);
    return listener.serverPort();
}

}  // namespace norva::testing
