#pragma once
// How the simulated unit behaves: its kind and report rate, and the liberties the protocol
// allows a real unit (a read answered in one to four reports, reports delivered in bursts, a
// longer run-log preamble) and the faults a test may want (silence, unplugging, an engine at
// rest). The program's "sim:..." device and norva-sim take the same options by name.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace norva::sim {

struct SimOptions {
    bool downward = false;     // a downward unit: streams its image in falling address order
    int rate = 50;             // input reports per second, 1..1000
    uint32_t seed = 1;         // for the nonsense-report fault and the engine's small noise
    int answerReports = 4;     // a read request is answered in this many reports in a row, 1..4
    int preamble = 8;          // bytes the run log sends before its markers
    int burst = 1;             // reports handed over together, as an operating system's queue does
    int64_t silentAfter = -1;  // stops sending after this many reports; -1 never
    int64_t unplugAfter = -1;  // is unplugged after this many reports; -1 never
    bool engineOff = false;    // the engine stands at rest, cold, instead of its demonstration
    // Reports the system holds until the program reads them, made before whatever the program
    // sends next; the oldest go when it is full.
    int queue = 256;
    // Cells the unit does not store: a write there is taken and forgotten.
    std::bitset<256> refuseWrites{};
};

constexpr int kMaxPreamble = 4096;
constexpr int kMaxBurst = 64;
constexpr int kMaxQueue = 4096;

// One option by its name as the device text spells it: "downward", "upward", "rate=N",
// "answer=K", "preamble=N", "burst=N", "queue=N", "silent-after=N", "unplug-after=N",
// "engine=off|on", "refuse-writes=A,B-C,...".
// False, with the option named in error, for anything else or a value out of range.
bool SetSimOption(SimOptions& options, std::string_view option, std::string& error);

}  // namespace norva::sim
