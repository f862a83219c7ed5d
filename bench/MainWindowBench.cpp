// Main window benchmarks: one ShowLiveValues, and the window on the simulated unit at 1000
// reports per second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "BenchSupport.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "mainwin/MainWindow.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;

static void BM_ShowLiveValues(benchmark::State& state) {
    bench::NullBackend backend;
    Link link(backend);
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    MainWindow window(link, dialogs, dir.filePath("norva10.ini"));
    link.Timer3.stop();
    window.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        link.EngineSpeed = static_cast<float>(i % 250);
        link.Egt = static_cast<float>((i * 7) % 900);
        link.StickPosition = static_cast<int16_t>(i % 101);
        link.PumpPower = static_cast<float>((i * 3) % 101);
        link.BatteryCurrent = static_cast<int16_t>(i % 200);
        link.ReportText[3] = static_cast<char>('0' + i % 10);
        ++i;
        window.ShowLiveValues();
    }
}
BENCHMARK(BM_ShowLiveValues)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Everything on the user-interface thread: polls, dispatches, label updates and painting.
static void BM_MainWindowSimulatedUnit1000PerSecond(benchmark::State& state) {
    for (auto _ : state) {
        sim::SimOptions options;
        options.rate = 1000;
        SimBackend backend(options);
        Link link(backend);
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        MainWindow window(link, dialogs, dir.filePath("norva10.ini"));
        window.show();
        long long dispatched = 0;
        QObject::connect(&link, &Link::dispatched, [&] { ++dispatched; });
        QTimer::singleShot(10000, Qt::PreciseTimer, [] { QApplication::quit(); });
        const double cpuBefore = bench::ThreadCpuSeconds();
        QApplication::exec();
        const double cpu = bench::ThreadCpuSeconds() - cpuBefore;
        link.Timer3.stop();
        bench::CountDelivery(state, backend, dispatched);
        state.counters["ui_thread_cpu_percent"] = 100.0 * cpu / 10.0;
    }
}
BENCHMARK(BM_MainWindowSimulatedUnit1000PerSecond)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
