#pragma once
// A link on the simulated unit with one hand-moved clock for both, so a test can let exact
// stretches of time pass in poll ticks (each followed by one pass of the event loop, which
// resumes the operations whose waits the tick ended).

#include <algorithm>

#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "support/LinkFixture.h"

namespace norva::testing {

// The simulated unit's backend, noting how many reports the unit had made when each output
// report reached it: the difference between two is what the unit sent between two commands.
class MarkedBackend : public ForwardingBackend {
  public:
    MarkedBackend(SimBackend& sim, const int64_t& now)
        : ForwardingBackend(sim), sim_(sim), now_(now) {}
    std::vector<uint64_t> made;  // at each write
    // The reports made between each output report and the next, from write `from` on.
    std::vector<int> gaps(size_t from = 0) const {
        std::vector<int> out;
        for (size_t k = from + 1; k < made.size(); ++k) out.push_back(int(made[k] - made[k - 1]));
        return out;
    }
    bool write(HidHandle h, std::span<const uint8_t> report) override {
        sim_.unit().advanceTo(now_);
        made.push_back(sim_.unit().reportsGenerated());
        return sim_.write(h, report);
    }

  private:
    SimBackend& sim_;
    const int64_t& now_;
};

struct SimRig {
    int64_t now = 0;
    SimBackend backend;
    MarkedBackend marked{backend, now};
    Link link;

    explicit SimRig(bool downward = false, int rate = 1000) : SimRig(Options(downward, rate)) {}
    explicit SimRig(const sim::SimOptions& options)
        : backend(options, [this] { return now; }), link(marked, [this] { return now; }) {}

    sim::SimUnit& unit() { return backend.unit(); }
    // Lets `ms` pass, one poll tick at a time, as often as the link's timer would tick (every
    // millisecond while an operation waits for the unit).
    void run(int ms) {
        for (int t = 0; t < ms;) {
            const int step = std::clamp(link.pollTimer().interval(), 1, Link::kPollMs);
            now += step;
            t += step;
            link.PollTick();
            Settle(link);
        }
    }

  private:
    static sim::SimOptions Options(bool downward, int rate) {
        sim::SimOptions options;
        options.downward = downward;
        options.rate = rate;
        return options;
    }
};

}  // namespace norva::testing
