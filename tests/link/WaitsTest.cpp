#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

namespace {
const char* Name(Outcome o) {
    switch (o.kind) {
        case Outcome::Done:
            return "done";
        case Outcome::UnitLost:
            return "lost";
        case Outcome::Cancelled:
            return "cancelled";
        case Outcome::NoAnswer:
            return "no answer";
    }
    return "?";
}

// An operation that sends a frame, waits, records what it saw, and goes on.
Task<> SendAndWait(Link& link, int n, std::vector<std::string>& log) {
    log.push_back("start");
    link.send({CommandSlot(100, 1)});
    Outcome w = co_await link.reports(n);
    log.push_back(std::string(Name(w)) + " at " + std::to_string(int(link.ReplyAddress)));
    if (!w) co_return;
    const bool sent = link.send({CommandSlot(100, 2)});
    w = co_await link.reports(1);
    log.push_back(std::string(sent ? "sent, " : "") + Name(w) + " at " +
                  std::to_string(int(link.ReplyAddress)));
}

Task<> YieldTwice(Link& link, int& passes) {
    (void)co_await link.yield();
    ++passes;
    (void)co_await link.yield();
    ++passes;
}
}  // namespace

class WaitTest : public LinkTest {
  protected:
    void SetUp() override {
        feedStream(0, 2);
        bus.writes.clear();
    }
    std::vector<std::string> log;
};

TEST_F(WaitTest, ReportsResumeAfterThePollAtTheReportThatEndsTheWait) {
    Task<> task = SendAndWait(link, 10, log).started();
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
    EXPECT_FALSE(link.inputReportReceived());  // cleared by the wait
    feedStream(2, 9);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(link.inputReportReceived());  // cleared again for each report still to come
    // Three reports read in one go: the first (address 11) ends the wait, so the poll stops
    // there and the operation goes on from the event loop with what that report left. The
    // other two were made before its next command: they are dispatched before it goes out and
    // do not count for the wait after it. Nothing is lost or read twice.
    std::vector<int> seen;
    QObject::connect(&link, &Link::dispatched, [&] { seen.push_back(int(link.ReplyAddress)); });
    for (int a : {11, 12, 13}) bus.find("unit")->reports.push_back(StreamReport(a, 0));
    now += 3;
    link.PollTick();
    EXPECT_EQ(seen, (std::vector<int>{11}));
    EXPECT_EQ(log.size(), 1u);  // not resumed inside the poll
    Settle(link);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "done at 11"}));
    EXPECT_EQ(seen, (std::vector<int>{11, 12, 13}));
    feedStream(14, 1);
    EXPECT_EQ(log.back(), "sent, done at 14");
    EXPECT_TRUE(task.done());
}

TEST_F(WaitTest, AReportCountsOnlyIfTheUnitMadeItAfterTheWaitBeganAndAfterItsInterval) {
    feedStream(2, 20);  // a unit at 1000 reports a second
    ASSERT_EQ(link.MeasuredInterval(), 1.0);
    // Twelve reports waiting when the command goes out are dispatched before it; eight more
    // read in one go are dated a millisecond apart up to the moment of reading, so only those
    // made after the command count.
    for (int i = 0; i < 12; ++i) bus.find("unit")->reports.push_back(StreamReport(22 + i, 0));
    now += 12;
    Task<> task = SendAndWait(link, 4, log).started();
    for (int i = 0; i < 8; ++i) bus.find("unit")->reports.push_back(StreamReport(34 + i, 0));
    now += 3;  // five of the eight were made before the command
    tick();
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
    feedStream(42, 1);
    EXPECT_EQ(log.back(), "done at 42");
    // However many come at once, a wait of n lasts n report intervals.
    for (int i = 0; i < 6; ++i) bus.find("unit")->reports.push_back(StreamReport(43 + i, 0));
    tick();
    EXPECT_EQ(log.size(), 2u);
    feedStream(49, 1);
    EXPECT_EQ(log.back(), "sent, done at 49");
}

TEST_F(WaitTest, ALostUnitEndsTheWaitAndTheZeroFilledReportNeverCounts) {
    Task<> silent = SendAndWait(link, 1, log).started();
    now += kReadTimeoutMs;
    tick();
    EXPECT_FALSE(link.DeviceDetected);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "lost at 0"}));

    // A read failure, and a wait begun with no unit at all, end the same way.
    log.clear();
    tick();  // found again
    ASSERT_TRUE(link.DeviceDetected);
    Task<> failing = SendAndWait(link, 3, log).started();
    bus.find("unit")->failReads = true;
    tick();
    EXPECT_EQ(log.back(), "lost at 0");
    log.clear();
    Task<> none = SendAndWait(link, 3, log).started();
    EXPECT_EQ(log.back(), "lost at 0");
}

namespace {
// Holds an operation still, as a dialog the user has not answered yet would.
struct Gate {
    std::coroutine_handle<> waiting;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) { waiting = h; }
    void await_resume() const noexcept {}
};
Task<> SendAskSend(Link& link, Gate& gate, std::vector<std::string>& log) {
    link.send({CommandSlot(100, 1)});
    co_await gate;
    log.push_back(link.send({CommandSlot(100, 2)}) ? "sent" : "not sent");
    const Outcome w = co_await link.reports(1);
    log.push_back(Name(w));
}
}  // namespace

TEST_F(WaitTest, AnOperationNeverReachesALaterConnection) {
    Gate gate;
    ASSERT_EQ(link.Operation.start(SendAskSend(link, gate, log)), RunningOperation::Refusal::None);
    // Unplugged and plugged in again while the operation waits for the user.
    bus.unplug("unit");
    tick();
    bus.add("unit");
    tick();
    ASSERT_TRUE(link.DeviceDetected);
    gate.waiting.resume();
    EXPECT_EQ(log, (std::vector<std::string>{"not sent", "lost"}));
    EXPECT_EQ(bus.writes.size(), 1u);  // only the first frame, on the first connection
    // The user's own keys do reach the new unit.
    link.PressKey(TerminalKey::DataUp);
    EXPECT_EQ(bus.writes.size(), 2u);
}

TEST_F(WaitTest, UntilEndsWhenItsConditionHoldsOrItsReportsRunOut) {
    Outcome got{Outcome::Cancelled};
    int endedAt = -1;
    auto waitFor = [](Link& l, int address, int max, Outcome& out, int& at) -> Task<> {
        out = co_await l.until([&l, address] { return int(l.ReplyAddress) == address; }, max);
        at = int(l.ReplyAddress);
    };
    Task<> found = waitFor(link, 7, 20, got, endedAt).started();
    feedStream(2, 4);
    EXPECT_FALSE(found.done());
    feedStream(6, 2);
    EXPECT_EQ(got, Outcome{Outcome::Done});
    EXPECT_EQ(endedAt, 7);
    Task<> missing = waitFor(link, 200, 5, got, endedAt).started();
    feedStream(8, 10);
    EXPECT_EQ(got, Outcome{Outcome::NoAnswer});
    EXPECT_EQ(endedAt, 12);  // the fifth report was the last one allowed
}

TEST_F(WaitTest, DownloadedWaitsForTheRunLogByteCount) {
    Outcome got{Outcome::Cancelled};
    auto download = [](Link& l, Outcome& out) -> Task<> { out = co_await l.downloaded(96); };
    Writable(link.DownloadActive) = 1;
    Task<> task = download(link, got).started();
    feed({Report{}, Report{}});
    EXPECT_FALSE(task.done());
    feed({Report{}});
    EXPECT_EQ(got, Outcome{Outcome::Done});
    // Normal reports do not feed it, and a lost unit ends it.
    Writable(link.DownloadActive) = 0;
    Writable(link.DownloadByteCount) = 0;
    Task<> lost = download(link, got).started();
    feedStream(2, 5);
    EXPECT_FALSE(lost.done());
    bus.unplug("unit");
    tick();
    EXPECT_EQ(got, Outcome{Outcome::UnitLost});
}

TEST_F(WaitTest, CancelEndsTheCurrentWaitAndEveryLaterOne) {
    link.Operation.start(SendAndWait(link, 5, log));
    feedStream(2, 2);
    link.Operation.cancel();
    EXPECT_TRUE(link.Operation.busy());  // it goes on to say how far it got
    QCoreApplication::processEvents();
    EXPECT_EQ(log.back(), "cancelled at 3");
    EXPECT_FALSE(link.Operation.busy());
    feedStream(4, 20);
    EXPECT_EQ(bus.writes.size(), 1u);
}

TEST_F(WaitTest, DestroyingTheTaskEndsItWithoutAWord) {
    {
        Task<> task = SendAndWait(link, 5, log).started();
        feedStream(2, 2);
    }
    feedStream(4, 20);
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
    int passes = 0;
    { Task<> y = YieldTwice(link, passes).started(); }
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 0);
}

TEST_F(WaitTest, YieldGivesTheEventLoopOnePass) {
    int passes = 0;
    Task<> task = YieldTwice(link, passes).started();
    EXPECT_EQ(passes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);  // the second yield waits for the next pass
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 2);
    EXPECT_TRUE(task.done());
}

TEST_F(WaitTest, OneOperationAtATimeAndNoneWithoutAUnit) {
    std::vector<std::string> second;
    EXPECT_EQ(link.Operation.start(SendAndWait(link, 3, log)), RunningOperation::Refusal::None);
    EXPECT_EQ(link.Operation.start(SendAndWait(link, 3, second)), RunningOperation::Refusal::Busy);
    EXPECT_TRUE(second.empty());
    feedStream(2, 4);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_FALSE(link.Operation.busy());
    link.Operation.abort();  // nothing to do
    bus.unplug("unit");
    tick();
    EXPECT_EQ(link.Operation.start(SendAndWait(link, 3, second)),
              RunningOperation::Refusal::NoUnit);
    EXPECT_EQ(RunningOperation::RefusalText(RunningOperation::Refusal::NoUnit),
              "No unit is connected.");
    EXPECT_TRUE(second.empty());
}

TEST(WaitLifetime, LinkDestroyedBeforeItsOperation) {
    FakeBackend bus;
    std::vector<std::string> log;
    Task<> task;
    {
        Link link(bus);
        bus.add("unit").reports.push_back(StreamReport(0, 0));
        link.PollTick();
        task = SendAndWait(link, 2, log).started();
    }
    EXPECT_EQ(log.size(), 1u);  // task destroyed afterwards without touching the link
}

namespace {
Task<int> Inner(Link& link, std::vector<std::string>& log) {
    co_await SendAndWait(link, 2, log);
    co_return 42;
}
Task<> Outer(Link& link, std::vector<std::string>& log) {
    log.push_back("outer start");
    const int value = co_await Inner(link, log);
    log.push_back("outer got " + std::to_string(value));
}
}  // namespace

TEST_F(WaitTest, AnOperationCanAwaitAnotherAndItsValue) {
    Task<> task = Outer(link, log).started();
    EXPECT_EQ(log, (std::vector<std::string>{"outer start", "start"}));
    feedStream(2, 2);
    feedStream(4, 1);
    EXPECT_EQ(log.back(), "outer got 42");
    EXPECT_TRUE(task.done());
    // Destroying the outer operation destroys the inner one.
    log.clear();
    { Task<> cancelled = Outer(link, log).started(); }
    feedStream(5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"outer start", "start"}));
}
