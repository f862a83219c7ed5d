#pragma once
// An engine's health over its runs: its own normal start (the baseline, the median of its
// first ten measured starts) and the runs that departed from it.

#include <optional>
#include <string>
#include <vector>

#include "runlog/Runs.h"

namespace norva {

// How many measured starts make the baseline, and how far a start may depart from it.
constexpr int kBaselineRuns = 10;
constexpr int kHotStartMarginC = 100;
constexpr double kSlowStartFactor = 1.5;

struct Baseline {
    int runs = 0;  // measured starts it was taken from (kBaselineRuns at most)
    std::optional<double> peakStartEgt;
    std::optional<double> timeToIdleS;
};

struct RunHealth {
    bool measured = false;  // the start is in the log and reached idle
    std::optional<int> peakStartEgt;
    std::optional<double> timeToIdleS;
    // Empty for a normal run: "start EGT 150 C above normal", "idle after 2.0x normal".
    std::string flag;
};

// Time to idle in seconds, for a run whose start is measured.
std::optional<double> TimeToIdle(const EngineRun& run);
// The baseline of runs in time order.
Baseline BaselineOf(const std::vector<EngineRun>& runs);
RunHealth HealthOf(const EngineRun& run, const Baseline& baseline);

}  // namespace norva
