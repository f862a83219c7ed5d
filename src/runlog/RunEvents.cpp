#include "runlog/RunEvents.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "protocol/AddressMap.h"

namespace norva {

namespace {

constexpr double kSampleS = 0.5;  // one line every half second

// The igniter alone never warms the engine this much: the fuel has lit.
constexpr int kLightRiseC = 50;

// A start that turns 3 s without gaining speed while it only gets hotter is burning fuel
// without spooling up; a normal start's pauses between starter steps are shorter or cool.
constexpr int kHungMinSamples = 6;
constexpr int kHungMaxRpmRise = 1000;
constexpr int kHungMinEgtRise = 30;

// A flame-out loses a quarter of its speed within 2 s with the stick and the pump still up;
// the stick's 5 % is jitter, and the unit's first 20 % less pump is no fuel cut.
constexpr int kCollapseSamples = 4;
constexpr int kCollapsePercent = 75;
constexpr int kStickSlack = 50;
constexpr int kPumpHeldPercent = 80;

// Steady points: the stick within 5 % of its end, the speed within 5 % of the limit, and at
// least 2 s of it, so a pass through is no steady point. The stick's idle end is where the
// transmitter's trim leaves it (the simulated unit idles at 14.9 %), so it is measured: the
// lowest stick at idle speed with the pump running, 0 % being the trim's engine-off position.
constexpr int kIdleStickSlack = 50;
constexpr int kIdleBandPercent = 5;
constexpr int kFullStickMin = 950;
constexpr int kFullSpeedPercent = 95;
constexpr int kSteadyMinSamples = 4;

constexpr std::array<const char*, 5> kEventNames = {"hung start", "failed start",
                                                    "over-temperature", "over-speed", "flame-out"};

bool HasData(const RunLogLine& line) {
    return line.rpm < kNoDataRpm;
}
// A turning sample with data: a single 0 inside a run is a dropout, as FindRuns takes it.
bool Turning(const RunLogLine& line) {
    return line.rpm > 0 && HasData(line);
}

// Rounded half away from zero, exactly.
int RoundedMean(long long sum, int count) {
    const long long twice = 2 * sum + (sum < 0 ? -count : count);
    return static_cast<int>(twice / (2LL * count));
}

// Tenths as "5.0".
std::string Tenths(long long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// The run's lines by their 1-based numbers.
struct View {
    const std::vector<RunLogLine>& lines;
    int first = 0;
    int last = 0;
    const RunLogLine& at(int line) const { return lines[size_t(line - 1)]; }
};

int MaxRpm(const View& v) {
    int highest = 0;
    for (int n = v.first; n <= v.last; ++n)
        if (Turning(v.at(n))) highest = std::max(highest, v.at(n).rpm);
    return highest;
}

std::optional<int> LightLine(const View& v) {
    const int cold = v.at(v.first).temp;
    for (int n = v.first; n <= v.last; ++n)
        if (HasData(v.at(n)) && v.at(n).temp >= cold + kLightRiseC) return n;
    return std::nullopt;
}

// The longest stall before idle (lines v.first to end), judged by its first and last samples:
// a start's speed steps up unevenly, so only the whole stretch tells a stall.
std::optional<RunEvent> HungStart(const View& v, int end, int idleRpm) {
    std::optional<RunEvent> longest;
    const auto stalling = [&](int n) { return Turning(v.at(n)) && v.at(n).rpm < idleRpm; };
    for (int a = v.first; a <= end; ++a) {
        if (!stalling(a)) continue;
        int reach = a;  // turning below idle all along
        while (reach < end && stalling(reach + 1)) ++reach;
        const int longestSoFar = longest ? int(longest->durationS / kSampleS) : 0;
        for (int b = reach; b - a + 1 >= std::max(kHungMinSamples, longestSoFar + 1); --b) {
            if (v.at(b).rpm - v.at(a).rpm >= kHungMaxRpmRise ||
                v.at(b).temp - v.at(a).temp < kHungMinEgtRise)
                continue;
            longest = RunEvent{.kind = RunEventKind::HungStart,
                               .line = a,
                               .value = v.at(a).rpm,
                               .durationS = (b - a + 1) * kSampleS};
            break;
        }
    }
    return longest;
}

// Each maximal stretch of lines with data where `over` holds, with its peak `value`.
template <class Over, class Value>
void AddStretches(const View& v, RunEventKind kind, Over over, Value value,
                  std::vector<RunEvent>& events) {
    for (int n = v.first; n <= v.last; ++n) {
        if (!HasData(v.at(n)) || !over(v.at(n))) continue;
        RunEvent event{.kind = kind, .line = n, .value = value(v.at(n)), .durationS = 0};
        for (; n <= v.last && HasData(v.at(n)) && over(v.at(n)); ++n) {
            event.value = std::max(event.value, value(v.at(n)));
            event.durationS += kSampleS;
        }
        events.push_back(event);
    }
}

// The stick came back within the 2 s before k: a speed still falling then is the engine
// following it down with the pump settled at its new level, not a lost flame.
bool PulledBack(const View& v, int k) {
    for (int n = std::max(k - kCollapseSamples, v.first); n < k; ++n)
        if (Turning(v.at(n)) && v.at(n).throttle > v.at(k).throttle + kStickSlack) return true;
    return false;
}

// The first line k from idle on where the speed collapses within 2 s with stick and pump up.
std::optional<RunEvent> FlameOut(const View& v, int idleLine, int idleRpm) {
    for (int k = idleLine; k <= v.last; ++k) {
        const RunLogLine& at = v.at(k);
        if (!Turning(at) || at.pump <= 0 || PulledBack(v, k)) continue;
        std::optional<int> firstPump;
        bool held = true;
        for (int j = k + 1; held && j <= std::min(k + kCollapseSamples, v.last); ++j) {
            const RunLogLine& next = v.at(j);
            if (!Turning(next)) continue;
            if (!firstPump) firstPump = next.pump;
            held = next.throttle >= at.throttle - kStickSlack &&
                   *firstPump * 100LL >= at.pump * (long long)kPumpHeldPercent;
            if (!held || next.rpm * 100LL >= at.rpm * (long long)kCollapsePercent) continue;
            int below = k + 1;  // the speed is lost: under idle, or the run ends first
            while (below <= v.last && !(Turning(v.at(below)) && v.at(below).rpm < idleRpm)) ++below;
            return RunEvent{.kind = RunEventKind::FlameOut,
                            .line = k,
                            .value = at.rpm,
                            .durationS = (below - k) * kSampleS};
        }
    }
    return std::nullopt;
}

struct Mean {
    long long egt = 0;
    long long pump = 0;
    int count = 0;
};
template <class Steady>
void SetSteady(const View& v, int from, Steady steady, std::optional<int>& egt,
               std::optional<int>& pump) {
    Mean mean;
    for (int n = from; n <= v.last; ++n) {
        if (!Turning(v.at(n)) || !steady(v.at(n))) continue;
        mean.egt += v.at(n).temp;
        mean.pump += v.at(n).pump;
        ++mean.count;
    }
    if (mean.count < kSteadyMinSamples) return;
    egt = RoundedMean(mean.egt, mean.count);
    pump = RoundedMean(mean.pump, mean.count);
}

// The pump off for good, counted from after idle (or the first line) at the earliest, up to
// the stop behind the run. A run whose pump never ran (a start that did not light) has none.
std::optional<double> CoastDown(const View& v, std::optional<int> idleLine) {
    int off = v.last + 1;
    while (off > v.first && (!HasData(v.at(off - 1)) || v.at(off - 1).pump == 0)) --off;
    if (off == v.first) return std::nullopt;
    off = std::max(off, idleLine.value_or(v.first) + 1);
    while (off <= v.last && !HasData(v.at(off))) ++off;  // from a sample that says so
    if (off > v.last) return std::nullopt;
    return (v.last + 1 - off) * kSampleS;
}

}  // namespace

EngineLimits LimitsOf(std::span<const std::optional<uint8_t>> cells256) {
    const auto cell = [&](int number, int scale) -> std::optional<int> {
        if (size_t(number) >= cells256.size() || !cells256[size_t(number)].value_or(0))
            return std::nullopt;
        return *cells256[size_t(number)] * scale;
    };
    return {.idleRpm = cell(cell::kIdleSpeed, 1000),
            .fullRpm = cell(cell::kFullSpeed, 1000),
            .maxEgtC = cell(cell::kMaxEgt, 4)};
}

EngineLimits LimitsOf(std::span<const uint8_t> image) {
    std::array<std::optional<uint8_t>, 256> cells;
    std::copy_n(image.begin(), std::min(image.size(), cells.size()), cells.begin());
    return LimitsOf(cells);
}

const char* EventName(RunEventKind kind) {
    return kEventNames[size_t(kind)];
}

RunEventKind EventKindNamed(std::string_view name, bool* ok) {
    const auto it = std::find(kEventNames.begin(), kEventNames.end(), name);
    if (ok) *ok = it != kEventNames.end();
    return it == kEventNames.end() ? RunEventKind::HungStart
                                   : RunEventKind(it - kEventNames.begin());
}

std::string EventText(const RunEvent& e) {
    // Rounded half up: a line's minute in tenths is (line - 1) / 12.
    const std::string minute = " at minute " + Tenths((std::max(e.line, 1) - 1 + 6) / 12);
    const std::string lasting = " for " + Tenths(std::llround(e.durationS * 10)) + " s";
    const std::string value = std::to_string(e.value);
    switch (e.kind) {
        case RunEventKind::HungStart:
            return "hung start at " + value + " RPM" + lasting + minute;
        case RunEventKind::FailedStart:
            return "failed start (reached " + value + " RPM)" + minute;
        case RunEventKind::OverTemperature:
            return "over-temperature " + value + " C" + lasting + minute;
        case RunEventKind::OverSpeed:
            return "over-speed " + value + " RPM" + lasting + minute;
        case RunEventKind::FlameOut:
            return "flame-out at " + value + " RPM" + minute;
    }
    return {};
}

std::string EventsField(const std::vector<RunEvent>& events) {
    std::string field;
    for (const RunEvent& e : events) field += (field.empty() ? "" : "; ") + EventText(e);
    return field;
}

RunAnalysis AnalyseRun(const std::vector<RunLogLine>& lines, const EngineRun& run,
                       const EngineLimits& limits) {
    RunAnalysis a;
    const View v{.lines = lines,
                 .first = std::max(run.firstLine, 1),
                 .last = std::min(run.lastLine(), int(lines.size()))};
    if (v.first > v.last) return a;
    // Behind a run the engine stopped: a sample at 0 RPM, or the next cycle's start, as the log
    // keeps no stopped time between cycles. Else the file or its data ended there.
    const RunLogLine* next = v.last < int(lines.size()) ? &v.at(v.last + 1) : nullptr;
    const bool stopped =
        next && (next->rpm == 0 || (HasData(*next) && next->cycle != v.at(v.last).cycle));

    std::optional<int> idleLine;
    for (int n = v.first; limits.idleRpm && n <= v.last && !idleLine; ++n)
        if (Turning(v.at(n)) && v.at(n).rpm >= *limits.idleRpm) idleLine = n;

    if (!run.startCut) {
        a.lightLine = LightLine(v);
        if (a.lightLine && idleLine && *a.lightLine <= *idleLine)
            a.lightToIdleS = (*idleLine - *a.lightLine) * kSampleS;
    }

    if (limits.idleRpm && !run.startCut) {
        if (auto hung = HungStart(v, idleLine.value_or(v.last + 1) - 1, *limits.idleRpm))
            a.events.push_back(*hung);
        if (!idleLine && stopped)
            a.events.push_back({.kind = RunEventKind::FailedStart,
                                .line = v.first,
                                .value = MaxRpm(v),
                                .durationS = (v.last - v.first + 1) * kSampleS});
    }
    if (limits.maxEgtC)
        AddStretches(
            v, RunEventKind::OverTemperature,
            [&](const RunLogLine& l) { return l.temp > *limits.maxEgtC; },
            [](const RunLogLine& l) { return l.temp; }, a.events);
    if (limits.fullRpm)
        AddStretches(
            v, RunEventKind::OverSpeed,
            [&](const RunLogLine& l) { return l.rpm > *limits.fullRpm; },
            [](const RunLogLine& l) { return l.rpm; }, a.events);
    if (idleLine)
        if (auto flameOut = FlameOut(v, *idleLine, *limits.idleRpm)) a.events.push_back(*flameOut);
    std::stable_sort(a.events.begin(), a.events.end(),
                     [](const RunEvent& x, const RunEvent& y) { return x.line < y.line; });

    if (idleLine) {
        const long long idle = *limits.idleRpm;
        const auto idling = [&](const RunLogLine& l) {
            return Turning(l) && std::abs(l.rpm - idle) * 100 <= idle * kIdleBandPercent;
        };
        std::optional<int> idleStick;
        for (int n = *idleLine + 1; n <= v.last; ++n)
            if (idling(v.at(n)) && v.at(n).pump > 0)
                idleStick = std::min(idleStick.value_or(v.at(n).throttle), v.at(n).throttle);
        SetSteady(
            v, *idleLine + 1,
            [&](const RunLogLine& l) {
                return idleStick && idling(l) && l.throttle <= *idleStick + kIdleStickSlack;
            },
            a.idleEgt, a.idlePump);
    }
    const long long full = limits.fullRpm.value_or(MaxRpm(v));
    SetSteady(
        v, v.first,
        [&](const RunLogLine& l) {
            return l.throttle >= kFullStickMin && l.rpm * 100LL >= full * kFullSpeedPercent;
        },
        a.fullEgt, a.fullPump);

    if (stopped) a.coastDownS = CoastDown(v, idleLine);
    return a;
}

}  // namespace norva
