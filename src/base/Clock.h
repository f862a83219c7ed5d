#pragma once
// Milliseconds on a monotonic clock, injectable so tests and the simulated unit can move time.

#include <chrono>
#include <cstdint>
#include <functional>

namespace norva {

using MsClock = std::function<int64_t()>;

inline int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace norva
