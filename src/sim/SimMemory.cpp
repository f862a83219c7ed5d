#include "sim/SimMemory.h"

#include <algorithm>
#include <string_view>

namespace norva::sim {

namespace {

void Put(Memory& m, int address, std::initializer_list<int> values) {
    for (int v : values) m[address++] = static_cast<uint8_t>(v);
}

void PutText(Memory& m, int address, std::string_view text) {
    for (size_t i = 0; i < 16; ++i) m[address + i] = i < text.size() ? text[i] : ' ';
}

}  // namespace

Memory DefaultMemory(bool downward) {
    Memory m{};
    // Cells nobody documents still hold something, as a used unit's memory would.
    for (int a = 0; a < 256; ++a) m[a] = static_cast<uint8_t>((a * 37 + 11) % 97);

    Put(m, cell::kTempCalibration1, {128, 128});  // temperature calibration, two copies
    Put(m, cell::kShutdownCause, {kCauseUserOff, 130, 36, 22});
    Put(m, cell::kRxErrorsLow, {0, 0});  // receiver errors
    Put(m, cell::kStarterPowerIgnition,
        {102, 12, 6, 8});  // starter at ignition, gas start speeds, preheat
    Put(m, cell::kGasOffSpeed, {30, 28, 120, 26});  // gas off, starter off, starter power, 100 %
    m[cell::kStarterReconnectSpeed] = 20;           // starter reconnect
    m[cell::kIgnitionTimeout] = 20;                 // ignition timeout, half seconds
    m[cell::kAccessUpward] = downward ? 0 : kFullAccess;
    Put(m, cell::kMaxAuthorizedSpeed, {125, 12, 35, 120, 75, 190, 3});  // 48..54
    m[cell::kAccessDownward] = downward ? kFullAccess : 10;  // upward units: stability delay
    Put(m, cell::kAccelDelay, {14, 30, 20, 38});  // accel delay, stop speed, pump ramp, idle stick
    Put(m, cell::kPulse100High, {1900 >> 8, 1900 & 255, 1100 >> 8, 1100 & 255});
    m[cell::kCycles] = 0;  // set from the run log at power-up
    Put(m, cell::kLastRunLow, {0, 0, 0, 0, 0});
    m[cell::kGlowPlug] = 25;  // glow plug 1.5 V
    m[cell::kGasStartFlow] = 30;
    m[cell::kTestDownward] = 0;
    Put(m, cell::kPumpLimit, {200, 120, 8, 40, 40, 25, 12, 1, 0, 15});  // 80..89
    m[cell::kEngineFuelPreheat] = 30;
    m[cell::kThrottleCurve] = 0;
    m[cell::kKeroGlowPlug] = downward ? 15 : 25;

    // Ramps: eight pairs of (up-to speed, slope), speeds rising to full power, gentle at
    // both ends; a little steeper than a new engine's.
    const uint8_t upTo[8] = {40, 70, 95, 115, 160, 200, 225, 255};
    const uint8_t accel[8] = {2, 3, 4, 6, 9, 14, 16, 4};
    const uint8_t decel[8] = {2, 3, 4, 6, 9, 14, 19, 22};
    for (int i = 0; i < 8; ++i) {
        m[cell::kAccelRamp + 2 * i] = upTo[i];
        m[cell::kAccelRamp + 2 * i + 1] = accel[i];
        m[cell::kDecelRamp + 2 * i] = upTo[i];
        m[cell::kDecelRamp + 2 * i + 1] = decel[i];
    }
    PutText(m, cell::kWelcomeFirst, "  NORVA SYSTEM  ");
    PutText(m, cell::kWelcomeLine2, " SIMULATED UNIT ");
    for (int k = 0; k < 32; ++k) m[cell::kPumpCurveFirst + k] = static_cast<uint8_t>(40 + k * 6);
    Put(m, 241, {0, 0, 0});
    return m;
}

int PulseMicros(const Memory& m, int highCell) {
    return m[highCell] * 256 + m[highCell + 1];
}

uint32_t TotalSeconds(const Memory& m) {
    const int a = cell::kTotalTimeLow;
    return m[a] | (m[a + 1] << 8) | (static_cast<uint32_t>(m[a + 2]) << 16);
}

void SetTotalSeconds(Memory& m, uint32_t seconds) {
    seconds = std::min<uint32_t>(seconds, 0xFFFFFF);
    for (int i = 0; i < 3; ++i) m[cell::kTotalTimeLow + i] = (seconds >> (8 * i)) & 255;
}

void SetLastRunSeconds(Memory& m, int seconds) {
    seconds = std::clamp(seconds, 0, 0xFFFF);
    m[cell::kLastRunLow] = seconds & 255;
    m[cell::kLastRunLow + 1] = (seconds >> 8) & 255;
}

}  // namespace norva::sim
