// Link benchmarks: the cost of one dispatch, and a 10-second soak of the simulated unit at
// 1000 reports per second through the monitor.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <array>
#include <cstdio>

#include "BenchSupport.h"
#include "cli/Monitor.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"

using namespace norva;

using bench::NullBackend;
using bench::ProcessCpuSeconds;

// Dispatch and decode of one normal-mode report: terminal text, image byte, sequence,
// progress label, live values.
static void BM_DispatchNormalReport(benchmark::State& state) {
    NullBackend backend;
    Link link(backend);
    std::array<uint8_t, kReportLength> report{};
    for (int i = 3; i < 35; ++i) report[i] = static_cast<uint8_t>('A' + i % 26);
    report[38] = 42;
    report[43] = 128;
    report[46] = 160;
    report[47] = 206;
    report[49] = 0xB0;
    report[50] = 0x04;
    int address = 0;
    for (auto _ : state) {
        report[36] = static_cast<uint8_t>(address);
        report[35] = static_cast<uint8_t>(address * 7);
        address = (address + 1) & 0xFF;
        link.NormalDispatch(report);
        benchmark::DoNotOptimize(link.EngineSpeed);
    }
}
BENCHMARK(BM_DispatchNormalReport)->Repetitions(9)->ReportAggregatesOnly(true);

// The simulated unit at 1000 reports per second for 10 s, every report printed as CSV.
static void BM_SimulatedUnitSoak1000PerSecond(benchmark::State& state) {
    for (auto _ : state) {
        sim::SimOptions options;
        options.rate = 1000;
        SimBackend backend(options);
        Link link(backend);
        long long dispatched = 0, breaks = 0;
        int previousCount = 0;
        QObject::connect(&link, &Link::dispatched, [&] {
            ++dispatched;
            // After the direction is settled, a count that falls back means a lost report.
            if (dispatched > 3 && link.BackupByteCount <= previousCount &&
                previousCount < Link::kBackupCountLimit)
                ++breaks;
            previousCount = link.BackupByteCount;
        });
        std::FILE* sink = std::fopen("/dev/null", "w");
        MonitorOptions monitorOptions;
        monitorOptions.seconds = 10;
        monitorOptions.csv = true;
        Monitor monitor(link, monitorOptions, sink, sink);
        const double cpuBefore = ProcessCpuSeconds();
        monitor.run();
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        std::fclose(sink);
        bench::CountDelivery(state, backend, dispatched);
        state.counters["dropped_by_unit"] = double(backend.unit().reportsDropped());
        state.counters["sequence_breaks"] = double(breaks);
        state.counters["cpu_percent"] = 100.0 * cpu / 10.0;
    }
}
BENCHMARK(BM_SimulatedUnitSoak1000PerSecond)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
