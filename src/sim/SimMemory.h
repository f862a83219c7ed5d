#pragma once
// Cells of the simulated unit's 256-byte configuration memory that it acts on itself, and the
// factory defaults it starts with.

#include <array>
#include <cstdint>

#include "protocol/AddressMap.h"

namespace norva::sim {

using Memory = std::array<uint8_t, 256>;

// The program's address map names them; the unit's own bookkeeping cells are named here.
namespace cell {
constexpr int kShutdownCause = norva::cell::kShutdownCause;
constexpr int kShutdownEgt = 4;   // °C / 4
constexpr int kShutdownRpm = 5;   // thousands
constexpr int kShutdownPump = 6;  // pump units / 4
constexpr int kAccessRising = norva::cell::kAccessUpward;
constexpr int kIdleRpm = norva::cell::kIdleSpeed;
constexpr int kFullRpm = norva::cell::kFullSpeed;
constexpr int kMinEgt = 52;
constexpr int kMaxEgt = 53;
constexpr int kAccessFalling = norva::cell::kAccessDownward;
constexpr int kStopRpm = 57;
constexpr int kIdleStick = norva::cell::kIdleStick;
constexpr int kPulse100High = 60;
constexpr int kPulse0High = 62;
constexpr int kCycles = norva::cell::kCycles;
constexpr int kLastRunLow = 65;
constexpr int kTotalTimeLow = 67;  // three bytes, low first
constexpr int kTestCellFalling = norva::cell::kTestDownward;
constexpr int kPumpLimit = 80;
constexpr int kLowBattery = 81;
constexpr int kStartMode = norva::cell::kStartMode;
constexpr int kTestCellRising = norva::cell::kTestUpward;
constexpr int kThrottleCurve = 93;
constexpr int kAccelRamp = norva::cell::kRampsFirst;
constexpr int kDecelRamp = 160;
constexpr int kWelcome = norva::cell::kWelcomeFirst;  // two lines of 16 characters
constexpr int kPumpCurve = norva::cell::kPumpCurveFirst;
}  // namespace cell

// Status code the unit records when the pilot stops the engine with the stick.
constexpr uint8_t kCauseUserOff = 16;
constexpr uint8_t kFullAccess = norva::cell::kFullAccessValue;

Memory DefaultMemory(bool falling);

inline int AccessCell(bool falling) {
    return norva::cell::AccessCell(falling);
}
inline int TestCell(bool falling) {
    return norva::cell::TestCell(falling);
}

// Multi-byte cells in the byte orders the unit uses.
int PulseMicros(const Memory& m, int highCell);  // high byte first
uint32_t TotalSeconds(const Memory& m);
void SetTotalSeconds(Memory& m, uint32_t seconds);
void SetLastRunSeconds(Memory& m, int seconds);

}  // namespace norva::sim
