#pragma once
// A unit played by another process (norva-sim or a test rig) and reached over TCP. Every
// enumerate() is one short connection attempt, so a unit that comes and goes behaves like a
// plugged and unplugged USB device. All handles share the one connection, a Qt socket that
// belongs to the thread that makes the backend: every call comes from that one thread, and
// none needs its event loop.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "link/hid/HidBackend.h"
#include "protocol/RemoteUnit.h"

class QTcpSocket;

namespace norva {

class TcpBackend : public HidBackend {
  public:
    // Each wait of a connection attempt (connect, hello) is bounded by this, so the
    // user-interface thread that enumerates is never held long.
    static constexpr int kAttemptWaitMs = 300;
    // Bound on finishing an output report the socket took only in part.
    static constexpr int kSendWaitMs = 300;

    TcpBackend(std::string host, uint16_t port);
    ~TcpBackend() override;

    std::string path() const;  // "tcp:HOST:PORT"

    std::vector<std::string> enumerate() override;
    HidHandle open(const std::string& path, HidOpenMode mode) override;
    std::optional<HidIdentity> identity(HidHandle handle) override;
    std::optional<HidReportLengths> reportLengths(HidHandle handle) override;
    bool write(HidHandle handle, std::span<const uint8_t> report) override;
    HidReadResult read(HidHandle handle, std::span<uint8_t> buffer) override;
    void close(HidHandle handle) override;
    std::string address() const override;  // "HOST:PORT"
    std::string describe() const override { return path(); }

  private:
    bool connectOnce();
    void dropConnection();
    bool live(HidHandle handle) const;
    bool anyLiveHandle() const;
    bool sendAll(std::span<const uint8_t> bytes);

    std::string host_;
    uint16_t port_;
    // Closed as soon as the peer goes away; handles stay until closed.
    std::unique_ptr<QTcpSocket> socket_;
    RemoteHello hello_{};
    std::vector<uint8_t> pending_;  // received bytes not yet handed out as a report
    // Each handle remembers the connection it was opened on, so a handle of a lost
    // connection never reads a later one's reports.
    uint64_t generation_ = 0;
    std::map<HidHandle, uint64_t> handles_;
    HidHandle nextHandle_ = 1;
};

}  // namespace norva
