#pragma once
// Shared bits of the simulated-unit tests: output frames as the program builds them and
// input reports as the program reads them.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "protocol/Frames.h"
#include "sim/SimUnit.h"

namespace norva::simtest {

using Report = std::array<uint8_t, kReportLength>;

// One output report: slots from slot 0 upward, then the mode pair.
inline Report Frame(std::initializer_list<SlotBytes> commands, uint8_t modeByte = 0,
                    uint8_t modeValue = 0) {
    Report r{};
    int k = 0;
    for (const SlotBytes& s : commands) {
        for (int i = 0; i < kSlotSize; ++i) r[1 + k * kSlotSize + i] = s[i];
        ++k;
    }
    r[1 + kModeByte] = modeByte;
    r[1 + kModeValue] = modeValue;
    return r;
}

// All queued reports, oldest first.
inline std::vector<Report> Drain(sim::SimUnit& unit) {
    std::vector<Report> out;
    Report r;
    while (unit.takeReport(r)) out.push_back(r);
    return out;
}

// Moves time on by one report period at a time and returns the reports that arrive.
inline std::vector<Report> Next(sim::SimUnit& unit, int count) {
    std::vector<Report> out;
    while (static_cast<int>(out.size()) < count) {
        unit.advanceTo(unit.elapsedMs() + 1);
        for (const Report& r : Drain(unit)) out.push_back(r);
    }
    return out;
}

inline int StreamAddress(const Report& r) {
    return r[36];
}

}  // namespace norva::simtest
