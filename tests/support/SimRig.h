#pragma once
// A link on the simulated unit with one hand-moved clock for both, so a test can let exact
// stretches of time pass in poll ticks (each followed by one pass of the event loop, which
// resumes the operations whose waits the tick ended).

#include <algorithm>

#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "support/LinkFixture.h"

namespace norva::testing {

struct SimRig {
    int64_t now = 0;
    SimBackend backend;
    Link link;

    explicit SimRig(bool falling = false, int rate = 1000) : SimRig(Options(falling, rate)) {}
    explicit SimRig(const sim::SimOptions& options)
        : backend(options, [this] { return now; }), link(backend, [this] { return now; }) {}

    sim::SimUnit& unit() { return backend.unit(); }
    // Lets `ms` pass, one poll tick at a time, as often as the link's timer would tick (every
    // millisecond while an operation waits for the unit).
    void run(int ms) {
        for (int t = 0; t < ms;) {
            const int step = std::clamp(link.Timer3.interval(), 1, Link::kPollMs);
            now += step;
            t += step;
            link.PollTick();
            Settle(link);
        }
    }

  private:
    static sim::SimOptions Options(bool falling, int rate) {
        sim::SimOptions options;
        options.falling = falling;
        options.rate = rate;
        return options;
    }
};

}  // namespace norva::testing
