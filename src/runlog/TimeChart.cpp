#include "runlog/TimeChart.h"

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

TimeWindow DrawTimeChart(Canvas& canvas, const std::vector<RunLogLine>& lines, double start,
                         double end, double fontScale, std::optional<ShadedLines> shaded,
                         const QString& heading) {
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
        // Line skip + k is drawn at the x of k - 1.
        const auto x = [&](int index) {
            return std::clamp(std::floor(double(index - w.skip - 1) / w.count * kWidth), 0.0,
                              double(kWidth));
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
    for (int i = 1; i <= 9; ++i) {
        const double x = 100.0 * i;
        canvas.line(x, kTop, x, kBottom);
        canvas.setFontSize(kTimePoints * fontScale);
        TextAt(canvas, x - 3, 262, Format(w.start + i * (w.end - w.start) / 10, timePicture));
        canvas.setFontSize(kChartPoints * fontScale);
    }
    for (int j = 0; j <= 10; ++j) {
        const double y = kBottom - 25.5 * j;
        canvas.line(0, y, kWidth, y);
        TextAt(canvas, -40, y - 9, Format(scale / 10.0 * j, "#0"));
        TextAt(canvas, 1010, y - 9, Format(10.0 * j, "#0"));
    }
    constexpr double kCycleLegendX = 950;
    TextAt(canvas, kCycleLegendX, 278, QStringLiteral("<---Cycle"));
    canvas.setLineStyle(LineStyle::Solid);

    double previousY[4] = {kBottom, kBottom, kBottom, kBottom};
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
            canvas.line(previousX, previousY[c], x, y[c], colours[c]);
            previousY[c] = y[c];
        }
        previousX = x;
        x = std::floor(double(k) / w.count * kWidth);
    }
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
