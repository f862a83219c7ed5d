#pragma once
// The time chart of an exported run log: speed, temperature, throttle and pump over a chosen
// stretch of the 51 minutes, with the engine runs' cycle numbers along the bottom.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "runlog/RunLog.h"

namespace norva {

class Canvas;

// The data lines of an export file, read as ReadRunLogExport reads them. Nothing, with
// "FILE: why" or "FILE:LINE: why" in error, for a file that cannot be read or is no export.
std::optional<std::vector<RunLogLine>> ReadExportFile(const std::string& path, std::string& error);

// The speed scale in thousands of RPM: the file's largest RPM below 252000, or 254000 when
// the first line reads 0.
int MaxRpmScale(const std::vector<RunLogLine>& lines);

// The stretch drawn: start and end corrected into 0..50 and 1..51.2, the lines skipped before
// it (start x 120) and the points drawn (end x 120 - start x 120), both rounded half to even.
struct TimeWindow {
    double start = 0;
    double end = 0;
    int skip = 0;
    int count = 0;
};
TimeWindow CorrectWindow(double start, double end);
// What is said when the corrected end does not come after the corrected start; translated
// where it is said.
inline const char* const kEndBeforeStart =
    QT_TRANSLATE_NOOP("norva::TimeChart", "The end must come after the start.");
// True when the corrected window has something to draw.
inline bool Drawable(const TimeWindow& w) {
    return w.end > w.start;
}

// Lines (0-based, first and last) shaded lightly behind the grid: a run's start phase.
struct ShadedLines {
    int first = 0;
    int last = 0;
};

// Frame, grid and time labels of the corrected window (the minutes actually drawn), then the
// four curves and the cycle numbers that have room beside each other. `fontScale` multiplies
// the design point sizes. The window actually drawn is returned.
// With a heading (the file's name) the chart leaves room above it for the heading and the
// legend of its four curves, as a page or picture that stands on its own.
TimeWindow DrawTimeChart(Canvas& canvas, const std::vector<RunLogLine>& lines, double start,
                         double end, double fontScale = 1,
                         std::optional<ShadedLines> shaded = std::nullopt,
                         const QString& heading = {});

// The line under a chart x (0..1000) of a drawn window, for the cursor's readout; nothing
// outside the data.
std::optional<int> LineAt(const std::vector<RunLogLine>& lines, const TimeWindow& window, double x);

}  // namespace norva
