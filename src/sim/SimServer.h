#pragma once
// Serves one simulated unit to one TCP client at a time, in the wire form of RemoteUnit.h, so
// the program (through TcpBackend) or any other tool can talk to it like to a USB unit.

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "base/Clock.h"

class QTcpSocket;

namespace norva::sim {

// The little the server needs of a unit: ServedSimUnit.h fits a SimUnit to it, and tests can
// script one without the whole simulation. Kept apart from SimUnit so that this file builds
// without it.
class ServedUnit {
  public:
    virtual ~ServedUnit() = default;
    virtual void advanceTo(int64_t nowMs) = 0;
    virtual bool takeReport(std::span<uint8_t> out) = 0;
    virtual void receive(std::span<const uint8_t> report) = 0;
    virtual bool silent() const = 0;
    virtual bool unplugged() const = 0;
    virtual int rate() const = 0;  // reports per second
};

class SimServer {
  public:
    // Reports the server keeps for a client that does not read; newer ones are dropped.
    static constexpr size_t kSendBacklogReports = 256;

    SimServer(ServedUnit& unit, std::string host, uint16_t port, MsClock clock = SteadyMs);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Binds and listens; false (errno set) when the address cannot be had.
    bool listen();
    // The port actually bound, once listen() succeeded (port 0 asks for a free one).
    uint16_t port() const { return boundPort_; }
    const std::string& host() const { return host_; }

    // Serves until stop(); returns at once if listen() did not succeed. It may run on another
    // thread than listen(): the client's socket is made on the thread that serves, and needs no
    // event loop.
    void run();
    // Safe from any thread and from a signal handler; run() returns within one wait (at most
    // 100 ms).
    void stop();

  private:
    class Listener;

    void pumpReports();
    void acceptClient();
    void readClient();
    void flushClient();
    void dropClient();
    int waitMs() const;

    ServedUnit& unit_;
    std::string host_;
    uint16_t port_;
    uint16_t boundPort_ = 0;
    MsClock clock_;

    std::unique_ptr<Listener> listener_;
    // Its buffers hold the bytes of an output report still incomplete, and the hello and the
    // reports the system has not taken yet.
    std::unique_ptr<QTcpSocket> client_;
    std::atomic<bool> stopping_{false};
};

}  // namespace norva::sim
