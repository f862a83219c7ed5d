// Configuration files against the simulated unit at 1000 reports per second: the time a clone
// write and a parameter save take (against a unit answering a read in four reports, and in
// one), and the longest time the user-interface thread was kept from its event loop meanwhile.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "base/NumberedLines.h"
#include "cli/Program.h"
#include "config/CloneFile.h"
#include "config/CloneImage.h"
#include "config/ParameterFile.h"
#include "factory/FactoryCommands.h"
#include "link/hid/SimBackend.h"
#include "logbook/LogDownload.h"
#include "runlog/Download.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;

namespace {

Task<> Keep(Task<OpStatus> operation, OpStatus& status, bool& ended) {
    status = co_await std::move(operation);
    ended = true;
}

// Runs the event loop until `done` holds or the time is up.
void RunUntil(const std::function<bool()>& done, int ms) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    check.start(2);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Measured {
    double seconds = 0;
    double longestBlockMs = 0;
    OpStatus status = OpStatus::Stopped;
    uint64_t reportsSent = 0;
};

// Runs the program without windows on a fast simulated unit until its image is complete,
// then the operation, timing it and watching how late a 1 ms timer gets.
Measured Run(const std::function<void(ScriptedDialogs&)>& answers,
             const std::function<Task<OpStatus>(Program&, Services)>& operation,
             int answerReports = 4, const std::function<void(sim::SimOptions&)>& unitOptions = {}) {
    sim::SimOptions sim;
    sim.rate = 1000;
    sim.answerReports = answerReports;
    sim.engineOff = true;  // the engine's own books (cycles, times) stay as written
    if (unitOptions) unitOptions(sim);
    QTemporaryDir dir;
    ProgramOptions options;
    options.settingsPath = dir.filePath("norva10.ini");
    options.backupFolder = dir.filePath("backups");
    auto dialogs = std::make_unique<ScriptedDialogs>();
    answers(*dialogs);
    options.dialogs = std::move(dialogs);
    options.progress = std::make_unique<NoProgress>();
    auto backend = std::make_unique<SimBackend>(sim);
    SimBackend& unit = *backend;
    Program app(std::move(backend), std::move(options));
    Link& link = app.link();
    link.start();
    RunUntil([&] { return link.BackupByteCount >= Link::kImageComplete; }, 10000);

    Measured m;
    bool ended = false;
    QElapsedTimer tick;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        m.longestBlockMs = std::max(m.longestBlockMs, tick.nsecsElapsed() / 1e6 - 1);
        tick.restart();
    });
    const Services s = app.services();
    const uint64_t writtenBefore = unit.reportsWritten();
    QElapsedTimer clock;
    clock.start();
    tick.start();
    watch.start();
    link.Operation.start(Keep(operation(app, s), m.status, ended));
    RunUntil([&] { return ended; }, 10000);
    m.seconds = clock.nsecsElapsed() / 1e9;
    m.reportsSent = unit.reportsWritten() - writtenBefore;
    watch.stop();
    link.stop();
    return m;
}

void Report(benchmark::State& state, const Measured& m) {
    state.SetIterationTime(m.seconds);
    state.counters["seconds"] = m.seconds;
    state.counters["longest_block_ms"] = m.longestBlockMs;
    state.counters["done"] = m.status == OpStatus::Done ? 1 : 0;
    state.counters["reports_sent"] = double(m.reportsSent);
}

}  // namespace

// A clone file that differs from the unit in every cell the write sends: all 40 reports go
// out, and the unit's stream confirms them.
static void BM_CloneWriteSimulatedUnit1000PerSecond(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath("unit.nvc");
    Run([&](ScriptedDialogs& d) { d.answerSaveFile(file); },
        [](Program&, Services s) { return SaveCloneFile(s); });
    std::string error;
    auto image = params::ReadCloneFile(file.toStdString(), error).value();
    for (int a = params::kCloneFirstAddress; a < params::kImageSize; ++a) ++image[a];
    WriteLines(file, params::CloneLines(image), error);
    for (auto _ : state) {
        Report(state, Run(
                          [&](ScriptedDialogs& d) {
                              d.answerOpenFile(file);
                              d.answerQuestion(true);
                          },
                          [](Program& app, Services s) {
                              return WriteCloneFile(s, app.cloneHandover(), app.writeOptions());
                          }));
    }
}
BENCHMARK(BM_CloneWriteSimulatedUnit1000PerSecond)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

static void BM_ParameterSaveSimulatedUnit1000PerSecond(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        Report(state, Run([&](ScriptedDialogs& d) { d.answerSaveFile(dir.filePath("e.nrv")); },
                          [](Program&, Services s) { return SaveParameterFile(s); }));
    }
}
BENCHMARK(BM_ParameterSaveSimulatedUnit1000PerSecond)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A unit that answers a read in one report: each of the 71 cells is asked once and its answer
// taken as it comes (goal: at most 0.15 s).
static void BM_ParameterSaveOneReportAnswer1000PerSecond(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        Report(state, Run([&](ScriptedDialogs& d) { d.answerSaveFile(dir.filePath("e.nrv")); },
                          [](Program&, Services s) { return SaveParameterFile(s); }, 1));
    }
}
BENCHMARK(BM_ParameterSaveOneReportAnswer1000PerSecond)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

namespace {
// A downward unit whose reports queue (64 at the most) and come in bursts of 4: what waits
// in the queue when a command goes out is no answer to it.
void Queued(sim::SimOptions& o) {
    o.downward = true;
    o.queue = 64;
    o.burst = 4;
    o.preamble = 525;
}
}  // namespace

// /0 the simulated unit as it starts (goal: at most 1.5 s), /1 the queued one (goal: at most
// 1.2 s, the whole log and nothing but the log), /2 the first with the download taken into the
// engine logbook (goal: the user-interface thread never blocked over 20 ms, the import
// included).
static void BM_RunLogDownloadSimulatedUnit1000PerSecond(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        Report(state, Run([&](ScriptedDialogs& d) { d.answerSaveFile(dir.filePath("log.txt")); },
                          [&](Program&, Services s) {
                              DownloadOptions options;
                              options.workFolder = dir.filePath("work");
                              options.libraryFolder = dir.filePath("library");
                              if (state.range(0) == 2)
                                  options.kept = LogbookKeeper(
                                      {dir.filePath("l.sqlite"), QStringLiteral("Bench"), false});
                              return DownloadRunLog(s, options);
                          },
                          state.range(0) == 1 ? 1 : 4, state.range(0) == 1 ? Queued : nullptr));
        QFile raw(dir.filePath("work/bufer.buf"));  // one byte a line
        raw.open(QIODevice::ReadOnly);
        state.counters["raw_bytes"] = double(raw.readAll().count('\n'));
    }
}
BENCHMARK(BM_RunLogDownloadSimulatedUnit1000PerSecond)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Goal: at most its waits (10 + 25 + 15 reports on a downward unit, 75 on an upward one) times
// the unit's interval, plus 50 ms.
static void BM_HardwareTestQueuedUnit1000PerSecond(benchmark::State& state) {
    const bool downward = state.range(0) != 0;
    for (auto _ : state) {
        Config settings;
        QString result;
        Report(state, Run([](ScriptedDialogs&) {},
                          [&](Program& app, Services s) {
                              // The unit's configuration kept first, in the run's own folder.
                              return HardwareTest(
                                  s, settings, [&](const QString& r) { result = r; },
                                  app.writeOptions());
                          },
                          1,
                          [downward](sim::SimOptions& o) {
                              Queued(o);
                              o.downward = downward;
                          }));
        state.counters["goal_ms"] = (downward ? 50 : 75) + 50;
        state.counters["right_offset"] =
            result.startsWith(downward ? "offset= 6 " : "offset= 22 ") ? 1 : 0;
    }
}
BENCHMARK(BM_HardwareTestQueuedUnit1000PerSecond)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
