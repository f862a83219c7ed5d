#include "runlog/TimeChart.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "runlog/Runs.h"
#include "ui/Canvas.h"
#include "ui/Contrast.h"

namespace norva {

namespace {

constexpr double kBottom = 260;  // the zero line of every curve
constexpr double kTop = 5;       // full scale
constexpr double kWidth = 1000;
constexpr int kNoRpmScale = 254000;
const QString kSans = QStringLiteral("Liberation Sans");
constexpr double kChartPoints = 9;
constexpr double kTimePoints = 8;

QString Format(double value, const char* picture) {
    return QString::fromStdString(FormatNumber(value, picture));
}

void TextAt(Canvas& canvas, double x, double y, const QString& text) {
    canvas.moveTo(x, y);
    canvas.print(text);
}

// y of a value already in chart units (0..255 above the zero line).
double Y(double value) {
    return kBottom - std::floor(value);
}

}  // namespace

std::optional<std::vector<RunLogLine>> ReadExportFile(const std::string& path, std::string& error) {
    // The runs reader's rules: a value that is no whole number of the program's range (an RPM
    // of 2147483648, 1e308) refuses the file with its line rather than being drawn as anything.
    auto file = ReadRunLogExport(path, error);
    if (!file) return std::nullopt;
    return std::move(file->lines);
}

int MaxRpmScale(const std::vector<RunLogLine>& lines) {
    int maximum = 0;
    for (const RunLogLine& line : lines) {
        if (line.rpm < kNoDataRpm && line.rpm > maximum) maximum = line.rpm;
        if (maximum == 0) maximum = kNoRpmScale;
    }
    if (lines.empty()) maximum = kNoRpmScale;
    // A scale of 0 would divide by zero: a log that never turned shows 1 at full scale.
    return std::max(1, static_cast<int>(std::lround(maximum / 1000.0)));
}

TimeWindow CorrectWindow(double start, double end) {
    TimeWindow w;
    w.start = std::clamp(start, 0.0, 50.0);
    w.end = std::clamp(end, 1.0, 51.2);
    w.count = static_cast<int>(std::nearbyint(w.end * kLinesPerMinute - w.start * kLinesPerMinute));
    w.skip = static_cast<int>(std::nearbyint(w.start * kLinesPerMinute));
    return w;
}

double ChartXOfLine(const TimeWindow& w, int line) {
    // Line skip + k is drawn at the x of k - 1.
    return w.count > 0 ? double(line - w.skip - 1) / w.count * kWidth : -1;
}

std::optional<std::vector<RunLogLine>> RunOfCycle(const std::string& path, int cycle,
                                                  std::string& error) {
    const auto log = ReadRunLogExport(path, error);
    if (!log) return std::nullopt;
    for (const EngineRun& run : FindRuns(log->lines, IdleRpm(*log, std::nullopt)))
        if (run.cycle == cycle)
            return std::vector<RunLogLine>(log->lines.begin() + run.firstLine - 1,
                                           log->lines.begin() + run.lastLine());
    error = path + ": " +
            QCoreApplication::translate("norva::TimeChart", "no engine run of cycle %1")
                .arg(cycle)
                .toStdString();
    return std::nullopt;
}

QString OverlayLegend(const QString& path, int cycle) {
    return QCoreApplication::translate("norva::TimeChart", "%1, cycle %2")
        .arg(QFileInfo(path).fileName())
        .arg(cycle);
}

int OverlayStart(const std::vector<RunLogLine>& lines, const TimeWindow& window) {
    for (const EngineRun& run : FindRuns(lines, std::nullopt))
        if (run.firstLine - 1 > window.skip && run.firstLine - 1 <= window.skip + window.count)
            return run.firstLine - 1;
    return window.skip + 1;
}

double RoundStep(double minutes, int labels) {
    const double rough = std::max(minutes, 1e-3) / labels;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

namespace {

// A curve with no more points than its pixels show: of the points falling in one pixel column
// the first, the lowest, the highest and the last, in their order.
std::vector<QPointF> Decimated(const std::vector<QPointF>& points, double unitsPerPixel) {
    if (points.size() < 4 || unitsPerPixel <= 0) return points;
    std::vector<QPointF> out;
    size_t first = 0;
    while (first < points.size()) {
        const double column = std::floor(points[first].x() / unitsPerPixel);
        size_t last = first, low = first, high = first;
        while (last + 1 < points.size() &&
               std::floor(points[last + 1].x() / unitsPerPixel) == column) {
            ++last;
            if (points[last].y() < points[low].y()) low = last;
            if (points[last].y() > points[high].y()) high = last;
        }
        out.push_back(points[first]);
        for (const size_t k : {std::min(low, high), std::max(low, high), last})
            if (k != first && (out.back() != points[k])) out.push_back(points[k]);
        first = last + 1;
    }
    return out;
}

// Labels at round minutes, each where its minute is drawn.
void RoundMinuteLabels(Canvas& canvas, const TimeWindow& w, double fontScale) {
    const double step = RoundStep(w.end - w.start);
    const char* picture = step >= 1 ? "0" : step >= 0.1 ? "0.#" : "0.##";
    for (double m = std::ceil(w.start / step) * step; m <= w.end; m += step) {
        const double x = ChartXOfLine(w, int(std::lround(m * kLinesPerMinute)));
        if (x < 15 || x > kWidth - 15) continue;  // the frame is its own mark
        canvas.line(x, kTop, x, kBottom);
        canvas.setFontSize(kTimePoints * fontScale);
        TextAt(canvas, x - 3, 262, Format(m, picture));
        canvas.setFontSize(kChartPoints * fontScale);
    }
}

// The limits as thin dotted lines, the events as small flags along the top, another run dotted
// over the log with its legend.
void DrawMarks(Canvas& canvas, const TimeWindow& w, int scale, const ChartMarks& marks,
               const QColor (&colours)[4]) {
    canvas.setLineStyle(LineStyle::Dot);
    const auto across = [&](double y, const QColor& colour) {
        canvas.line(0, y, kWidth, y, colour);
    };
    if (marks.maxEgtC) across(Y(*marks.maxEgtC * 0.255), colours[1]);
    for (const auto& speed : {marks.fullRpm, marks.idleRpm})
        if (speed) across(Y(*speed / double(scale) / 1000 * 255), colours[0]);
    canvas.setLineStyle(LineStyle::Solid);
    const QColor flag(160, 0, 0);
    for (const ChartMarks::Event& e : marks.events) {
        const double x = ChartXOfLine(w, e.line);
        if (x < 0 || x > kWidth) continue;
        canvas.line(x, kTop, x, kTop + 14, flag);
        canvas.line(x, kTop, x + 8, kTop + 4, flag);
        canvas.line(x + 8, kTop + 4, x, kTop + 8, flag);
    }
    if (marks.overlay.empty()) return;
    canvas.setLineStyle(LineStyle::Dot);
    double previous[4] = {}, previousX = 0;
    bool started = false;  // a line drawn from the sample before: one inside, with data
    for (size_t j = 0; j < marks.overlay.size(); ++j) {
        const double x = ChartXOfLine(w, marks.overlayAt + int(j));
        const RunLogLine& l = marks.overlay[j];
        const double y[4] = {Y(l.rpm / double(scale) / 1000 * 255), Y(l.temp * 0.255),
                             Y(l.throttle * 0.255), Y(l.pump * 0.255)};
        const bool inside = x >= 0 && x <= kWidth && l.rpm < kNoDataRpm;
        for (int c = 0; c < 4 && inside && started; ++c)
            canvas.line(previousX, previous[c], x, y[c], colours[c]);
        if (inside) std::copy(y, y + 4, previous), previousX = x;
        started = inside;
    }
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setForeColor(Qt::black);
    TextAt(canvas, 8, kTop + 16, QStringLiteral("… ") + marks.overlayLegend);
}

}  // namespace

TimeWindow DrawTimeChart(Canvas& canvas, const std::vector<RunLogLine>& lines, double start,
                         double end, double fontScale, std::optional<ShadedLines> shaded,
                         const QString& heading, const ChartMarks& marks) {
    const int scale = MaxRpmScale(lines);
    const TimeWindow w = CorrectWindow(start, end);
    const QColor colours[4] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 0),
                               QColor(0, 192, 0)};
    canvas.clear();
    if (heading.isEmpty()) {
        canvas.scale(-50, -10, 1100, 300);
    } else {
        constexpr double kHeadingRoom = 40;
        canvas.scale(-50, -10 - kHeadingRoom, 1100, 300 + kHeadingRoom);
        canvas.setFont({kSans, kChartPoints * fontScale, true});
        canvas.setForeColor(Qt::black);
        TextAt(canvas, 0, -10 - kHeadingRoom + 2, heading);
        canvas.setFont({kSans, kChartPoints * fontScale, false});
        const char* legends[4] = {"R.P.M.x1000", "E.G.T.(\u00BAC) x10", "Throttle (%)", "Pump (%)"};
        for (int c = 0; c < 4; ++c) {
            // The curve's colour, made readable where it is too light on the page.
            canvas.setForeColor(ReadableOn(colours[c], canvas.backColor()));
            TextAt(canvas, 250.0 * c, -26, QString::fromUtf8(legends[c]));
        }
    }
    if (shaded && w.count > 0) {
        const auto x = [&](int index) {
            return std::clamp(std::floor(ChartXOfLine(w, index)), 0.0, double(kWidth));
        };
        const double from = x(shaded->first);
        const double to = x(shaded->last);
        if (to > from) canvas.filledBox(from, kTop, to, kBottom, QColor(255, 228, 196));
    }
    canvas.setFont({kSans, kChartPoints * fontScale, false});
    canvas.setForeColor(Qt::black);
    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.box(0, kTop, kWidth, kBottom);
    canvas.setLineStyle(LineStyle::Dot);
    // The time labels are the minutes drawn, after their correction.
    const char* timePicture = w.end - w.start < 10 ? "###.#" : "###";
    for (int i = 1; i <= 9 && !marks.roundMinutes; ++i) {
        const double x = 100.0 * i;
        canvas.line(x, kTop, x, kBottom);
        canvas.setFontSize(kTimePoints * fontScale);
        TextAt(canvas, x - 3, 262, Format(w.start + i * (w.end - w.start) / 10, timePicture));
        canvas.setFontSize(kChartPoints * fontScale);
    }
    if (marks.roundMinutes) RoundMinuteLabels(canvas, w, fontScale);
    for (int j = 0; j <= 10; ++j) {
        const double y = kBottom - 25.5 * j;
        canvas.line(0, y, kWidth, y);
        TextAt(canvas, -40, y - 9, Format(scale / 10.0 * j, "#0"));
        TextAt(canvas, 1010, y - 9, Format(10.0 * j, "#0"));
    }
    constexpr double kCycleLegendX = 950;
    TextAt(canvas, kCycleLegendX, 278, QStringLiteral("<---Cycle"));
    canvas.setLineStyle(LineStyle::Solid);
    DrawMarks(canvas, w, scale, marks, colours);

    double previousY[4] = {kBottom, kBottom, kBottom, kBottom};
    // A zoomed view draws each curve at once, fast enough to follow the wheel; the views the
    // log always had draw it a line at a time, the four curves in turn, as they always looked.
    const bool atOnce = marks.roundMinutes;
    std::vector<QPointF> curves[4];
    double previousX = 0;
    double x = 0;
    int lastCycle = 0;
    // A cycle number that would run into the one before it, or into "<---Cycle", is left out.
    const double gap = canvas.textWidth(QStringLiteral(" "));
    double labelsEnd = -kWidth;
    for (int k = 1; k <= w.count; ++k) {
        // The line after the skipped ones: start 10 draws from line 1202 on.
        const size_t index = static_cast<size_t>(w.skip + k);
        if (index >= lines.size()) break;  // past the log: nothing to draw
        const RunLogLine& line = lines[index];
        if (line.cycle != lastCycle) {
            const QString label = Format(line.cycle, "###");
            const double right = x + canvas.textWidth(label);
            if (x >= labelsEnd + gap && right + gap <= kCycleLegendX) {
                TextAt(canvas, x, 278, label);
                labelsEnd = right;
            }
            lastCycle = line.cycle;
        }
        const double y[4] = {Y(line.rpm / double(scale) / 1000 * 255), Y(line.temp * 0.255),
                             Y(line.throttle * 0.255), Y(line.pump * 0.255)};
        for (int c = 0; c < 4; ++c) {
            if (!atOnce)
                canvas.line(previousX, previousY[c], x, y[c], colours[c]);
            else if (curves[c].empty())
                curves[c] = {{previousX, previousY[c]}, {x, y[c]}};
            else
                curves[c].emplace_back(x, y[c]);
            previousY[c] = y[c];
        }
        previousX = x;
        x = std::floor(double(k) / w.count * kWidth);
    }
    const double unitsPerPixel =
        canvas.userScale().width / std::max(1.0, canvas.areaPixels().width());
    for (int c = 0; c < 4; ++c) canvas.polyline(Decimated(curves[c], unitsPerPixel), colours[c]);
    return w;
}

std::optional<int> LineAt(const std::vector<RunLogLine>& lines, const TimeWindow& window,
                          double x) {
    if (window.count <= 0 || x < 0 || x > kWidth) return std::nullopt;
    const int k = static_cast<int>(std::lround(x / kWidth * window.count));
    const size_t index = static_cast<size_t>(window.skip + std::max(1, k));
    if (index >= lines.size()) return std::nullopt;
    return static_cast<int>(index);
}

}  // namespace norva
