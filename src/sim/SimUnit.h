#pragma once
// A simulated NORVA unit: configuration memory, terminal menu, engine model, run log and
// download mode, speaking the same 65-byte reports as the real one. Time moves only through
// advanceTo(), so tests can drive it exactly and the backends drive it from a clock.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "sim/SimOptions.h"

namespace norva::sim {

class SimUnit {
  public:
    static constexpr int kMaxRate = 1000;

    // How long one demonstration cycle (stopped, start, full speed, idle, shutdown, cooling)
    // lasts; it repeats for as long as time moves.
    static constexpr int kDemoCycleMs = 80000;
    // The welcome text shows this long after the first advanceTo(), or until a key press.
    static constexpr int kWelcomeMs = 3000;

    explicit SimUnit(SimOptions options = {});
    ~SimUnit();
    SimUnit(SimUnit&&) noexcept;
    SimUnit& operator=(SimUnit&&) noexcept;

    // Generates every report due up to nowMs (monotonic). The first call sets time zero.
    void advanceTo(int64_t nowMs);
    // Takes the oldest queued input report (byte 0 = report ID 0); false when none waits.
    // With bursts, reports wait until a whole burst is there. The queue is the system's: what
    // the unit does never empties it, and what waits there was made before anything the
    // program sends next.
    bool takeReport(std::span<uint8_t> out);
    size_t pendingReports() const;

    // One output report exactly as the program wrote it (byte 0 = report ID).
    void receive(std::span<const uint8_t> report);

    // Fault switches.
    void setSilent(bool on);     // stays enumerated but sends nothing
    void setUnplugged(bool on);  // gone from the bus: not enumerated, reads and writes fail
    void setGarbage(bool on);    // reports with random content
    void setNoUnit(bool on);     // byte 3 = 255: an interface with no unit behind it
    bool silent() const;
    bool unplugged() const;

    int rate() const;
    void setRate(int reportsPerSecond);
    bool downward() const;

    // Inspection for tests and the server.
    const std::array<uint8_t, 256>& memory() const;
    bool downloadMode() const;
    bool usbPower() const;
    std::string terminalLine(int line) const;  // line 0 or 1, 16 characters
    uint64_t reportsGenerated() const;
    uint64_t reportsDropped() const;
    // Milliseconds since time zero (the first advanceTo), 0 before it.
    int64_t elapsedMs() const;
    // Demonstration engine as the unit measures it.
    double engineRpm() const;  // thousands
    double engineEgt() const;  // °C
    bool engineRunning() const;
    int testStep() const;  // hardware-test step in progress, 0 when none
    // Run-log pages as stored (32 bytes each) and the page the next one will replace.
    std::array<uint8_t, 32> runLogPage(int index) const;
    int runLogNextPage() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace norva::sim
