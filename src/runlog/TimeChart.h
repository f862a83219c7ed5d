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

// What a chart adds to the log's own drawing when there is something to add: none of it by
// default, so that the default view stays the picture it always was.
struct ChartMarks {
    // Time labels at round steps, each at its exact minute (a zoomed view), instead of the
    // window's tenths.
    bool roundMinutes = false;
    // The unit's limits, as thin dashed lines in their curves' colours.
    std::optional<int> maxEgtC, fullRpm, idleRpm;
    // Events (hung start, over-temperature, …) marked at the top of the chart where they begin:
    // the line (0-based) and what is said of it.
    struct Event {
        int line = 0;
        QString text;
    };
    std::vector<Event> events;
    // Another run drawn dotted over the log, its first line at line `overlayAt` (0-based) of
    // this one, with its own legend.
    std::vector<RunLogLine> overlay;
    int overlayAt = 0;
    QString overlayLegend;
};

// Frame, grid and time labels of the corrected window (the minutes actually drawn), then the
// four curves and the cycle numbers that have room beside each other. `fontScale` multiplies
// the design point sizes. The window actually drawn is returned.
// With a heading (the file's name) the chart leaves room above it for the heading and the
// legend of its four curves, as a page or picture that stands on its own.
TimeWindow DrawTimeChart(Canvas& canvas, const std::vector<RunLogLine>& lines, double start,
                         double end, double fontScale = 1,
                         std::optional<ShadedLines> shaded = std::nullopt,
                         const QString& heading = {}, const ChartMarks& marks = {});

// The samples of the run of `cycle` in an export, to lay over another's chart; nothing, with
// the reason, for a file that cannot be read or holds no such run.
std::optional<std::vector<RunLogLine>> RunOfCycle(const std::string& path, int cycle,
                                                  std::string& error);
// Its legend: "run.txt, cycle 12".
QString OverlayLegend(const QString& path, int cycle);
// Where a run laid over a chart starts: on the first run of `lines` that starts in the window,
// else where the window starts (a line, 0-based).
int OverlayStart(const std::vector<RunLogLine>& lines, const TimeWindow& window);

// The chart x (0..1000) of a line (0-based) in a drawn window; outside 0..1000 when the line
// is not in it.
double ChartXOfLine(const TimeWindow& window, int line);
// Round steps for time labels over `minutes`: 1, 2 or 5 times a power of ten, about `labels`
// of them.
double RoundStep(double minutes, int labels = 8);

// The line under a chart x (0..1000) of a drawn window, for the cursor's readout; nothing
// outside the data.
std::optional<int> LineAt(const std::vector<RunLogLine>& lines, const TimeWindow& window, double x);

}  // namespace norva
