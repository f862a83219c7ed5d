#include "sim/SimUnit.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

#include "protocol/Frames.h"
#include "sim/Rng.h"
#include "sim/SimEngine.h"
#include "sim/SimMemory.h"
#include "sim/SimRunLog.h"
#include "sim/SimTerminal.h"

namespace norva::sim {

namespace {

using Report = std::array<uint8_t, kReportLength>;

constexpr int kEngineStepMs = 20;
constexpr size_t kMaxPendingReads = 16;
constexpr uint8_t kDownloadFiller = 255;
constexpr int kDownloadChunk = in::kDownloadBytes;

// Battery current drawn in tenths of an ampere: by the unit with its receiver and servos, and
// during each hardware-test step, which switches them off. The reading changes as the test
// begins, so one taken from reports made before a step is plainly wrong.
constexpr int kOwnCurrent = 30;
constexpr int kTestCurrent[] = {5, 11, 20, 17, 9};
constexpr int64_t kTestQuietMs = 5000;

using namespace in;  // the normal-mode report bytes

}  // namespace

struct SimUnit::Impl {
    explicit Impl(const SimOptions& o)
        : options(o),
          memory(DefaultMemory(o.downward)),
          rng(o.seed),
          noise(o.seed ^ 0x5EED5EEDu),
          terminal(o.downward),
          demo(DemoScript(), true) {
        options.rate = std::clamp(o.rate, 1, kMaxRate);
        options.answerReports = std::clamp(o.answerReports, 1, 4);
        options.burst = std::clamp(o.burst, 1, kMaxBurst);
        options.preamble = std::clamp(o.preamble, 0, kMaxPreamble);
        options.queue = std::clamp(o.queue, 1, kMaxQueue);
        replyReportsLeft = options.answerReports;
        Rng history(o.seed + 7);
        PrefillHistory(memory, log, history);
        streamAddress = o.downward ? 255 : 0;
    }

    SimOptions options;
    Memory memory;
    Rng rng;    // nonsense reports
    Rng noise;  // engine sensors
    Terminal terminal;
    RunLog log;
    EngineRunner demo;

    bool started = false;
    int64_t zeroMs = 0;
    int64_t nowMs = 0;
    int64_t rateOriginMs = 0;
    int64_t nextIndex = 0;  // of the report due next, counted from rateOriginMs
    int64_t engineMs = 0;   // engine simulated up to here, relative to zeroMs
    bool welcomeDismissed = false;

    int streamAddress;
    std::deque<uint8_t> pendingReads;
    int replyReportsLeft = 0;  // of the front read

    bool download = false;
    bool usbPower = false;
    std::vector<uint8_t> downloadStream;
    size_t downloadPos = 0;
    int testStep = 0;
    int64_t testCellWrittenMs = -1;  // engine time of the last write of the hardware test

    bool silent = false;
    bool unplugged = false;
    bool garbage = false;
    bool noUnit = false;

    std::deque<Report> queue;
    size_t delivered = 0;  // queued reports handed over: the rest wait for their burst
    uint64_t generated = 0;
    uint64_t dropped = 0;

    void stepEngineTo(int64_t relMs) {
        while (engineMs + kEngineStepMs <= relMs) {
            if (!options.engineOff) demo.step(kEngineStepMs, memory, log, noise);
            engineMs += kEngineStepMs;
        }
    }

    // The fault options: silent or unplugged after so many reports.
    void countFaults() {
        const auto reached = [this](int64_t after) {
            return after >= 0 && generated >= static_cast<uint64_t>(after);
        };
        if (reached(options.silentAfter)) silent = true;
        if (reached(options.unplugAfter) && !unplugged) {
            unplugged = true;
            clearQueue();
        }
    }

    void clearQueue() {
        queue.clear();
        delivered = 0;
    }

    int64_t dueMs(int64_t index) const { return rateOriginMs + index * 1000 / options.rate; }

    bool welcomeShowing() const { return !welcomeDismissed && engineMs < kWelcomeMs; }

    // While the hardware test runs (its cells written in the last few seconds) the unit draws
    // only what the test step asks, so the test reads the same on every run.
    bool underTest() const {
        return testCellWrittenMs >= 0 && engineMs - testCellWrittenMs < kTestQuietMs;
    }

    int batteryCurrent() const {
        if (testStep > 0 || underTest()) return kTestCurrent[testStep];
        const Controls& c = demo.engine().controls();
        return kOwnCurrent + c.starter * 150 / 255 + (c.glow ? 40 : 0) +
               demo.engine().pump() * 50 / 255;
    }

    double batteryVolts(int current) const { return 8.2 - current * 0.003; }

    Terminal::Lines lines() const {
        if (welcomeShowing()) return Terminal::welcome(memory);
        StatusView status;
        status.state = PhaseText(demo.phase());
        status.rpmK = demo.engine().seenRpm();
        status.egtC = demo.engine().seenEgt();
        status.volts = batteryVolts(batteryCurrent());
        return terminal.render(memory, status);
    }

    void fillNormal(Report& r) {
        const auto text = lines();
        std::copy(text[0].begin(), text[0].end(), r.begin() + kLine1);
        std::copy(text[1].begin(), text[1].end(), r.begin() + kLine2);

        // A read request takes this report's stream slot; the stream resumes where it was.
        if (!pendingReads.empty()) {
            const uint8_t a = pendingReads.front();
            if (--replyReportsLeft == 0) {
                pendingReads.pop_front();
                replyReportsLeft = options.answerReports;
            }
            r[kStreamAddress] = a;
            r[kStreamValue] = memory[a];
        } else {
            r[kStreamAddress] = static_cast<uint8_t>(streamAddress);
            r[kStreamValue] = memory[streamAddress];
            streamAddress = (streamAddress + (options.downward ? 255 : 1)) % 256;
        }

        const Engine& e = demo.engine();
        const int current = std::min(255, batteryCurrent());
        r[kCurrent] = static_cast<uint8_t>(current);
        const int p0 = PulseMicros(memory, cell::kPulse0High);
        const int p100 = PulseMicros(memory, cell::kPulse100High);
        const int pulse = std::clamp(p0 + e.controls().stick * (p100 - p0) / 255, 0, 0xFFFF);
        r[kPulseLow] = pulse & 255;
        r[kPulseLow + 1] = pulse >> 8;
        r[kPump] = static_cast<uint8_t>(e.pump());
        r[kPressure] = static_cast<uint8_t>(e.pressureRaw(memory));
        r[kStick] = static_cast<uint8_t>(e.controls().stick);
        // With both calibration cells cleared the unit shows its sensor's uncorrected reading,
        // 40 C above the true temperature: a calibration at the ambient temperature makes up
        // for it.
        const bool uncorrected = memory[norva::cell::kTempCalibration1] == 0 &&
                                 memory[norva::cell::kTempCalibration2] == 0;
        const double egt = e.seenEgt() + (uncorrected ? 40 : 0);
        r[kEgt] = static_cast<uint8_t>(std::clamp(std::lround(egt / 4), 0L, 255L));
        const long volts = std::lround(batteryVolts(current) / 0.06 + 0.3 * noise.symmetric());
        r[kVoltage] = static_cast<uint8_t>(std::clamp(volts, 0L, 255L));
        const long speed = std::clamp(std::lround(e.seenRpm() * 10), 0L, 65535L);
        r[kSpeedLow] = speed & 255;
        r[kSpeedLow + 1] = static_cast<uint8_t>(speed >> 8);
        if (noUnit) r[kLine1] = kNoUnitMarker;
    }

    void fillDownload(Report& r) {
        for (int i = 0; i < kDownloadChunk; ++i, ++downloadPos) {
            r[1 + i] =
                downloadPos < downloadStream.size() ? downloadStream[downloadPos] : kDownloadFiller;
        }
    }

    // Index of the last report due at or before nowMs: k * 1000 / rate <= now - origin.
    int64_t lastDueIndex(int64_t nowMs) const {
        const int64_t span = nowMs - rateOriginMs;
        return ((span + 1) * options.rate + 999) / 1000 - 1;
    }

    // The effect of sending n reports that nobody will ever read.
    void skip(int64_t n) {
        if (n <= 0) return;
        generated += n;
        dropped += n;
        if (garbage) return;
        if (download) {
            downloadPos += static_cast<size_t>(n) * kDownloadChunk;
            return;
        }
        int64_t answered = 0;
        while (!pendingReads.empty() && answered < n) {
            const int64_t take = std::min<int64_t>(n - answered, replyReportsLeft);
            answered += take;
            replyReportsLeft -= static_cast<int>(take);
            if (replyReportsLeft == 0) {
                pendingReads.pop_front();
                replyReportsLeft = options.answerReports;
            }
        }
        const int64_t streamed = (n - answered) % 256;
        const int64_t delta = options.downward ? 256 - streamed : streamed;
        streamAddress = static_cast<int>((streamAddress + delta) % 256);
    }

    void emit() {
        Report r{};
        if (garbage) {
            for (size_t i = 1; i < r.size(); ++i) r[i] = rng.byte();
        } else if (download) {
            fillDownload(r);
        } else {
            fillNormal(r);
        }
        queue.push_back(r);
        ++generated;
        if (queue.size() > static_cast<size_t>(options.queue)) {
            queue.pop_front();
            ++dropped;
            if (delivered > 0) --delivered;
        }
        if (queue.size() - delivered >= static_cast<size_t>(options.burst))
            delivered = queue.size();
        countFaults();
    }

    void apply(uint8_t a, uint8_t v) {
        if (a == kFunctionKey) {
            welcomeDismissed = true;
            terminal.press(v, memory);
        } else if (a == kFunctionRead) {
            if (pendingReads.size() < kMaxPendingReads) pendingReads.push_back(v);
        } else if (!options.refuseWrites.test(a)) {
            memory[a] = v;
            if (a == TestCell(options.downward)) testStep = (v >= 1 && v <= 4) ? v : 0;
            const bool calibration = a >= kFirstCalibrationCell && a <= kLastCalibrationCell;
            if (a == TestCell(options.downward) || calibration) testCellWrittenMs = engineMs;
        }
    }

    void setMode(uint8_t modeByte, uint8_t value) {
        if (modeByte == kModeUsbPower) {
            usbPower = value != 0;
        } else if (modeByte == kModeOperating && value == kOperatingDownload) {
            download = true;
            downloadStream = log.downloadStream(options.preamble);
            downloadPos = 0;
            // The download request carries (79, 1), which a downward unit would otherwise
            // take as a test step; the unit is busy sending its log instead.
            testStep = 0;
        } else if (modeByte == kModeOperating && value == kOperatingNormal && download) {
            download = false;
            downloadStream.clear();
        }
    }
};

SimUnit::SimUnit(SimOptions options) : d_(std::make_unique<Impl>(options)) {}
SimUnit::~SimUnit() = default;
SimUnit::SimUnit(SimUnit&&) noexcept = default;
SimUnit& SimUnit::operator=(SimUnit&&) noexcept = default;

void SimUnit::advanceTo(int64_t nowMs) {
    Impl& d = *d_;
    if (!d.started) {
        d.started = true;
        d.zeroMs = d.nowMs = d.rateOriginMs = nowMs;
        d.nextIndex = 0;
    }
    if (nowMs < d.nowMs) return;  // time never runs backwards
    d.nowMs = nowMs;
    const int64_t last = d.lastDueIndex(nowMs);
    if (d.silent || d.unplugged) {
        d.nextIndex = std::max(d.nextIndex, last + 1);
    } else if (last >= d.nextIndex) {
        // After a long gap only the newest reports survive the queue; the others just move
        // the stream on and count as dropped.
        const int64_t skip = std::max<int64_t>(0, last + 1 - d.nextIndex - d.options.queue);
        d.skip(skip);
        d.nextIndex += skip;
        for (; d.nextIndex <= last && !d.silent && !d.unplugged; ++d.nextIndex) {
            d.stepEngineTo(d.dueMs(d.nextIndex) - d.zeroMs);
            d.emit();
        }
        // A fault option that struck meanwhile: what was due after it never comes.
        d.nextIndex = std::max(d.nextIndex, last + 1);
    }
    d.stepEngineTo(nowMs - d.zeroMs);
}

bool SimUnit::takeReport(std::span<uint8_t> out) {
    if (d_->delivered == 0) return false;
    const Report& r = d_->queue.front();
    const size_t n = std::min(out.size(), r.size());
    std::copy_n(r.begin(), n, out.begin());
    std::fill(out.begin() + n, out.end(), 0);
    d_->queue.pop_front();
    --d_->delivered;
    return true;
}

size_t SimUnit::pendingReports() const {
    return d_->delivered;
}

void SimUnit::receive(std::span<const uint8_t> report) {
    Impl& d = *d_;
    if (d.unplugged) return;
    for (int k = 0; k < kSlotCount; ++k) {
        const size_t base = 1 + static_cast<size_t>(k * kSlotSize);
        if (report.size() < base + kSlotSize) break;
        const uint8_t* s = &report[base];
        if (s[0] != kSync1 || s[1] != kSync2) continue;
        const uint8_t a = s[2];
        const uint8_t v = s[3];
        const bool calibration = a >= kFirstCalibrationCell && a <= kLastCalibrationCell;
        const uint8_t expected = calibration ? CalibrationChecksum(a, v) : Checksum(a, v);
        if (s[4] == expected) d.apply(a, v);
    }
    if (report.size() > 1 + static_cast<size_t>(kModeValue)) {
        d.setMode(report[1 + kModeByte], report[1 + kModeValue]);
    }
}

void SimUnit::setSilent(bool on) {
    d_->silent = on;
}

void SimUnit::setUnplugged(bool on) {
    d_->unplugged = on;
    if (on) d_->clearQueue();
}

void SimUnit::setGarbage(bool on) {
    d_->garbage = on;
}
void SimUnit::setNoUnit(bool on) {
    d_->noUnit = on;
}
bool SimUnit::silent() const {
    return d_->silent;
}
bool SimUnit::unplugged() const {
    return d_->unplugged;
}
int SimUnit::rate() const {
    return d_->options.rate;
}

void SimUnit::setRate(int reportsPerSecond) {
    Impl& d = *d_;
    d.options.rate = std::clamp(reportsPerSecond, 1, kMaxRate);
    if (d.started) {
        // The next report is one new period after now.
        d.rateOriginMs = d.nowMs;
        d.nextIndex = 1;
    }
}

bool SimUnit::downward() const {
    return d_->options.downward;
}
const std::array<uint8_t, 256>& SimUnit::memory() const {
    return d_->memory;
}
bool SimUnit::downloadMode() const {
    return d_->download;
}
bool SimUnit::usbPower() const {
    return d_->usbPower;
}

std::string SimUnit::terminalLine(int line) const {
    return d_->lines()[std::clamp(line, 0, 1)];
}

uint64_t SimUnit::reportsGenerated() const {
    return d_->generated;
}
uint64_t SimUnit::reportsDropped() const {
    return d_->dropped;
}
int64_t SimUnit::elapsedMs() const {
    return d_->started ? d_->nowMs - d_->zeroMs : 0;
}
double SimUnit::engineRpm() const {
    return d_->demo.engine().rpm();
}
double SimUnit::engineEgt() const {
    return d_->demo.engine().egt();
}
bool SimUnit::engineRunning() const {
    return d_->demo.engine().lit();
}
int SimUnit::testStep() const {
    return d_->testStep;
}

std::array<uint8_t, 32> SimUnit::runLogPage(int index) const {
    return d_->log.page(std::clamp(index, 0, RunLog::kPages - 1));
}

int SimUnit::runLogNextPage() const {
    return d_->log.nextPage();
}

}  // namespace norva::sim
