#pragma once
// The engine report: one page with an engine's totals, the trends of its starts (peak start
// EGT and time to idle over its runs, the baseline drawn) and its flagged runs and events.

#include <QDateTime>
#include <QRectF>
#include <QString>
#include <vector>

#include "logbook/Logbook.h"

class QPagedPaintDevice;

namespace norva {

class Canvas;

// What a trend shows of each run: its start (the baseline has these three) or a steady point.
enum class TrendValue {
    PeakStartEgt,
    TimeToIdle,
    LightToIdle,
    IdleEgt,
    IdlePump,
    FullEgt,
    FullPump
};
inline constexpr TrendValue kTrendValues[] = {
    TrendValue::PeakStartEgt, TrendValue::TimeToIdle, TrendValue::LightToIdle, TrendValue::IdleEgt,
    TrendValue::IdlePump,     TrendValue::FullEgt,    TrendValue::FullPump};
// "Peak start EGT (C)", "Time to idle (s)", "Time from light-off (s)", "Idle EGT (C)",
// "Idle pump (%)", "Full-throttle EGT (C)", "Full-throttle pump (%)".
QString TrendName(TrendValue value);

// A chart axis from `low` to `high`, both on a tick, with the ticks' labels.
struct AxisTick {
    double at = 0;
    QString label;  // a second line, after '\n', where a time of day needs its date
};
struct Axis {
    double low = 0;
    double high = 1;
    std::vector<AxisTick> ticks;
};
// Ticks at steps of 1, 2 or 5 x 10^n, as few as cover low..high in at most `maxTicks`.
Axis ValueAxis(double low, double high, int maxTicks);
// Ticks in milliseconds since the epoch at whole months ("MMM yyyy"), weeks from a Monday or
// days ("yyyy-MM-dd"), the step chosen for 3 to `maxTicks` labels; a span within two days (one
// download, a day out) at whole hours or minutes ("hh:mm", its date below at the first and at
// midnight).
Axis DateAxis(const QDateTime& first, const QDateTime& last, int maxTicks);

// One trend chart of the runs, each at its date; runs without the value are left out, flagged
// runs marked, the baseline (of the start values) a dotted line. Drawn into `area`, in the
// canvas's user units (y growing downwards).
void DrawTrend(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& baseline,
               TrendValue value, const QRectF& area);

// The report's page onto a printer or PDF writer: totals, service, baseline, trends, and the
// runs flagged or with events. False when the device cannot be painted.
bool PrintEngineReport(QPagedPaintDevice& device, const Engine& engine, const EngineLife& life);

}  // namespace norva
