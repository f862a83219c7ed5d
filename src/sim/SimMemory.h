#pragma once
// Cells of the simulated unit's 256-byte configuration memory that it acts on itself, and the
// factory defaults it starts with.

#include <array>
#include <cstdint>

#include "protocol/AddressMap.h"

namespace norva::sim {

using Memory = std::array<uint8_t, 256>;

// The program's address map names them; the unit's own bookkeeping cells are named here.

// Status code the unit records when the pilot stops the engine with the stick.
constexpr uint8_t kCauseUserOff = 16;
constexpr uint8_t kFullAccess = norva::cell::kFullAccessValue;

Memory DefaultMemory(bool downward);

inline int AccessCell(bool downward) {
    return norva::cell::AccessCell(downward);
}
inline int TestCell(bool downward) {
    return norva::cell::TestCell(downward);
}

// Multi-byte cells in the byte orders the unit uses.
int PulseMicros(const Memory& m, int highCell);  // high byte first
uint32_t TotalSeconds(const Memory& m);
void SetTotalSeconds(Memory& m, uint32_t seconds);
void SetLastRunSeconds(Memory& m, int seconds);

}  // namespace norva::sim
