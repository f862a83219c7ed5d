// The run log's own work: converting and exporting a full log, drawing all 51 minutes, and
// finding the runs of an export; the workbench's redraw at a zoom and its cursors' readout.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "runlog/RunLog.h"
#include "runlog/Runs.h"
#include "runlog/SpanStats.h"
#include "runlog/TimeChart.h"
#include "ui/PainterCanvas.h"

using namespace norva;

namespace {
// A full raw log of changing samples, in the download's layout.
std::vector<uint8_t> FullRawLog() {
    std::vector<uint8_t> raw = {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 252, 253};
    for (int p = 0; p < kRunLogPages; ++p) {
        raw.push_back(uint8_t(p / 100));
        raw.push_back(uint8_t(p));
        for (int j = 0; j < 30; ++j) raw.push_back(uint8_t((p * 7 + j * 13) % 256));
    }
    raw.resize(kDownloadBytes, 0);
    return raw;
}
}  // namespace

static void BM_RunLogConvertAndExport(benchmark::State& state) {
    const auto raw = FullRawLog();
    QTemporaryDir dir;
    std::string error;
    for (auto _ : state) {
        const auto lines = ConvertRunLog(raw);
        WriteLines(dir.filePath("log.txt"),
                   ExportLines(*lines, QDateTime::currentDateTime(), nullptr), error);
    }
}
BENCHMARK(BM_RunLogConvertAndExport)->Unit(benchmark::kMillisecond);

static void BM_TimeChartWhole51Minutes(benchmark::State& state) {
    const auto lines = *ConvertRunLog(FullRawLog());
    ImageCanvas canvas(QSize(554, 296));
    canvas.setBackColor(Qt::white);
    for (auto _ : state) {
        DrawTimeChart(canvas, lines, 0, 51.2);
        benchmark::DoNotOptimize(canvas.image());
    }
}
BENCHMARK(BM_TimeChartWhole51Minutes)->Unit(benchmark::kMillisecond);

// `runlog runs` on a full export with the whole configuration behind it: reading the file
// strictly and finding the runs.
static void BM_RunsOfAFullExport(benchmark::State& state) {
    const auto lines = *ConvertRunLog(FullRawLog());
    std::array<uint8_t, 257> image{};
    image[47] = 7;  // full access: every cell in the trailer
    image[50] = 35;
    QTemporaryDir dir;
    std::string error;
    const QString path = dir.filePath("run.txt");
    WriteLines(path, ExportLines(lines, QDateTime::currentDateTime(), &image), error);
    for (auto _ : state) {
        const auto file = ReadRunLogExport(path.toStdString(), error);
        benchmark::DoNotOptimize(FindRuns(file->lines, IdleRpm(*file, std::nullopt)));
    }
}
BENCHMARK(BM_RunsOfAFullExport)->Unit(benchmark::kMillisecond);

// The chart redrawn at a zoom of the whole log, 10 minutes and 1 minute, with the unit's limits,
// an event and a run laid over it, on the window's canvas.
static void BM_TimeChartRedrawZoomed(benchmark::State& state) {
    const auto lines = *ConvertRunLog(FullRawLog());
    ChartMarks marks{.roundMinutes = true,
                     .maxEgtC = 750,
                     .fullRpm = 120000,
                     .idleRpm = 35000,
                     .events = {{3000, QStringLiteral("over-temperature")}},
                     .overlay = std::vector<RunLogLine>(lines.begin() + 100, lines.begin() + 900),
                     .overlayAt = 2000,
                     .overlayLegend = QStringLiteral("b.txt, cycle 9")};
    const double minutes = state.range(0) / 10.0;
    ImageCanvas canvas(QSize(554, 296));
    canvas.setBackColor(Qt::white);
    for (auto _ : state) {
        DrawTimeChart(canvas, lines, 20 - minutes / 2, 20 + minutes / 2, 1, std::nullopt, {},
                      marks);
        benchmark::DoNotOptimize(canvas.image());
    }
}
BENCHMARK(BM_TimeChartRedrawZoomed)->Arg(512)->Arg(100)->Arg(10)->Unit(benchmark::kMillisecond);

// What the cursors' readout computes as the mouse moves: the span of the whole log.
static void BM_SpanReadoutWholeLog(benchmark::State& state) {
    const auto lines = *ConvertRunLog(FullRawLog());
    for (auto _ : state)
        benchmark::DoNotOptimize(StatsText(StatsBetween(lines, 0, int(lines.size()) - 1), false));
}
BENCHMARK(BM_SpanReadoutWholeLog)->Unit(benchmark::kMicrosecond);
