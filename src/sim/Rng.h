#pragma once
// Small deterministic generator: the same seed gives the same noise and the same nonsense
// reports on every machine, which keeps the tests exact.

#include <cstdint>

namespace norva::sim {

class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
        if (state_ == 0) state_ = 0x12345678u;
    }

    uint32_t next() {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    uint8_t byte() { return static_cast<uint8_t>(next() >> 24); }

    // Uniform in [-1, 1].
    double symmetric() { return static_cast<double>(next() >> 8) / 8388607.5 - 1.0; }

    // Uniform integer in [lo, hi].
    int range(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
    }

  private:
    uint32_t state_;
};

}  // namespace norva::sim
