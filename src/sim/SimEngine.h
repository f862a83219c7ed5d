#pragma once
// A small turbine model and the scripts that fly it: the repeating demonstration cycle and the
// longer flights the unit remembers from before power-up. Everything is driven by elapsed
// milliseconds handed in, never by a clock of its own.

#include <cstdint>
#include <utility>
#include <vector>

#include "sim/Rng.h"
#include "sim/SimMemory.h"
#include "sim/SimRunLog.h"

namespace norva::sim {

struct Controls {
    int starter = 0;  // starter power 0..255
    bool glow = false;
    bool fuel = false;
    int stick = 0;  // 0..255
};

enum class Phase { Stopped, Ready, Starting, Ignition, FuelRamp, Running, Stop, Cooling };
const char* PhaseText(Phase phase);  // as the terminal shows it

class Engine {
  public:
    void step(int dtMs, const Controls& c, const Memory& m, Rng& rng);

    bool lit() const { return lit_; }
    double rpm() const { return rpm_; }  // thousands
    double egt() const { return egt_; }  // °C
    // Values as the sensors see them, with a little noise.
    double seenRpm() const { return seenRpm_; }
    double seenEgt() const { return seenEgt_; }
    int pump() const { return pump_; }  // 0..255
    const Controls& controls() const { return controls_; }
    int pressureRaw(const Memory& m) const;

  private:
    bool lit_ = false;
    double rpm_ = 0;
    double egt_ = 20;
    double seenRpm_ = 0;
    double seenEgt_ = 20;
    int pump_ = 0;
    Controls controls_;
};

// One start-to-stop sequence: the fixed start, then throttle points (ms, 0..1 of the travel
// above idle) until shutdownMs, then spool-down and cooling until lengthMs.
struct Script {
    std::vector<std::pair<int, double>> throttle;
    int shutdownMs = 0;
    int lengthMs = 0;
};

Script DemoScript();
Script RandomFlight(Rng& rng);

// Runs the engine through a script and keeps the unit's books: run log samples while the
// engine turns, cycle count, run times and the values at shutdown.
class EngineRunner {
  public:
    EngineRunner(Script script, bool repeat);

    void step(int dtMs, Memory& m, RunLog& log, Rng& rng);

    const Engine& engine() const { return engine_; }
    Phase phase() const { return phase_; }
    int scriptMs() const { return t_; }
    bool finished() const { return finished_; }
    bool logging() const { return logging_; }

  private:
    Controls drive(const Memory& m);
    void shutDown(Memory& m);

    Script script_;
    bool repeat_;
    Engine engine_;
    Phase phase_ = Phase::Stopped;
    int t_ = 0;
    bool finished_ = false;
    bool logging_ = false;
    bool shutDown_ = false;
    int sampleMs_ = 0;
    int litAtMs_ = -1;
    uint8_t cycle_ = 0;
};

// Fills the run log with earlier flights, enough to wrap the ring once, and sets the memory's
// cycle count, times and shutdown cells to match.
void PrefillHistory(Memory& m, RunLog& log, Rng& rng);

}  // namespace norva::sim
