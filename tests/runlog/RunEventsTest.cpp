// The events and steady points of an engine run, on crafted logs of half-second samples.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "runlog/RunEvents.h"

using namespace norva;

namespace {

// `n` samples alike but for the EGT and RPM, which change by `dTemp` and `dRpm` a sample.
struct S {
    int n, temp, rpm, stick, pump, dTemp = 0, dRpm = 0;
};
std::vector<RunLogLine> Log(const std::vector<std::vector<S>>& pieces) {
    std::vector<RunLogLine> lines;
    for (const auto& piece : pieces)
        for (const S& s : piece)
            for (int k = 0; k < s.n; ++k)
                lines.push_back({.cycle = 1,
                                 .temp = s.temp + k * s.dTemp,
                                 .rpm = s.rpm + k * s.dRpm,
                                 .throttle = s.stick,
                                 .pump = s.pump});
    return lines;
}

const EngineLimits kLimits{.idleRpm = 40000, .fullRpm = 120000, .maxEgtC = 800};
// Lines 1-2 stopped, a start up to line 14 (light-off at 7), idle from 15 to 24, full to 30.
const std::vector<S> kStop = {{2, 20, 0, 0, 0}};
const std::vector<S> kStart = {
    {4, 100, 5000, 0, 0}, {1, 500, 15000, 0, 50}, {7, 650, 30000, 0, 100}};
const std::vector<S> kIdle = {{10, 600, 40000, 0, 300}};
const S kFull = {6, 700, 120000, 1000, 800};
// A start, idle, then `after` from line 25 on and a stop.
std::vector<RunLogLine> Around(const std::vector<S>& after) {
    return Log({kStop, kStart, kIdle, after, kStop});
}

RunEvent E(RunEventKind kind, int line, int value, double seconds) {
    return {.kind = kind, .line = line, .value = value, .durationS = seconds};
}

std::vector<RunEvent> EventsOf(const std::vector<RunLogLine>& lines) {
    std::vector<RunEvent> events;
    for (const EngineRun& run : FindRuns(lines, kLimits.idleRpm))
        for (const RunEvent& e : AnalyseRun(lines, run, kLimits).events) events.push_back(e);
    return events;
}

}  // namespace

TEST(RunEvents, EachFaultIsFoundWhereItBeginsAndNothingElse) {
    using K = RunEventKind;
    const std::vector<S> failing = {{4, 100, 5000, 0, 0}, {6, 300, 18000, 0, 100}};
    const std::vector<S> hot = {{4, 850, 40000, 0, 300, 20}, {3, 820, 40000, 0, 300}};
    const std::vector<S> fast = {{2, 700, 125000, 1000, 850}, {1, 700, 130000, 1000, 850}, kFull};
    const std::vector<S> gap = {
        {2, 700, 125000, 1000, 850}, {1, 1020, 255000, 1000, 1000}, {2, 700, 130000, 1000, 850}};
    // 120000 to line 30, then 20000 less a sample with stick and pump up, then the fuel cut.
    const std::vector<S> lost = {
        kFull, {3, 600, 100000, 1000, 800, -100, -20000}, {2, 300, 45000, 1000, 0, -50, -10000}};
    // From line 34 the pump holds and the speed falls a quarter in 2 s: the stick came back.
    const std::vector<S> back = {kFull,
                                 {1, 680, 110000, 0, 500},
                                 {3, 640, 90000, 0, 300, -20, -15000},
                                 {2, 580, 48000, 0, 300, -10, -6000}};
    const struct {
        const char* name;
        std::vector<RunLogLine> lines;
        std::vector<RunEvent> events;
    } cases[] = {
        {"a shutdown from full, the stick still up: 12000 RPM less a sample",
         Around({kFull, {8, 690, 120000, 1000, 0, -40, -12000}}),
         {}},
        {"stuck at 20000 RPM for 8 samples, 20 C hotter each",
         Log({kStop, {{2, 100, 5000, 0, 0}, {8, 500, 20000, 0, 100, 20}}, kIdle, kStop}),
         {E(K::HungStart, 5, 20000, 4.0)}},
        {"no idle, then stopped", Log({kStop, failing, kStop}), {E(K::FailedStart, 3, 18000, 5.0)}},
        {"no idle before the file ends", Log({kStop, failing}), {}},
        {"over-temperature", Around(hot), {E(K::OverTemperature, 25, 910, 3.5)}},
        {"over-speed", Around(fast), {E(K::OverSpeed, 25, 130000, 1.5)}},
        {"a sample without data (its EGT 1020) splits an over-speed",
         Around(gap),
         {E(K::OverSpeed, 25, 125000, 1.0), E(K::OverSpeed, 28, 130000, 1.0)}},
        // Below 90000 at line 32, within 4 samples of line 28; below idle at 35.
        {"the speed collapses at full stick and pump",
         Around(lost),
         {E(K::FlameOut, 28, 120000, 3.5)}},
        {"the stick pulled back, the pump follows, the speed falls to idle", Around(back), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(EventsOf(c.lines), c.events) << c.name;
}

TEST(RunEvents, LightOffSteadyPointsAndCoastDown) {
    // Idle after line 15, the stick trimmed to 15 %: 600 C / 300 and 601 C / 301 four samples
    // each, 600.5 -> 601; the one at 21 % is no idle. Full: 700 C / 800 four times and 720 C /
    // 810 twice, 706.7 -> 707 and 803.3 -> 803. The pump off from line 31, stopped at 36.
    const std::vector<S> idle = {
        {5, 600, 40000, 150, 300}, {4, 601, 41000, 150, 301}, {1, 610, 40000, 210, 300}};
    const std::vector<S> full = {{4, 700, 118000, 1000, 800}, {2, 720, 120000, 1000, 810}};
    const auto all =
        Log({kStop, kStart, idle, full, {{5, 650, 110000, 0, 0, -100, -20000}}, kStop});
    const std::vector<RunLogLine> cut(all.begin() + 2, all.end() - 2);
    std::vector<RunLogLine> next(all.begin(), all.end() - 1);
    next.back() = {.cycle = 2, .temp = 20, .rpm = 1000};  // no stop logged between cycles
    // Light-off line and seconds to idle, idle EGT and pump, full EGT and pump, coast-down.
    using I = std::optional<int>;
    using Values = std::tuple<I, std::optional<double>, I, I, I, I, std::optional<double>>;
    const struct {
        const char* name;
        const std::vector<RunLogLine>& lines;
        EngineLimits limits;
        Values values;
    } cases[] = {
        {"limits known", all, kLimits, {7, 4.0, 601, 301, 707, 803, 2.5}},
        {"limits unknown: full is the run's highest", all, {}, {7, {}, {}, {}, 707, 803, 2.5}},
        {"the next cycle starts at once", next, kLimits, {7, 4.0, 601, 301, 707, 803, 2.5}},
        {"turning when the file starts, no stop", cut, kLimits, {{}, {}, 601, 301, 707, 803, {}}},
    };
    for (const auto& c : cases) {
        const auto runs = FindRuns(c.lines, c.limits.idleRpm);
        ASSERT_FALSE(runs.empty()) << c.name;
        const RunAnalysis a = AnalyseRun(c.lines, runs[0], c.limits);
        EXPECT_EQ(Values(a.lightLine, a.lightToIdleS, a.idleEgt, a.idlePump, a.fullEgt, a.fullPump,
                         a.coastDownS),
                  c.values)
            << c.name;
    }
}

TEST(RunEvents, TextsNamesAndLimits) {
    using K = RunEventKind;
    const std::vector<RunEvent> events = {
        E(K::HungStart, 145, 22000, 4.0),     E(K::FailedStart, 61, 18000, 9.0),
        E(K::OverTemperature, 517, 910, 3.5), E(K::OverSpeed, 721, 152000, 1.0),
        E(K::FlameOut, 7, 95000, 2.0),  // minute 0.05
    };
    EXPECT_EQ(
        EventsField(events),
        "hung start at 22000 RPM for 4.0 s at minute 1.2; "
        "failed start (reached 18000 RPM) at minute 0.5; "
        "over-temperature 910 C for 3.5 s at minute 4.3; "
        "over-speed 152000 RPM for 1.0 s at minute 6.0; flame-out at 95000 RPM at minute 0.1");
    EXPECT_EQ(EventsField({}), "");
    bool ok = false;
    for (const RunEvent& e : events)
        EXPECT_TRUE(EventKindNamed(EventName(e.kind), &ok) == e.kind && ok) << EventName(e.kind);
    EventKindNamed("flameout", &ok);
    EXPECT_FALSE(ok);

    std::array<std::optional<uint8_t>, 256> cells;
    cells[50] = 0;  // written as 0: never set
    cells[51] = 150;
    cells[53] = 225;
    EXPECT_EQ(LimitsOf(cells), (EngineLimits{.idleRpm = {}, .fullRpm = 150000, .maxEgtC = 900}));
    std::array<uint8_t, 54> image{};
    image[50] = 35;
    EXPECT_EQ(LimitsOf(image), (EngineLimits{.idleRpm = 35000, .fullRpm = {}, .maxEgtC = {}}));
}
