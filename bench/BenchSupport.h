#pragma once
// Shared by the benchmarks: a bus with nothing on it, and CPU clocks.
#include <sys/resource.h>
#include <time.h>

#include <benchmark/benchmark.h>

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

inline double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The calling thread only: the user-interface thread when called from it.
inline double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

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
