// Main window benchmarks: one ShowLiveValues, and the window on the simulated unit at 1000
// reports per second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "BenchSupport.h"
#include "app/App.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "mainwin/MainWindow.h"
#include "support/UnitStateAccess.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;

using norva::testing::Writable;

namespace {
// The program with its main window, on the given unit, with a settings file of its own.
std::unique_ptr<App> MakeApp(std::unique_ptr<HidBackend> backend, const QTemporaryDir& dir) {
    AppOptions options;
    options.settingsPath = dir.filePath("norva10.ini");
    options.dialogs = std::make_unique<ScriptedDialogs>();
    return std::make_unique<App>(std::move(backend), std::move(options));
}
}  // namespace

static void BM_ShowLiveValues(benchmark::State& state) {
    QTemporaryDir dir;
    auto app = MakeApp(std::make_unique<bench::NullBackend>(), dir);
    Link& link = app->link();
    MainWindow& window = *app->mainWindow();
    link.pausePolling();
    window.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        Writable(link.EngineSpeed) = static_cast<float>(i % 250);
        Writable(link.Egt) = static_cast<float>((i * 7) % 900);
        Writable(link.StickPosition) = static_cast<int16_t>(i % 101);
        Writable(link.PumpPower) = static_cast<float>((i * 3) % 101);
        Writable(link.BatteryCurrent) = static_cast<int16_t>(i % 200);
        Writable(link.ReportText)[3] = static_cast<char>('0' + i % 10);
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
        QTemporaryDir dir;
        auto app = MakeApp(std::make_unique<SimBackend>(options), dir);
        auto& backend = static_cast<SimBackend&>(app->backend());
        Link& link = app->link();
        app->mainWindow()->show();
        long long dispatched = 0;
        QObject::connect(&link, &Link::dispatched, [&] { ++dispatched; });
        QTimer::singleShot(10000, Qt::PreciseTimer, [] { QApplication::quit(); });
        const double cpuBefore = bench::ThreadCpuSeconds();
        QApplication::exec();
        const double cpu = bench::ThreadCpuSeconds() - cpuBefore;
        link.pausePolling();
        bench::CountDelivery(state, backend, dispatched);
        state.counters["ui_thread_cpu_percent"] = 100.0 * cpu / 10.0;
    }
}
BENCHMARK(BM_MainWindowSimulatedUnit1000PerSecond)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
