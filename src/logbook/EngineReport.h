#pragma once
// The engine report: one page with an engine's totals, the trends of its starts (peak start
// EGT and time to idle over its runs, the baseline drawn) and its flagged runs and events.

#include <QRectF>
#include <QString>
#include <vector>

#include "logbook/Logbook.h"

class QPagedPaintDevice;

namespace norva {

class Canvas;

// One trend chart of the runs in time order: `peakEgt` true for peak start EGT, false for
// time to idle; runs without a measured start are left out, flagged runs marked, the baseline
// a dotted line. Drawn into `area`, in the canvas's user units (y growing downwards).
void DrawTrend(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& baseline,
               bool peakEgt, const QRectF& area);

// The report's page onto a printer or PDF writer: totals, service, baseline, trends, and the
// runs flagged or with events. False when the device cannot be painted.
bool PrintEngineReport(QPagedPaintDevice& device, const Engine& engine, const EngineLife& life);

}  // namespace norva
