#pragma once
// A scripted remote unit on 127.0.0.1: listens on a free port, accepts one connection on its
// own thread and hands the socket to a script. Every wait is bounded, so a test that goes
// wrong fails instead of hanging.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "base/Posix.h"
#include "protocol/Frames.h"
#include "protocol/RemoteUnit.h"

namespace norva::testing {

constexpr int kPeerWaitMs = 5000;

inline std::vector<uint8_t> UnitHello(uint16_t vendor = kVendorId, uint16_t product = kProductId,
                                      int input = kReportLength, int output = kReportLength) {
    auto hello = EncodeHello({{vendor, product}, {input, output}});
    return {hello.begin(), hello.end()};
}

inline bool SendBytes(int fd, const std::vector<uint8_t>& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

// Exactly count bytes, or fewer when the other side closed or the wait ran out.
inline std::vector<uint8_t> ReceiveBytes(int fd, size_t count, int waitMs = kPeerWaitMs) {
    std::vector<uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
        if (!(WaitFd(fd, POLLIN, 50) & (POLLIN | POLLHUP))) continue;
        uint8_t chunk[256];
        ssize_t n = ::recv(fd, chunk, std::min(sizeof chunk, count - got.size()), 0);
        if (n <= 0) break;
        got.insert(got.end(), chunk, chunk + n);
    }
    return got;
}

// True when the other side closes within the wait (data before the close is ignored).
inline bool SeesEof(int fd, int waitMs = kPeerWaitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!(WaitFd(fd, POLLIN, 50) & (POLLIN | POLLHUP))) continue;
        uint8_t chunk[256];
        if (::recv(fd, chunk, sizeof chunk, 0) <= 0) return true;
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
    using Script = std::function<void(int fd)>;

    // The script runs on the peer's thread with the accepted socket; the socket closes when
    // the script returns.
    explicit LoopbackPeer(Script script) {
        listener_ = UniqueFd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_.get(), 4);
        socklen_t len = sizeof addr;
        ::getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this, script = std::move(script)] {
            if (!(WaitFd(listener_.get(), POLLIN, kPeerWaitMs) & POLLIN)) return;
            UniqueFd client(::accept(listener_.get(), nullptr, nullptr));
            if (client.valid()) script(client.get());
        });
    }
    ~LoopbackPeer() { join(); }

    // Waits for the script to finish, so what it recorded can be looked at.
    void join() {
        if (thread_.joinable()) thread_.join();
    }

    uint16_t port() const { return port_; }

  private:
    UniqueFd listener_;
    uint16_t port_ = 0;
    std::thread thread_;
};

// A port on 127.0.0.1 with nobody listening: connections to it are refused.
inline uint16_t RefusingPort() {
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&addr), &len);
    return ntohs(addr.sin_port);  // bound but never listening
}

}  // namespace norva::testing
