// Run-log exports: the runs as `runlog runs` lists them and the time chart as `timechart`
// draws it.
#include "FuzzFile.h"
#include "runlog/Runs.h"
#include "runlog/TimeChart.h"
#include "ui/PainterCanvas.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norva::fuzz::StartGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = norva::fuzz::AsFile(data, size);
    std::string error;
    if (const auto file = norva::ReadRunLogExport(path, error)) {
        for (const auto& run : norva::FindRuns(file->lines, norva::IdleRpm(*file, 35000))) {
            norva::RunCsvLine(run);
            norva::RunText(run);
        }
    }
    const auto lines = norva::ReadExportFile(path, error);
    if (!lines) return 0;
    norva::ImageCanvas canvas(QSize(200, 110));
    const auto drawn = norva::DrawTimeChart(canvas, *lines, 0, 51.2, 1, norva::ShadedLines{2, 40},
                                            QStringLiteral("run.txt"));
    norva::LineAt(*lines, drawn, 500);
    return 0;
}
