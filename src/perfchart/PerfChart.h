#pragma once
// The performance chart: engine speed, exhaust temperature and typed thrust plotted against
// pressure (or, for other unit types, against speed) point by point, on the screen and on a
// printed page. Pure drawing through the canvas, so the window, the command line and the
// tests draw the same.

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace norva {

class Canvas;
struct CanvasFont;

// One point as a measure file keeps it.
struct MeasureRecord {
    float pressure = 0;  // bar
    float speed = 0;     // thousands of RPM
    float thrust = 0;    // newtons; 0 when none was typed
    float egt = 0;       // degrees C

    bool operator==(const MeasureRecord&) const = default;
};

// What the scales depend on.
struct ChartScales {
    bool pressureAxis = true;       // NorvaType "P"; otherwise the x axis is speed
    float pressureFactor = 0.009f;  // bar per count
    float fullSpeed = 250;          // GaugeFullSpeed, for the speed axis
};

// Where the last points were, in chart units; shared by the screen and the page.
struct PlotMemory {
    int prevX = 0;
    int prevRpmY = 260;
    int prevEgtY = 260;
    int prevThrustX = 0;
    int prevThrustY = 260;
};

// The screen chart (-20..280 by -10..290): frame, dotted grid and labels; resets the memory's
// y values to the bottom line.
void IniciaGrafic(Canvas& canvas, const ChartScales& scales, PlotMemory& memory);
// One point where the scales put it, cut off at the chart's box: speed and temperature joined
// to their last point when close, else a dot; a typed thrust as a thick dot joined to the last
// thrust point.
void PintaPunt(Canvas& canvas, const ChartScales& scales, PlotMemory& memory,
               const MeasureRecord& point);

// The chart's font: 9 points at the design size, times the window's font factor.
CanvasFont ChartFont(double factor = 1);

// The chart drawn afresh with a run's records replayed on it, as a redraw does: labels in the
// canvas's font.
void ReplayChart(Canvas& canvas, const ChartScales& scales, PlotMemory& memory,
                 const std::vector<MeasureRecord>& records);

// The printed page of a measure file (-500..3000 by -500..7500): header with the file's name
// and date, titles, box, grid and labels, then every record with PrintaPunt. The first point
// is compared with the screen chart's last x (none: it stands alone); the first thrust line
// starts at the left edge of the box. Curves are cut off at the box.
void PrintChartPage(Canvas& canvas, const ChartScales& scales,
                    const std::vector<MeasureRecord>& records, const QString& fileName,
                    const QDateTime& modified, std::optional<int> screenPrevX = std::nullopt);
// The page of the measure file at `path` printed on a printer or into a PDF; false when the
// device cannot be painted on.
bool PrintMeasurePage(QPagedPaintDevice& device, const ChartScales& scales,
                      const std::vector<MeasureRecord>& records, const QString& path,
                      std::optional<int> screenPrevX = std::nullopt);
void PrintaPunt(Canvas& canvas, const ChartScales& scales, PlotMemory& memory,
                const MeasureRecord& point);

// .nvm lines: "1.8,112.3,0,656", at most 7 significant digits, no decimal part for whole values.
std::string MeasureLine(const MeasureRecord& record);
// A measure file checked whole: numbers separated by commas or line ends, four to a record.
// Nothing, with the file and line in error, for anything else.
std::optional<std::vector<MeasureRecord>> ReadMeasureFile(const std::string& path,
                                                          std::string& error);

}  // namespace norva
