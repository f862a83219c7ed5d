// The run log's own work: converting and exporting a full log, and drawing all 51 minutes.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "runlog/RunLog.h"
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
