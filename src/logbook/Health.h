#pragma once
// An engine's health over its runs: its own normal start (the baseline, the median of the first
// ten measured starts since its last service), the runs that departed from it, the starts at or
// above the unit's own temperature limit, and a shift of its recent starts away from normal.

#include <QDateTime>
#include <optional>
#include <string>
#include <vector>

#include "runlog/RunEvents.h"
#include "runlog/Runs.h"

namespace norva {

// How many measured starts make the baseline, and how far a start may depart from it.
constexpr int kBaselineRuns = 10;
constexpr int kHotStartMarginC = 100;
constexpr double kSlowStartFactor = 1.5;
// A shift: the median of the last few measured starts this far from the baseline. Wear shows
// as a drift a single start's scatter hides.
constexpr int kShiftRuns = 5;
constexpr int kShiftEgtC = 40;
constexpr double kShiftTimeShare = 0.25;

struct Baseline {
    int runs = 0;  // measured starts it was taken from (kBaselineRuns at most)
    std::optional<double> peakStartEgt;
    std::optional<double> timeToIdleS;   // from the first turn
    std::optional<double> lightToIdleS;  // from light-off
    QDateTime since;                     // the service it restarted at; invalid: none yet
};

// What a run's health is judged on.
struct StartMeasures {
    std::optional<int> peakStartEgt;
    std::optional<double> timeToIdleS;
    std::optional<double> lightToIdleS;
    std::optional<int> maxEgtC;  // the unit's limit
    bool measured() const { return peakStartEgt && timeToIdleS; }
};

struct RunHealth {
    bool measured = false;  // the start is in the log and reached idle
    std::optional<int> peakStartEgt;
    std::optional<double> timeToIdleS;
    std::optional<double> lightToIdleS;
    // Empty for a normal run: "hot start 930 C (limit 900 C)", "start EGT 150 C above normal",
    // "idle after 2.03x normal", "shift: start EGT +45 C over the last 5 starts", joined by "; ".
    std::string flag;
};

// Time to idle in seconds, for a run whose start is measured.
std::optional<double> TimeToIdle(const EngineRun& run);
StartMeasures MeasuresOf(const EngineRun& run, const RunAnalysis& analysis,
                         const EngineLimits& limits);

// The runs of an engine in time order, each in the service period it falls in (0 before the
// first service, then 1, 2, ...): every period has a baseline of its own.
struct EngineHealth {
    std::vector<RunHealth> runs;
    Baseline baseline;  // the newest period's
    std::string shift;  // the newest measured start's shift, empty for none
};
EngineHealth HealthOf(const std::vector<StartMeasures>& runs, const std::vector<int>& periods,
                      const std::vector<QDateTime>& services);

}  // namespace norva
