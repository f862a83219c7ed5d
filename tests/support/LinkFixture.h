#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

#include "link/Link.h"
#include "support/FakeBackend.h"
#include "support/UnitStateAccess.h"

namespace norva::testing {

// Lets the event loop run until every operation whose wait ended has gone on, and the reports
// that waited behind it have been read.
inline void Settle(Link& link) {
    do QCoreApplication::processEvents();
    while (link.resumePending());
}

// Lets the event loop run, in real time, until `done` (work awaited off the interface thread
// ends when it ends, whatever the test's clock says); false after 30 s.
inline bool WaitReally(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 30000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// A link on a scripted bus with a hand-moved clock; tick() runs one poll tick and then lets
// the event loop resume the operations whose waits it ended.
class LinkTest : public ::testing::Test {
  protected:
    FakeBackend bus;
    int64_t now = 1000;
    Link link{bus, [this] { return now; }};

    void tick() {
        link.PollTick();
        Settle(link);
    }
    // The unit "unit" (added when missing) sends the reports a millisecond apart, each read by
    // a tick of its own, as a unit at 1000 reports a second polled every millisecond.
    void feed(const std::vector<Report>& reports) {
        if (!bus.find("unit")) bus.add("unit");
        for (const auto& r : reports) {
            bus.find("unit")->reports.push_back(r);
            ++now;
            tick();
        }
    }
    void feedStream(int first, int count, bool downward = false) {
        std::vector<Report> reports;
        for (int i = 0; i < count; ++i) {
            const int a = ((downward ? first - i : first + i) % 256 + 256) % 256;
            reports.push_back(StreamReport(a, bus.memory[a]));
        }
        feed(reports);
    }
};

}  // namespace norva::testing
