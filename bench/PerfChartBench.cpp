// The performance chart's redraw after a resize: one hour of recording at the default 250 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>

#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "perfchart/PerformanceChartWindow.h"
#include "support/UnitStateAccess.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using norva::testing::Writable;

static void BM_RedibuixaOneHour(benchmark::State& state) {
    QTemporaryDir dir;
    SimBackend backend;
    Link link(backend);
    ScriptedDialogs dialogs;
    Config settings;
    PerformanceChartWindow window(link, dialogs, settings, dir.filePath("norva10.ini"),
                                  dir.filePath("chart"));
    window.resize(627, 400);
    window.run().stop();
    // 14 400 ticks of an engine going up and down its curve, a thrust typed now and then.
    for (int i = 0; i < 14400; ++i) {
        const double f = 0.5 + 0.5 * std::sin(i / 300.0);
        Writable(link.Pressure) = static_cast<float>(2.0 * f * f);
        Writable(link.EngineSpeed) = static_cast<float>(35 + 85 * f);
        Writable(link.Egt) = static_cast<float>(560 + 150 * f);
        if (i % 60 == 0) window.run().ManualThrust = static_cast<float>(120 * f * f);
        window.run().tick();
    }
    Canvas& face = window.Picture1->face();
    for (auto _ : state) {
        window.Redibuixa(face);
        benchmark::DoNotOptimize(window.Picture1->faceImage());
    }
    window.run().stop();
}
BENCHMARK(BM_RedibuixaOneHour)->Unit(benchmark::kMillisecond);
