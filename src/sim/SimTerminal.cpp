#include "sim/SimTerminal.h"

#include <algorithm>
#include <cstdio>

#include "protocol/Frames.h"

namespace norva::sim {

namespace {

enum class Shown { Rpm, Temp, Pump, Volts, StartMode, Curve };

struct Setting {
    const char* name;
    int address;
    int min;
    int max;
    Shown shown;
    bool basic;  // offered even with restricted access
};

constexpr Setting kSettings[] = {
    {"IDLE RPM", cell::kIdleSpeed, 20, 80, Shown::Rpm, false},
    {"MAX RPM", cell::kFullSpeed, 60, 250, Shown::Rpm, false},
    {"MIN EGT", cell::kMinEgt, 25, 150, Shown::Temp, false},
    {"MAX EGT", cell::kMaxEgt, 150, 240, Shown::Temp, false},
    {"STOP RPM", cell::kStopSpeed, 10, 60, Shown::Rpm, false},
    {"PUMP LIMIT", cell::kPumpLimit, 40, 255, Shown::Pump, false},
    {"START MODE", cell::kStartMode, 0, 2, Shown::StartMode, false},
    {"LOW BATTERY", cell::kLowBattery, 80, 180, Shown::Volts, true},
    {"THROTTLE CURVE", cell::kThrottleCurve, 0, 2, Shown::Curve, true},
};
constexpr int kSettingCount = sizeof(kSettings) / sizeof(kSettings[0]);

std::string Fit(const std::string& s) {
    std::string out = s.substr(0, Terminal::kWidth);
    out.resize(Terminal::kWidth, ' ');
    return out;
}

std::string RightAligned(const std::string& s) {
    if (s.size() >= Terminal::kWidth) return s.substr(0, Terminal::kWidth);
    return std::string(Terminal::kWidth - s.size(), ' ') + s;
}

std::string ValueText(const Setting& s, int v) {
    char buf[40];
    switch (s.shown) {
        case Shown::Rpm:
            std::snprintf(buf, sizeof buf, "%d RPM", v * 1000);
            break;
        case Shown::Temp:
            std::snprintf(buf, sizeof buf, "%d C", v * 4);
            break;
        case Shown::Pump:
            std::snprintf(buf, sizeof buf, "%d", v * 4);
            break;
        case Shown::Volts:
            std::snprintf(buf, sizeof buf, "%.2f V", v * 0.06);
            break;
        case Shown::StartMode: {
            static const char* const kModes[] = {"MANUAL", "AUTO-GAS", "AUTO-KERO"};
            return v <= 2 ? kModes[v] : kModes[0];
        }
        case Shown::Curve: {
            static const char* const kCurves[] = {"RPM LINEAL", "THRUST LINEAL", "HALF EXPO"};
            return v <= 2 ? kCurves[v] : kCurves[0];
        }
    }
    return buf;
}

}  // namespace

int Terminal::visibleCount(const Memory& m) const {
    if (m[AccessCell(downward_)] == kFullAccess) return kSettingCount;
    return static_cast<int>(std::count_if(std::begin(kSettings), std::end(kSettings),
                                          [](const Setting& s) { return s.basic; }));
}

int Terminal::settingAt(const Memory& m, int screen) const {
    const bool full = m[AccessCell(downward_)] == kFullAccess;
    int seen = 0;
    for (int i = 0; i < kSettingCount; ++i) {
        if (!full && !kSettings[i].basic) continue;
        if (++seen == screen) return i;
    }
    return -1;
}

void Terminal::press(uint8_t key, Memory& m) {
    const int screens = visibleCount(m) + 1;
    screen_ = std::min(screen_, screens - 1);  // the access level may have dropped
    switch (static_cast<TerminalKey>(key)) {
        case TerminalKey::MenuUp:
            screen_ = (screen_ + 1) % screens;
            return;
        case TerminalKey::MenuDown:
            screen_ = (screen_ + screens - 1) % screens;
            return;
        case TerminalKey::DataUp:
        case TerminalKey::DataDown:
            break;
        default:
            return;
    }
    const int i = settingAt(m, screen_);
    if (i < 0) return;  // the status screen has no value to change
    const Setting& s = kSettings[i];
    const int step = static_cast<TerminalKey>(key) == TerminalKey::DataUp ? 1 : -1;
    const int v = std::clamp(m[s.address] + step, s.min, s.max);
    m[s.address] = static_cast<uint8_t>(v);
}

Terminal::Lines Terminal::render(const Memory& m, const StatusView& status) const {
    const int i = screen_ > 0 ? settingAt(m, screen_) : -1;
    if (i >= 0)
        return {Fit(kSettings[i].name),
                RightAligned(ValueText(kSettings[i], m[kSettings[i].address]))};

    char top[40];
    char bottom[40];
    std::snprintf(top, sizeof top, "%-10.10s%5.1fV", status.state,
                  std::clamp(status.volts, 0.0, 99.9));
    const int rpm = static_cast<int>(std::clamp(status.rpmK, 0.0, 999.9) * 10) * 100;
    const int egt = static_cast<int>(std::clamp(status.egtC, 0.0, 9999.0));
    std::snprintf(bottom, sizeof bottom, "R:%6d T:%4dC", rpm, egt);
    return {Fit(top), Fit(bottom)};
}

Terminal::Lines Terminal::welcome(const Memory& m) {
    Lines lines;
    for (int l = 0; l < 2; ++l) {
        const auto* first = m.data() + cell::kWelcomeFirst + l * kWidth;
        lines[l].assign(first, first + kWidth);
    }
    return lines;
}

}  // namespace norva::sim
