#include "perfchart/PerfChart.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include "base/NumberText.h"
#include "base/NumberedLines.h"

#include "ui/Canvas.h"
#include "ui/PainterCanvas.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::PerfChart)
};
}  // namespace

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QString kSans = QStringLiteral("Liberation Sans");  // Arial's stand-in

// Screen chart.
constexpr int kBottom = 260;
constexpr int kStep = 17;
constexpr int kJoinX = 3;
constexpr int kJoinY = 5;

// Printed page.
constexpr int kPageBottom = 2600;
constexpr int kPageStep = 170;
constexpr int kPageRight = 2380;
constexpr int kJump = 40;

// A coordinate as the chart keeps it: whole units where the formula puts it. What lies outside
// the chart is cut off by its clip, never moved to the edge; only values far beyond any
// drawing are held, so that the arithmetic stays within an int.
int Unit(double value) {
    constexpr double kFar = 1e6;
    if (!std::isfinite(value)) return value > 0 ? int(kFar) : -int(kFar);
    return static_cast<int>(std::clamp(std::floor(value), -kFar, kFar));
}

// The first printed point is joined to nothing when there is no screen point before it.
constexpr int kNoPrevious = -2 * 1000 * 1000;

QString Format(double value, const char* picture) {
    return QString::fromStdString(FormatNumber(value, picture));
}

void TextAt(Canvas& canvas, double x, double y, const QString& text) {
    canvas.moveTo(x, y);
    canvas.print(text);
}

// The page places its text by a white dot at the corner, as its printer did.
void PageText(Canvas& canvas, double x, double y, const QString& text) {
    canvas.point(x, y, kWhite);
    canvas.print(text);
}

constexpr double kThrustLabelX = 272;

// The scale arithmetic keeps the unit's single-precision steps where its values are single, so
// labels and points land where they always have (the first thrust label reads 10, not 11).
double ThrustLabel(const ChartScales& s, int k) {
    return static_cast<float>(static_cast<float>(k) * s.pressureFactor) * 7.0f / 0.006;
}

double PressureLabel(const ChartScales& s, int k) {
    return static_cast<float>(k) * s.pressureFactor * 0.1 / 0.006;
}

// Pressure times 1000 (screen) or 10000 (page), as a single.
double PressureUnits(const ChartScales& s, float pressure, float times) {
    return static_cast<float>(pressure * times) / 5.85 * 0.006 / s.pressureFactor;
}

}  // namespace

void IniciaGrafic(Canvas& canvas, const ChartScales& scales, PlotMemory& memory) {
    canvas.clear();
    canvas.scale(-20, -10, 300, 300);
    // The widest thrust label ("137") ends inside the picture: the scale reaches as far right
    // as it needs (the chart narrows a little), measured twice since the text's width in the
    // scale's units follows the scale.
    for (int pass = 0; pass < 2; ++pass) {
        const double right =
            kThrustLabelX + canvas.textWidth(Format(ThrustLabel(scales, 13), "#0")) + 1;
        if (right > canvas.userScale().left + canvas.userScale().width)
            canvas.scale(-20, -10, right + 20, 300);
    }
    canvas.setForeColor(Qt::black);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setLineWidth(2);
    canvas.box(0, 5, 255, kBottom);
    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Dot);
    for (int k = 1, x = kStep; x <= 238; ++k, x += kStep) {
        TextAt(canvas, x - 3, 265,
               scales.pressureAxis ? Format(PressureLabel(scales, k), "0.##")
                                   : Format(k * double(scales.fullSpeed) / 15, "###"));
        canvas.line(x, 5, x, kBottom);
    }
    // Each curve keeps its scale and its caption whatever runs along the bottom: speed on the
    // left, temperature and thrust on the right.
    for (int k = 0; k <= 13; ++k) {
        const int l = kBottom - kStep * k;
        TextAt(canvas, -13, l - 7, Format(10 * k, "#0"));
        TextAt(canvas, 258, l - 7, Format(400 + 30 * k, "#0"));
        TextAt(canvas, kThrustLabelX, l - 7, Format(ThrustLabel(scales, k), "#0"));
        canvas.line(0, l - kStep, 254, l - kStep);
    }
    TextAt(canvas, 254, 22, Format(ThrustLabel(scales, 14), "#0"));
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setLineWidth(2);
    memory.prevThrustY = memory.prevEgtY = memory.prevRpmY = kBottom;
}

void PintaPunt(Canvas& canvas, const ChartScales& s, PlotMemory& m, const MeasureRecord& p) {
    const int x = s.pressureAxis ? Unit(PressureUnits(s, p.pressure, 1000))
                                 : Unit(double(p.speed) / s.fullSpeed * 255);
    canvas.setClip(0, 5, 255, kBottom);
    const bool near = std::abs(x - m.prevX) <= kJoinX;
    const auto plot = [&](int y, int& previous, const QColor& colour) {
        if (std::abs(previous - y) <= kJoinY && near)
            canvas.line(m.prevX, previous, x, y, colour);
        else
            canvas.point(x, y, colour);
        previous = y;
    };
    plot(Unit(kBottom - std::floor(p.speed / 0.588)), m.prevRpmY, kBlue);
    plot(Unit(kBottom - std::floor((p.egt - 400) / 1.76)), m.prevEgtY, kRed);
    if (p.thrust != 0) {
        const int y = Unit(kBottom - std::floor(p.thrust * 2.43 * 0.006 / s.pressureFactor));
        canvas.setLineWidth(8);
        canvas.point(x, y, kGreen);
        canvas.setLineWidth(2);
        canvas.line(m.prevThrustX, m.prevThrustY, x, y, kGreen);
        m.prevThrustX = x;
        m.prevThrustY = y;
    }
    m.prevX = x;
    canvas.clearClip();
}

CanvasFont ChartFont(double factor) {
    return {kSans, 9 * factor, false};
}

void ReplayChart(Canvas& canvas, const ChartScales& scales, PlotMemory& memory,
                 const std::vector<MeasureRecord>& records) {
    IniciaGrafic(canvas, scales, memory);
    memory.prevThrustX = 0;
    for (const MeasureRecord& record : records) PintaPunt(canvas, scales, memory, record);
}

void PrintChartPage(Canvas& canvas, const ChartScales& scales,
                    const std::vector<MeasureRecord>& records, const QString& fileName,
                    const QDateTime& modified, std::optional<int> screenPrevX) {
    canvas.scale(-500, -500, 3500, 8000);
    canvas.setForeColor(Qt::black);
    canvas.setFont({kSans, 18, false});
    PageText(canvas, 150, -300, QStringLiteral("NORVA System"));
    canvas.setFontSize(10);
    PageText(canvas, 1000, -220,
             QStringLiteral("file:") + fileName + QStringLiteral("     Date:") +
                 modified.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    canvas.setFontBold(true);
    PageText(canvas, -260, 2800, QStringLiteral("R.P.M.x1000"));
    PageText(canvas, 2250, 2800, QStringLiteral("E.G.T.(\u00BAC)"));
    PageText(canvas, 2550, 2800, QStringLiteral("Thrust(N)"));
    PageText(canvas, 820, 2800, QStringLiteral("Pressure (Bar)"));
    canvas.setFontBold(false);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setLineWidth(2);
    canvas.box(0, 50, kPageRight, kPageBottom);
    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Dot);
    for (int k = 1; k * kPageStep <= kPageRight; ++k) {
        const int x = k * kPageStep;
        PageText(canvas, x - 30, 2650, Format(PressureLabel(scales, k), "0.##"));
        canvas.line(x, 50, x, kPageBottom);
    }
    for (int k = 0; k <= 14; ++k) {
        const int y = 2430 - kPageStep * k;
        const int speed = 10 * k;
        PageText(canvas, speed < 100 ? -100 : -130, y + 120, Format(speed, "#0"));
        PageText(canvas, 2420, y + 120, Format(400 + 30 * k, "#0"));
        PageText(canvas, 2580, y + 120, Format(ThrustLabel(scales, k), "#0"));
        canvas.line(0, y, kPageRight, y);
    }
    PageText(canvas, -130, 0, Format(150, "#0"));
    PageText(canvas, 2420, 0, Format(850, "#0"));
    PageText(canvas, 2580, 0, Format(ThrustLabel(scales, 15), "#0"));
    canvas.setLineStyle(LineStyle::Solid);

    // The first point is compared with the screen's last x; the first thrust line starts at the
    // left edge of the box, as on the screen.
    PlotMemory memory{screenPrevX.value_or(kNoPrevious), kPageBottom, kPageBottom, 0, kPageBottom};
    for (const MeasureRecord& record : records) PrintaPunt(canvas, scales, memory, record);
}

bool PrintMeasurePage(QPagedPaintDevice& device, const ChartScales& scales,
                      const std::vector<MeasureRecord>& records, const QString& path,
                      std::optional<int> screenPrevX) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PainterCanvas canvas(painter);
    const QFileInfo file(path);
    PrintChartPage(canvas, scales, records, file.fileName(), file.lastModified(), screenPrevX);
    return painter.end();
}

void PrintaPunt(Canvas& canvas, const ChartScales& s, PlotMemory& m, const MeasureRecord& p) {
    canvas.setLineWidth(3);
    const int x = Unit(PressureUnits(s, p.pressure, 10000));
    // Beyond the box a curve is cut off: it never runs across the axis titles.
    canvas.setClip(0, 50, kPageRight, kPageBottom);
    // On the page only the distance in x decides, for both curves.
    const bool jump = std::abs(x - m.prevX) > kJump;
    const auto plot = [&](int y, int& previous, const QColor& colour) {
        if (jump)
            canvas.point(x, y, colour);
        else
            canvas.line(m.prevX, previous, x, y, colour);
        previous = y;
    };
    plot(Unit(kPageBottom - std::floor(p.speed / 0.0588)), m.prevRpmY, kBlue);
    plot(Unit(kPageBottom - std::floor((p.egt - 400) / 0.176)), m.prevEgtY, kRed);
    if (p.thrust != 0) {
        const int y = Unit(kPageBottom - std::floor(p.thrust * 24.3 * 0.006 / s.pressureFactor));
        canvas.setLineWidth(2);
        canvas.line(x - 20, y - 30, x + 20, y + 30, Qt::black);
        canvas.line(x - 20, y + 30, x + 20, y - 30, Qt::black);
        canvas.setLineWidth(3);
        canvas.line(m.prevThrustX, m.prevThrustY, x, y, kGreen);
        m.prevThrustX = x;
        m.prevThrustY = y;
    }
    m.prevX = x;
    canvas.clearClip();
}

std::string MeasureLine(const MeasureRecord& r) {
    return PlainNumberText(r.pressure) + "," + PlainNumberText(r.speed) + "," +
           PlainNumberText(r.thrust) + "," + PlainNumberText(r.egt);
}

std::optional<std::vector<MeasureRecord>> ReadMeasureFile(const std::string& path,
                                                          std::string& error) {
    const auto text = ReadWholeFile(path, error);
    if (!text) return std::nullopt;
    const auto values = ParseValues(*text, path, error);
    if (!values) return std::nullopt;
    if (values->size() % 4 != 0) {
        error = Where(path, values->back().line) +
                Texts::tr("the file ends inside a record: %1 values, four to a record")
                    .arg(values->size())
                    .toStdString();
        return std::nullopt;
    }
    std::vector<MeasureRecord> records;
    records.reserve(values->size() / 4);
    for (size_t i = 0; i < values->size(); i += 4)
        records.push_back({float((*values)[i].value), float((*values)[i + 1].value),
                           float((*values)[i + 2].value), float((*values)[i + 3].value)});
    return records;
}

}  // namespace norva
