#pragma once
// A scripted unit for the server: numbered reports at a fixed rate, every received report
// kept, fault switches settable from the test thread. It keeps producing reports even when
// silent or unplugged, so holding them back is left to the server.

#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <vector>

#include "protocol/Frames.h"
#include "sim/SimServer.h"

namespace norva::testing {

// Report n: byte 0 the report ID 0, then the low bytes of n and a pattern that depends on it.
inline std::vector<uint8_t> FakeReport(uint32_t n) {
    std::vector<uint8_t> r(kReportLength);
    r[1] = static_cast<uint8_t>(n);
    r[2] = static_cast<uint8_t>(n >> 8);
    for (size_t i = 3; i < r.size(); ++i) r[i] = static_cast<uint8_t>(n * 7 + i);
    return r;
}

class ServedUnitFake : public sim::ServedUnit {
  public:
    explicit ServedUnitFake(int rate = 200) : rate_(rate) {}

    void advanceTo(int64_t nowMs) override {
        std::lock_guard lock(mutex_);
        if (start_ < 0) start_ = nowMs;
        const int64_t due = (nowMs - start_) * rate_ / 1000;
        while (generated_ < due) {
            if (queue_.size() < 256) queue_.push_back(generated_);
            ++generated_;
        }
    }
    bool takeReport(std::span<uint8_t> out) override {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) return false;
        auto r = FakeReport(static_cast<uint32_t>(queue_.front()));
        queue_.pop_front();
        std::copy(r.begin(), r.end(), out.begin());
        ++taken_;
        return true;
    }
    void receive(std::span<const uint8_t> report) override {
        std::lock_guard lock(mutex_);
        received_.emplace_back(report.begin(), report.end());
    }
    bool silent() const override {
        std::lock_guard lock(mutex_);
        return silent_;
    }
    bool unplugged() const override {
        std::lock_guard lock(mutex_);
        return unplugged_;
    }
    int rate() const override { return rate_; }

    void setSilent(bool on) {
        std::lock_guard lock(mutex_);
        silent_ = on;
    }
    void setUnplugged(bool on) {
        std::lock_guard lock(mutex_);
        unplugged_ = on;
    }
    int64_t taken() const {
        std::lock_guard lock(mutex_);
        return taken_;
    }
    std::vector<std::vector<uint8_t>> received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }

  private:
    const int rate_;
    mutable std::mutex mutex_;
    int64_t start_ = -1;
    int64_t generated_ = 0;
    int64_t taken_ = 0;
    std::deque<int64_t> queue_;
    std::vector<std::vector<uint8_t>> received_;
    bool silent_ = false;
    bool unplugged_ = false;
};

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

}  // namespace norva::testing
