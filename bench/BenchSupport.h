#pragma once
// Shared by the benchmarks: a bus with nothing on it, and CPU clocks.
#include <benchmark/benchmark.h>

#include <ctime>

#include "base/Platform.h"
#include "link/hid/HidBackend.h"
#include "link/hid/SimBackend.h"

namespace norva::bench {

class NullBackend : public HidBackend {
  public:
    std::vector<std::string> enumerate() override { return {}; }
    HidHandle open(const std::string&, HidOpenMode) override { return kInvalidHandle; }
    std::optional<HidIdentity> identity(HidHandle) override { return std::nullopt; }
    std::optional<HidReportLengths> reportLengths(HidHandle) override { return std::nullopt; }
    bool write(HidHandle, std::span<const uint8_t>) override { return true; }
    HidReadResult read(HidHandle, std::span<uint8_t>) override { return HidReadResult::None; }
    void close(HidHandle) override {}
};

// Every thread's.
inline double ProcessCpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// The calling thread only: the user-interface thread when called from it.
using norva::ThreadCpuSeconds;

// What became of the reports the simulated unit sent: "lost" are those neither dispatched nor
// still waiting to be read.
inline void CountDelivery(benchmark::State& state, SimBackend& backend, long long dispatched) {
    const auto generated = static_cast<long long>(backend.unit().reportsGenerated());
    const auto pending = static_cast<long long>(backend.unit().pendingReports());
    state.counters["generated"] = double(generated);
    state.counters["dispatched"] = double(dispatched);
    state.counters["lost"] = double(generated - pending - dispatched);
}

}  // namespace norva::bench
