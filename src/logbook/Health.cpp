#include "logbook/Health.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace norva {

namespace {
std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Add(std::string& flag, const char* text) {
    flag += (flag.empty() ? "" : "; ") + std::string(text);
}

// The baseline of one period: the medians of its first measured starts.
Baseline BaselineOf(const std::vector<const StartMeasures*>& starts) {
    std::vector<double> egt, idle, light;
    for (const StartMeasures* s : starts) {
        if (egt.size() == size_t(kBaselineRuns)) break;
        egt.push_back(*s->peakStartEgt);
        idle.push_back(*s->timeToIdleS);
        if (s->lightToIdleS) light.push_back(*s->lightToIdleS);
    }
    return {.runs = int(egt.size()),
            .peakStartEgt = Median(egt),
            .timeToIdleS = Median(idle),
            .lightToIdleS = Median(light),
            .since = {}};
}

// The shift of the last kShiftRuns measured starts, all of them after the baseline's own.
std::string ShiftOf(const std::vector<const StartMeasures*>& starts, size_t upTo,
                    const Baseline& base) {
    if (upTo + 1 < size_t(base.runs + kShiftRuns)) return {};
    std::vector<double> egt, idle;
    for (size_t k = upTo + 1 - kShiftRuns; k <= upTo; ++k) {
        egt.push_back(*starts[k]->peakStartEgt);
        idle.push_back(*starts[k]->timeToIdleS);
    }
    std::string shift;
    char text[96];
    const double egtShift = *Median(egt) - *base.peakStartEgt;
    if (std::fabs(egtShift) > kShiftEgtC) {
        std::snprintf(text, sizeof text, "shift: start EGT %+.0f C over the last %d starts",
                      egtShift, kShiftRuns);
        Add(shift, text);
    }
    const double idleShift = *Median(idle) - *base.timeToIdleS;
    if (*base.timeToIdleS > 0 && std::fabs(idleShift) > *base.timeToIdleS * kShiftTimeShare) {
        std::snprintf(text, sizeof text, "shift: idle after %+.0f %% over the last %d starts",
                      idleShift / *base.timeToIdleS * 100, kShiftRuns);
        Add(shift, text);
    }
    return shift;
}
}  // namespace

std::optional<double> TimeToIdle(const EngineRun& run) {
    if (!run.idleLine || run.startCut) return std::nullopt;
    return (*run.idleLine - run.firstLine) * 0.5;
}

StartMeasures MeasuresOf(const EngineRun& run, const RunAnalysis& analysis,
                         const EngineLimits& limits) {
    StartMeasures m{.timeToIdleS = TimeToIdle(run), .maxEgtC = limits.maxEgtC};
    if (m.timeToIdleS) {
        m.peakStartEgt = run.peakStartEgt;
        m.lightToIdleS = analysis.lightToIdleS;
    }
    return m;
}

EngineHealth HealthOf(const std::vector<StartMeasures>& runs, const std::vector<int>& periods,
                      const std::vector<QDateTime>& services) {
    EngineHealth out;
    out.runs.resize(runs.size());
    size_t first = 0;
    while (first < runs.size()) {
        size_t end = first;
        while (end < runs.size() && periods[end] == periods[first]) ++end;
        std::vector<const StartMeasures*> starts;
        for (size_t k = first; k < end; ++k)
            if (runs[k].measured()) starts.push_back(&runs[k]);
        Baseline base = BaselineOf(starts);
        out.shift.clear();
        const int period = periods[first];
        if (period > 0 && size_t(period) <= services.size())
            base.since = services[size_t(period) - 1];
        size_t measured = 0;
        for (size_t k = first; k < end; ++k) {
            const StartMeasures& m = runs[k];
            RunHealth& h = out.runs[k];
            h.measured = m.measured();
            if (!h.measured) continue;
            h.peakStartEgt = m.peakStartEgt;
            h.timeToIdleS = m.timeToIdleS;
            h.lightToIdleS = m.lightToIdleS;
            char text[96];
            // At the unit's own limit a start is hot whatever the engine's normal.
            if (m.maxEgtC && *m.peakStartEgt >= *m.maxEgtC) {
                std::snprintf(text, sizeof text, "hot start %d C (limit %d C)", *m.peakStartEgt,
                              *m.maxEgtC);
                Add(h.flag, text);
            } else if (*m.peakStartEgt > *base.peakStartEgt + kHotStartMarginC) {
                std::snprintf(text, sizeof text, "start EGT %.0f C above normal",
                              *m.peakStartEgt - *base.peakStartEgt);
                Add(h.flag, text);
            }
            if (*base.timeToIdleS > 0 && *m.timeToIdleS > *base.timeToIdleS * kSlowStartFactor) {
                std::snprintf(text, sizeof text, "idle after %.2fx normal",
                              *m.timeToIdleS / *base.timeToIdleS);
                Add(h.flag, text);
            }
            const std::string shift = ShiftOf(starts, measured++, base);
            if (!shift.empty()) h.flag += (h.flag.empty() ? "" : "; ") + shift;
            out.shift = shift;
        }
        if (end == runs.size()) out.baseline = base;
        first = end;
    }
    // A service after the newest run starts a period without runs yet.
    if (!services.empty() && (runs.empty() || size_t(periods.back()) < services.size())) {
        out.baseline = {.since = services.back()};
        out.shift.clear();
    }
    return out;
}

}  // namespace norva
