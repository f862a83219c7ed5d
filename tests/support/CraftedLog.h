#pragma once
// Crafted run logs for the logbook's tests: runs of a chosen start, as the unit records them.
#include <string>
#include <vector>

#include "runlog/RunLog.h"

namespace norva::testing {

// One run of `cycle`: `toIdle` lines below the idle speed (20000) peaking at `peak`, then
// `running` lines above it; `stopped` lines of a stopped engine after it.
struct Crafted {
    int cycle;
    int toIdle;
    int peak;
    int running = 6;
    int stopped = 2;
};
// The log begins with the engine stopped, so its first run's start is in it.
inline std::vector<std::string> Lines(const std::vector<Crafted>& runs) {
    std::vector<std::string> lines{RunLogRecord({runs[0].cycle, 0, 0, 100, 0, 0, 0})};
    for (const Crafted& r : runs) {
        for (int k = 0; k < r.toIdle; ++k)
            lines.push_back(RunLogRecord({r.cycle, 0, 0, k == 1 ? r.peak : 300, 5000, 0, 0}));
        for (int k = 0; k < r.running; ++k)
            lines.push_back(RunLogRecord({r.cycle, 1, 0, 600, 60000 + 1000 * k, 500, 400 + k}));
        for (int k = 0; k < r.stopped; ++k)
            lines.push_back(RunLogRecord({r.cycle, 2, 0, 100, 0, 0, 0}));
    }
    return lines;
}

// An export's lines at `moment` without a trailer: no welcome text, no idle speed of its own.
inline std::vector<std::string> BareExport(const std::vector<Crafted>& runs, const char* moment) {
    std::vector<std::string> lines{
        "\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\",#" +
        std::string(moment) + "#"};
    const auto data = Lines(runs);
    lines.insert(lines.end(), data.begin(), data.end());
    return lines;
}

}  // namespace norva::testing
