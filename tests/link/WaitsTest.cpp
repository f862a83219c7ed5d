// The link's waits for reports, and the one operation at a time. (Tested with the operations
// that use them: until() and its report count, FileOps; downloaded(), DownloadTest; a cancel
// ending every later wait, FileOps.)
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

namespace {
const char* Name(Outcome o) {
    static const char* const names[] = {"done", "lost", "cancelled", "no answer"};
    return names[o.kind];
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

    // A wait begun with no unit at all ends the same way.
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

TEST_F(WaitTest, YieldGivesTheEventLoopOnePassAndADestroyedTaskEndsWithoutAWord) {
    int passes = 0;
    Task<> task = YieldTwice(link, passes).started();
    EXPECT_EQ(passes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);  // the second yield waits for the next pass
    { Task<> destroyed = YieldTwice(link, passes).started(); }
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 2);  // only the first task's second pass
    EXPECT_TRUE(task.done());
    {
        Task<> destroyed = SendAndWait(link, 5, log).started();
        feedStream(2, 2);
    }
    feedStream(4, 20);
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
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
Task<> Outer(Link& link, std::vector<std::string>& log) {
    log.push_back("outer start");
    co_await SendAndWait(link, 2, log);
    log.push_back("outer done");
}
}  // namespace

TEST_F(WaitTest, DestroyingAnOperationDestroysTheOneItAwaits) {
    { Task<> cancelled = Outer(link, log).started(); }
    feedStream(2, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"outer start", "start"}));
}
