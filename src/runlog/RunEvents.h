#pragma once
// What one engine run went through beyond its plain numbers: the faults a log shows (a start
// that hung or failed, too hot, too fast, a flame-out) and the steady points runs are compared
// by (EGT and pump at idle and at full throttle, light-off, coast-down).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runlog/RunLog.h"
#include "runlog/Runs.h"

namespace norva {

// The unit's limits a run is measured against; each unknown when the configuration did not say.
struct EngineLimits {
    std::optional<int> idleRpm;  // cell 50 x 1000
    std::optional<int> fullRpm;  // cell 51 x 1000
    std::optional<int> maxEgtC;  // cell 53 x 4
    bool operator==(const EngineLimits&) const = default;
};
// From configuration cells (a trailer's or an image's); a cell of 0 is unknown (never written).
EngineLimits LimitsOf(std::span<const std::optional<uint8_t>> cells256);
EngineLimits LimitsOf(std::span<const uint8_t> image);  // at least 54 bytes

enum class RunEventKind { HungStart, FailedStart, OverTemperature, OverSpeed, FlameOut };
struct RunEvent {
    RunEventKind kind;
    int line = 0;          // where it begins
    int value = 0;         // hung start: the RPM it stalled at; failed start: the highest RPM;
                           // over-temperature: the peak EGT; over-speed: the peak RPM;
                           // flame-out: the RPM when the speed began to collapse
    double durationS = 0;  // how long it lasted, in seconds (samples x 0.5)
    bool operator==(const RunEvent&) const = default;
};
// "hung start", "failed start", "over-temperature", "over-speed", "flame-out"
const char* EventName(RunEventKind kind);
// The reverse, for storage; ok (when given) says whether the name was one of them.
RunEventKind EventKindNamed(std::string_view name, bool* ok);
// For people: "over-temperature 910 C for 3.5 s at minute 4.3", "hung start at 22000 RPM for
// 4.0 s at minute 1.2", "failed start (reached 18000 RPM) at minute 0.5", "over-speed 152000
// RPM for 1.0 s at minute 6.0", "flame-out at 95000 RPM at minute 7.1". The minute is
// (line - 1) / 120, rounded half up to one decimal.
std::string EventText(const RunEvent& e);
// The CSV/one-field form: the EventText of each, joined by "; "; empty for none.
std::string EventsField(const std::vector<RunEvent>& events);

struct RunAnalysis {
    std::optional<int> lightLine;          // light-off: the first clear EGT rise of the start
    std::optional<double> lightToIdleS;    // from light-off to idle
    std::optional<int> idleEgt, idlePump;  // steady state at idle: mean EGT (C), mean pump (tenths)
    std::optional<int> fullEgt, fullPump;  // steady state at full throttle
    std::optional<double> coastDownS;      // pump off to 0 RPM at the end of the run
    std::vector<RunEvent> events;          // in line order
};
// One run of `lines` (line numbers as the run's). The idle line is found with limits.idleRpm
// the way FindRuns finds it, so the analysis holds together whatever idle the run was found
// with. Samples without data count in no value and never make an event. A run has stopped
// when a sample of 0 RPM or the next cycle's first sample follows it; one the file ends in
// has no failed start and no coast-down.
RunAnalysis AnalyseRun(const std::vector<RunLogLine>& lines, const EngineRun& run,
                       const EngineLimits& limits);

}  // namespace norva
