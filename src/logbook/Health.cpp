#include "logbook/Health.h"

#include <algorithm>
#include <cstdio>

namespace norva {

namespace {
std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
}  // namespace

std::optional<double> TimeToIdle(const EngineRun& run) {
    if (!run.idleLine || run.startCut) return std::nullopt;
    return (*run.idleLine - run.firstLine) * 0.5;
}

Baseline BaselineOf(const std::vector<EngineRun>& runs) {
    std::vector<double> egt;
    std::vector<double> idle;
    for (const EngineRun& run : runs) {
        const auto time = TimeToIdle(run);
        if (!time || !run.peakStartEgt) continue;
        egt.push_back(*run.peakStartEgt);
        idle.push_back(*time);
        if (egt.size() == size_t(kBaselineRuns)) break;
    }
    return {int(egt.size()), Median(egt), Median(idle)};
}

RunHealth HealthOf(const EngineRun& run, const Baseline& baseline) {
    RunHealth health;
    health.timeToIdleS = TimeToIdle(run);
    if (health.timeToIdleS) health.peakStartEgt = run.peakStartEgt;
    health.measured = health.timeToIdleS && health.peakStartEgt;
    if (!health.measured) return health;
    char text[64];
    if (baseline.peakStartEgt && *health.peakStartEgt > *baseline.peakStartEgt + kHotStartMarginC) {
        std::snprintf(text, sizeof text, "start EGT %.0f C above normal",
                      *health.peakStartEgt - *baseline.peakStartEgt);
        health.flag = text;
    }
    if (baseline.timeToIdleS && *baseline.timeToIdleS > 0 &&
        *health.timeToIdleS > *baseline.timeToIdleS * kSlowStartFactor) {
        std::snprintf(text, sizeof text, "idle after %.1fx normal",
                      *health.timeToIdleS / *baseline.timeToIdleS);
        health.flag += (health.flag.empty() ? "" : "; ") + std::string(text);
    }
    return health;
}

}  // namespace norva
