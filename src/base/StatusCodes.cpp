#include "base/StatusCodes.h"

#include <array>
#include <string_view>

namespace norva {

namespace {

// Every text is exactly eight characters; the trailing blanks belong to it.
constexpr std::array<std::string_view, 30> kStatusTexts = {
    "TempHigh", "Trim Low", "StickLo!", "Ready   ", "Ignition", "FuelRamp", "GlowTest", "Running ",
    "Stop    ", "FlameOut", "SpeedLow", "Cooling ", "Glow Bad", "StartBad", "Weak Gas", "Start On",
    "User Off", "Failsafe", "LowSpeed", "ModeAuto", "RxPwFail", "Pre Heat", "Battery!", "Time Out",
    "Overload", "Ign.Fail", "BurnerOn", "Starting", "SwitchOv", "PrimeVap"};

constexpr int kLastKnownCode = static_cast<int>(kStatusTexts.size()) - 1;  // 29
constexpr int kLastReservedCode = 31;  // 30 and 31 have no state of their own yet

}  // namespace

std::string EtiqNrv(int16_t NumEti) {
    // The run log never named code 0; its header leaves the cause blank for it.
    if (NumEti >= 1 && NumEti <= kLastKnownCode) return std::string(kStatusTexts[NumEti]);
    if (NumEti > kLastKnownCode && NumEti <= kLastReservedCode) return "Unknown ";
    return {};
}

std::string ShutdownCauseText(int code) {
    if (code >= 0 && code <= kLastKnownCode) return std::string(kStatusTexts[code]);
    return "Unknown";
}

}  // namespace norva
