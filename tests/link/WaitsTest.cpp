#include <gtest/gtest.h>

#include <QCoreApplication>

#include "link/LinkFixture.h"

using namespace norva;
using namespace norva::testing;

namespace {
// An operation that sends a frame, waits, records what it saw, and goes on.
Task SendAndWait(Link& link, int n, std::vector<std::string>& log) {
    log.push_back("start");
    link.PressKey(TerminalKey::DataUp);
    co_await link.reports(n);
    log.push_back("after " + std::to_string(n) + " at " + std::to_string(int(link.ReplyAddress)));
    co_await link.reports(1);
    log.push_back("done at " + std::to_string(int(link.ReplyAddress)));
}

Task YieldTwice(Link& link, int& passes) {
    co_await link.yield();
    ++passes;
    co_await link.yield();
    ++passes;
}
}  // namespace

class WaitTest : public LinkTest {
  protected:
    void SetUp() override {
        feedStream(0, 2);
        bus.writes.clear();
    }
};

TEST_F(WaitTest, ReportsResumesAfterExactlyNDispatchesEvenWithinOneTick) {
    std::vector<std::string> log;
    Task task = SendAndWait(link, 10, log);
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
    EXPECT_FALSE(link.InputReportReceived);  // cleared by the wait
    EXPECT_EQ(bus.writes.size(), 1u);
    feedStream(2, 9);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(link.InputReportReceived);  // cleared again for each report still to come
    feedStream(11, 3);  // the 10th report is address 11; the next wait takes address 12
    EXPECT_EQ(log, (std::vector<std::string>{"start", "after 10 at 11", "done at 12"}));
    EXPECT_TRUE(task.done());
    EXPECT_TRUE(link.InputReportReceived);
}

TEST_F(WaitTest, ZeroFilledDispatchAfterTimeOutEndsAWait) {
    std::vector<std::string> log;
    Task task = SendAndWait(link, 1, log);
    now += kReadTimeoutMs;
    tick();
    EXPECT_FALSE(link.DeviceDetected);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "after 1 at 0");
}

TEST_F(WaitTest, DownloadReportsDoNotEndAWait) {
    std::vector<std::string> log;
    Task task = SendAndWait(link, 1, log);
    link.DownloadActive = 1;
    feedStream(2, 5);
    EXPECT_EQ(log.size(), 1u);
    link.DownloadActive = 0;
    feedStream(7, 1);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(WaitTest, DestroyingTheTaskCancelsIt) {
    std::vector<std::string> log;
    {
        Task task = SendAndWait(link, 5, log);
        feedStream(2, 2);
    }
    feedStream(4, 20);
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
    int passes = 0;
    { Task y = YieldTwice(link, passes); }
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 0);
}

TEST_F(WaitTest, YieldGivesTheEventLoopOnePass) {
    int passes = 0;
    Task task = YieldTwice(link, passes);
    EXPECT_EQ(passes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);  // the second yield waits for the next pass
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 2);
    EXPECT_TRUE(task.done());
}

TEST_F(WaitTest, OnlyOneOperationRunsAtATime) {
    std::vector<std::string> first, second;
    EXPECT_TRUE(link.Operation.start([&] { return SendAndWait(link, 3, first); }));
    EXPECT_TRUE(link.Operation.busy());
    EXPECT_FALSE(link.Operation.start([&] { return SendAndWait(link, 3, second); }));
    EXPECT_TRUE(second.empty());
    feedStream(2, 4);
    EXPECT_EQ(first.size(), 3u);
    EXPECT_FALSE(link.Operation.busy());
    EXPECT_TRUE(link.Operation.start([&] { return SendAndWait(link, 3, second); }));
    link.Operation.cancel();
    EXPECT_FALSE(link.Operation.busy());
    feedStream(6, 10);
    EXPECT_EQ(second.size(), 1u);
}

TEST(WaitLifetime, LinkDestroyedBeforeItsOperation) {
    FakeBackend bus;
    std::vector<std::string> log;
    Task task;
    {
        Link link(bus);
        bus.add("unit").reports.push_back(StreamReport(0, 0));
        link.PollTick();
        task = SendAndWait(link, 2, log);
    }
    EXPECT_EQ(log.size(), 1u);  // task destroyed afterwards without touching the link
}

namespace {
Task Outer(Link& link, std::vector<std::string>& log) {
    log.push_back("outer start");
    co_await SendAndWait(link, 2, log);
    log.push_back("outer done");
}
}  // namespace

TEST_F(WaitTest, AnOperationCanAwaitAnother) {
    std::vector<std::string> log;
    Task task = Outer(link, log);
    EXPECT_EQ(log, (std::vector<std::string>{"outer start", "start"}));
    feedStream(2, 3);
    EXPECT_EQ(log.back(), "outer done");
    EXPECT_TRUE(task.done());
    // Destroying the outer operation cancels the inner one.
    log.clear();
    { Task cancelled = Outer(link, log); }
    feedStream(5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"outer start", "start"}));
}
