#pragma once
// The unit's two-line terminal: a status screen and a short list of settings that the four
// keys walk through and change. Changes go straight into configuration memory.

#include <array>
#include <cstdint>
#include <string>

#include "sim/SimMemory.h"

namespace norva::sim {

struct StatusView {
    const char* state = "";
    double rpmK = 0;  // thousands
    double egtC = 0;
    double volts = 0;
};

class Terminal {
  public:
    static constexpr int kWidth = 16;
    using Lines = std::array<std::string, 2>;

    explicit Terminal(bool downward) : downward_(downward) {}

    // Key codes as they arrive in a key slot; unknown codes do nothing.
    void press(uint8_t key, Memory& m);

    Lines render(const Memory& m, const StatusView& status) const;
    static Lines welcome(const Memory& m);

    // 0 is the status screen, 1.. the settings visible at the current access level.
    int screen() const { return screen_; }

  private:
    int visibleCount(const Memory& m) const;
    int settingAt(const Memory& m, int screen) const;  // index into the settings table

    bool downward_;
    int screen_ = 0;
};

}  // namespace norva::sim
