#pragma once
// --device SPEC: which way the program reaches a unit.
//   hid                      the unit on USB (default)
//   sim[:OPTION]...          the simulated unit in this process; options in any order:
//                            downward (or falling), rate=N, answer=K, preamble=N, burst=N, queue=N,
//                            silent-after=N, unplug-after=N, engine=off, refuse-writes=A,B-C
//   tcp:HOST:PORT            a unit played by another process over TCP
//   replay:FILE[:speed=N]    an exported run log played as a unit would, N times real time

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/Clock.h"
#include "link/hid/HidBackend.h"
#include "link/hid/ReplayBackend.h"
#include "sim/SimOptions.h"

namespace norva {

struct DeviceChoice {
    enum class Kind { Hid, Sim, Tcp, Replay };
    Kind kind = Kind::Hid;
    sim::SimOptions sim;  // sim
    std::string host;     // tcp
    uint16_t port = 0;    // tcp
    std::string file;     // replay: the export, read by the caller into `recording`
    int speed = 1;        // replay: times real time
    std::shared_ptr<const ReplayRecording> recording;
};

// nullopt with a message in error when the text is not a device choice.
std::optional<DeviceChoice> ParseDevice(const std::string& text, std::string& error);
std::unique_ptr<HidBackend> MakeBackend(const DeviceChoice& choice, MsClock clock = SteadyMs);

}  // namespace norva
