// Measure files (.nvm): read, then drawn over the chart and on its printed page.
#include "FuzzFile.h"
#include "perfchart/PerfChart.h"
#include "ui/PainterCanvas.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norva::fuzz::StartGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto records = norva::ReadMeasureFile(norva::fuzz::AsFile(data, size), error);
    if (!records) return 0;
    for (bool pressureAxis : {true, false}) {
        norva::ChartScales scales;
        scales.pressureAxis = pressureAxis;
        norva::PlotMemory memory;
        norva::ImageCanvas chart(QSize(160, 120));
        norva::ReplayChart(chart, scales, memory, *records);
        norva::ImageCanvas page(QSize(120, 160));
        norva::PrintChartPage(page, scales, *records, QStringLiteral("run.nvm"), QDateTime());
    }
    return 0;
}
