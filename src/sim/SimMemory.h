#pragma once
// Cells of the simulated unit's 256-byte configuration memory that it acts on itself, and the
// factory defaults it starts with.

#include <array>
#include <cstdint>

namespace norva::sim {

using Memory = std::array<uint8_t, 256>;

namespace cell {
constexpr int kShutdownCause = 3;
constexpr int kShutdownEgt = 4;   // °C / 4
constexpr int kShutdownRpm = 5;   // thousands
constexpr int kShutdownPump = 6;  // pump units / 4
constexpr int kAccessRising = 47;
constexpr int kIdleRpm = 50;
constexpr int kFullRpm = 51;
constexpr int kMinEgt = 52;
constexpr int kMaxEgt = 53;
constexpr int kAccessFalling = 55;
constexpr int kStopRpm = 57;
constexpr int kIdleStick = 59;
constexpr int kPulse100High = 60;
constexpr int kPulse0High = 62;
constexpr int kCycles = 64;
constexpr int kLastRunLow = 65;
constexpr int kTotalTimeLow = 67;  // three bytes, low first
constexpr int kTestCellFalling = 79;
constexpr int kPumpLimit = 80;
constexpr int kLowBattery = 81;
constexpr int kStartMode = 87;
constexpr int kTestCellRising = 88;
constexpr int kThrottleCurve = 93;
constexpr int kAccelRamp = 144;
constexpr int kDecelRamp = 160;
constexpr int kWelcome = 176;  // two lines of 16 characters
constexpr int kPumpCurve = 208;
}  // namespace cell

// Status code the unit records when the pilot stops the engine with the stick.
constexpr uint8_t kCauseUserOff = 16;
constexpr uint8_t kFullAccess = 7;

Memory DefaultMemory(bool falling);

inline int AccessCell(bool falling) {
    return falling ? cell::kAccessFalling : cell::kAccessRising;
}
inline int TestCell(bool falling) {
    return falling ? cell::kTestCellFalling : cell::kTestCellRising;
}

// Multi-byte cells in the byte orders the unit uses.
int PulseMicros(const Memory& m, int highCell);  // high byte first
uint32_t TotalSeconds(const Memory& m);
void SetTotalSeconds(Memory& m, uint32_t seconds);
void SetLastRunSeconds(Memory& m, int seconds);

}  // namespace norva::sim
