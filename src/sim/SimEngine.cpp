#include "sim/SimEngine.h"

#include <algorithm>
#include <cmath>

namespace norva::sim {

namespace {

// Fixed start sequence, ms from the beginning of a script.
constexpr int kReadyMs = 6000;  // pilot raises the stick to idle
constexpr int kStartMs = 8000;  // starter and glow plug on
constexpr int kFuelMs = 10000;  // fuel valve opens
constexpr int kGlowOffMs = 12500;
constexpr int kRunMs = 20000;   // throttle script begins
constexpr int kSampleMs = 500;  // run log period
constexpr double kAmbient = 20;
constexpr double kCoolFrom = 130;  // °C above which the starter blows the engine cool

double Lag(double dtMs, double tauMs) {
    return 1.0 - std::exp(-dtMs / tauMs);
}

double Idle(const Memory& m) {
    return std::max(10, static_cast<int>(m[cell::kIdleSpeed]));
}
double Full(const Memory& m) {
    return std::max(Idle(m) + 10, static_cast<double>(m[cell::kFullSpeed]));
}
int IdleStick(const Memory& m) {
    return std::min(200, static_cast<int>(m[cell::kIdleStick]));
}

uint8_t Byte(double v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

uint8_t NextCycle(uint8_t c) {
    return c >= 254 ? 0 : c + 1;
}  // 255 marks erased pages

}  // namespace

const char* PhaseText(Phase phase) {
    switch (phase) {
        case Phase::Stopped:
            return "TRIM LOW";
        case Phase::Ready:
            return "READY";
        case Phase::Starting:
            return "STARTING";
        case Phase::Ignition:
            return "IGNITION";
        case Phase::FuelRamp:
            return "FUEL RAMP";
        case Phase::Running:
            return "RUNNING";
        case Phase::Stop:
            return "STOP";
        case Phase::Cooling:
            return "COOLING";
    }
    return "";
}

void Engine::step(int dtMs, const Controls& c, const Memory& m, Rng& rng) {
    controls_ = c;
    const double idle = Idle(m);
    const double full = Full(m);
    const double dt = dtMs;

    if (!c.fuel) {
        lit_ = false;
    } else if (!lit_ && c.glow && rpm_ >= 5) {
        lit_ = true;
    }

    double target = 0;
    double tau = 1500;
    if (lit_) {
        const int idleStick = IdleStick(m);
        const double frac = std::clamp((c.stick - idleStick) / (255.0 - idleStick), 0.0, 1.0);
        target = idle + (full - idle) * frac;
        tau = rpm_ < idle * 0.9 ? 1800 : 500;  // the fuel ramp is gentle
    }
    const double starterRpm = c.starter / 255.0 * 30;
    if (starterRpm > target) {
        target = starterRpm;
        tau = 900;
    }
    double d = (target - rpm_) * Lag(dt, tau);
    d = std::clamp(d, -40 * dt / 1000, 30 * dt / 1000);  // rotor inertia
    rpm_ = std::max(0.0, rpm_ + d);
    if (target == 0 && rpm_ < 0.05) rpm_ = 0;

    double egtTarget = c.glow ? 60 : kAmbient;
    double egtTau = 14000 / (1 + rpm_ / 4);  // air through the engine cools it
    if (lit_) {
        const double f = std::clamp((rpm_ - idle) / (full - idle), 0.0, 1.0);
        egtTarget = rpm_ < idle * 0.95 ? 720 : 560 + 110 * f;
        egtTarget += std::clamp(target - rpm_, 0.0, 60.0) * 2.5;  // accelerating runs hot
        egtTau = 1200;
    }
    egt_ += (egtTarget - egt_) * Lag(dt, egtTau);

    pump_ = 0;
    if (lit_) {
        const double f = std::clamp((rpm_ - idle) / (full - idle), 0.0, 1.0);
        const int k = static_cast<int>(std::lround(f * 31));
        double base = m[cell::kPumpCurveFirst + k] * m[cell::kPumpLimit] / 255.0;
        if (rpm_ < idle) base *= std::max(0.4, rpm_ / idle);
        pump_ = Byte(base + std::clamp(target - rpm_, 0.0, 40.0) * 1.2);
    }

    seenRpm_ = rpm_ > 1 ? std::max(0.0, rpm_ + 0.15 * rng.symmetric()) : rpm_;
    seenEgt_ = std::max(0.0, egt_ + 2 * rng.symmetric());
}

int Engine::pressureRaw(const Memory& m) const {
    const double r = rpm_ / Full(m);
    return Byte(4 + 220 * r * r);
}

Script DemoScript() {
    Script s;
    s.throttle = {{kRunMs, 0.0}, {26000, 0.0}, {30000, 1.0},
                  {40000, 1.0},  {44000, 0.0}, {52000, 0.0}};
    s.shutdownMs = 52000;
    s.lengthMs = 80000;
    return s;
}

Script RandomFlight(Rng& rng) {
    Script s;
    int t = kRunMs;
    s.throttle.push_back({t, 0.0});
    t += 10000;
    s.throttle.push_back({t, 0.0});
    const int legs = rng.range(12, 30);
    for (int i = 0; i < legs; ++i) {
        const double level = rng.range(20, 100) / 100.0;
        t += rng.range(2000, 5000);
        s.throttle.push_back({t, level});
        t += rng.range(4000, 12000);
        s.throttle.push_back({t, level});
    }
    t += 3000;
    s.throttle.push_back({t, 0.0});
    t += 15000;
    s.throttle.push_back({t, 0.0});
    s.shutdownMs = t;
    s.lengthMs = t + 30000;
    return s;
}

EngineRunner::EngineRunner(Script script, bool repeat)
    : script_(std::move(script)), repeat_(repeat) {}

Controls EngineRunner::drive(const Memory& m) {
    Controls c;
    const int idleStick = IdleStick(m);
    const Engine& e = engine_;
    if (t_ < kReadyMs) {
        phase_ = Phase::Stopped;
        return c;
    }
    if (t_ < kStartMs) {
        c.stick = idleStick * (t_ - kReadyMs) / (kStartMs - kReadyMs);
        phase_ = Phase::Ready;
        return c;
    }
    if (t_ < script_.shutdownMs) {
        double level = 0;
        const auto& pts = script_.throttle;
        for (size_t i = 1; i < pts.size(); ++i) {
            if (t_ < pts[i].first && t_ >= pts[i - 1].first) {
                const double span = pts[i].first - pts[i - 1].first;
                const double w = (t_ - pts[i - 1].first) / span;
                level = pts[i - 1].second + (pts[i].second - pts[i - 1].second) * w;
            }
        }
        c.stick = static_cast<int>(idleStick + level * (255 - idleStick));
        c.fuel = t_ >= kFuelMs;
        c.glow = t_ < kGlowOffMs || (!e.lit() && t_ < kRunMs);
        const bool starterOff = e.lit() && e.rpm() >= m[cell::kStarterOffSpeed];
        if (!starterOff)
            c.starter = e.lit() ? m[cell::kStarterPowerFuelRamp] : m[cell::kStarterPowerIgnition];
        if (t_ < kFuelMs) {
            phase_ = Phase::Starting;
        } else if (!e.lit()) {
            phase_ = Phase::Ignition;
        } else if (e.rpm() < Idle(m) * 0.95 && t_ < kRunMs) {
            phase_ = Phase::FuelRamp;
        } else {
            phase_ = Phase::Running;
        }
        return c;
    }
    // Stick back to zero over a second; the fuel is already off.
    c.stick = std::max(0, idleStick - idleStick * (t_ - script_.shutdownMs) / 1000);
    const bool cooling = e.egt() > kCoolFrom && t_ < script_.lengthMs - 4000 &&
                         (e.rpm() < 3 || e.controls().starter > 0);
    if (cooling) c.starter = 60;
    phase_ = cooling ? Phase::Cooling : (e.rpm() >= 3 ? Phase::Stop : Phase::Stopped);
    return c;
}

void EngineRunner::step(int dtMs, Memory& m, RunLog& log, Rng& rng) {
    if (finished_) return;
    const int before = t_;
    t_ += dtMs;
    // The values at shutdown are those of the last moment with fuel.
    if (logging_ && !shutDown_ && t_ >= script_.shutdownMs) shutDown(m);
    engine_.step(dtMs, drive(m), m, rng);

    if (before < kStartMs && t_ >= kStartMs) {
        cycle_ = NextCycle(m[cell::kCycles]);
        log.beginRun(cycle_);
        logging_ = true;
        sampleMs_ = kSampleMs;  // first sample at once
        litAtMs_ = -1;
        shutDown_ = false;
    }
    if (logging_ && litAtMs_ < 0 && engine_.lit()) litAtMs_ = t_;
    if (logging_) {
        sampleMs_ += dtMs;
        while (sampleMs_ >= kSampleMs) {
            sampleMs_ -= kSampleMs;
            log.addSample({static_cast<uint8_t>(engine_.pressureRaw(m)),
                           Byte(engine_.seenEgt() / 4), Byte(engine_.seenRpm()),
                           static_cast<uint8_t>(engine_.controls().stick),
                           static_cast<uint8_t>(engine_.pump())});
        }
        if (shutDown_ && engine_.rpm() < 3) {
            log.endRun();
            logging_ = false;
        }
    }
    if (t_ >= script_.lengthMs) {
        if (logging_) log.endRun();
        logging_ = false;
        if (repeat_) {
            t_ -= script_.lengthMs;
        } else {
            finished_ = true;
        }
    }
}

void EngineRunner::shutDown(Memory& m) {
    shutDown_ = true;
    m[cell::kShutdownCause] = kCauseUserOff;
    m[cell::kShutdownEgt] = Byte(engine_.egt() / 4);
    m[cell::kShutdownRpm] = Byte(engine_.rpm());
    m[cell::kShutdownPump] = static_cast<uint8_t>(engine_.pump());
    m[cell::kCycles] = cycle_;
    const int runSeconds = litAtMs_ < 0 ? 0 : (t_ - litAtMs_) / 1000;
    SetLastRunSeconds(m, runSeconds);
    SetTotalSeconds(m, TotalSeconds(m) + runSeconds);
}

void PrefillHistory(Memory& m, RunLog& log, Rng& rng) {
    constexpr int kStep = 100;
    m[cell::kCycles] = static_cast<uint8_t>(rng.range(20, 40));
    SetTotalSeconds(m, static_cast<uint32_t>(rng.range(3, 9)) * 3600);
    const uint64_t target = RunLog::kPages + RunLog::kPages / 4;
    while (log.pagesWritten() < target) {
        EngineRunner runner(RandomFlight(rng), false);
        while (!runner.finished()) runner.step(kStep, m, log, rng);
    }
}

}  // namespace norva::sim
