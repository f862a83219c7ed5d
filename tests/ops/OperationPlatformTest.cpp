// Operations on the real event loop with Qt's own dialogs: the poll goes on, unnested, while a
// dialog of an operation is open, and quitting with one open leaves nothing behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "app/App.h"
#include "link/hid/SimBackend.h"
#include "ops/OperationTools.h"
#include "ui/Dialogs.h"

using namespace norva;

namespace {

QMessageBox* OpenMessage() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// Waits, tells the user something, waits again: the shape of most operations' endings.
Task<> WaitTellWait(Link& link, Dialogs& dialogs, std::vector<std::string>& log) {
    Outcome w = co_await link.reports(2);
    log.push_back(w ? "waited" : "lost");
    const QString text = QStringLiteral("Norva Write Protected");
    co_await dialogs.message(text);
    log.push_back("told");
    w = co_await link.reports(1);
    log.push_back(w ? "done" : "lost");
}

class OperationPlatform : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<App> app;
    SimBackend* unit = nullptr;

    void SetUp() override {
        sim::SimOptions sim;
        sim.rate = 1000;
        auto backend = std::make_unique<SimBackend>(sim);
        unit = backend.get();
        AppOptions options;
        options.settingsPath = dir.filePath("norva10.ini");
        app = std::make_unique<App>(std::move(backend), std::move(options));  // Qt's dialogs
        QTest::qWait(300);  // found, stream direction settled
        ASSERT_TRUE(app->link().DeviceDetected);
    }
};

}  // namespace

TEST_F(OperationPlatform, ReportsFlowUnnestedWhileAnOperationShowsAMessage) {
    Link& link = app->link();
    const int baseLevel = QThread::currentThread()->loopLevel();
    std::vector<int> addresses;
    int deepest = 0;
    QObject::connect(&link, &Link::dispatched, [&] {
        addresses.push_back(int(link.ReplyAddress));
        deepest = std::max(deepest, QThread::currentThread()->loopLevel());
    });
    const auto generatedBefore = unit->unit().reportsGenerated() - unit->unit().pendingReports();

    std::vector<std::string> log;
    Link* l = &link;
    Dialogs* d = &app->dialogs();
    ASSERT_TRUE(StartOperation(link, app->dialogs(), WaitTellWait(*l, *d, log)));
    QTest::qWait(100);
    QMessageBox* box = OpenMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"waited"}));
    const size_t atOpen = addresses.size();
    QTest::qWait(300);
    EXPECT_GT(addresses.size(), atOpen + 150);  // about 1000 a second while the message is up
    box->accept();
    QTest::qWait(100);
    EXPECT_EQ(log, (std::vector<std::string>{"waited", "told", "done"}));
    EXPECT_FALSE(link.Operation.busy());

    // Never a poll inside another: every dispatch ran at the test's own loop level (QTest's
    // wait adds one), none from a dialog's loop.
    EXPECT_LE(deepest, baseLevel + 1);
    // Every report exactly once, in order.
    const auto generated = unit->unit().reportsGenerated() - unit->unit().pendingReports();
    EXPECT_EQ(static_cast<long long>(addresses.size()),
              static_cast<long long>(generated - generatedBefore));
    for (size_t i = 1; i < addresses.size(); ++i)
        ASSERT_EQ(addresses[i], (addresses[i - 1] + 1) % 256) << "report " << i;
}

TEST_F(OperationPlatform, QuittingWithAnOperationsDialogOpenIsClean) {
    std::vector<std::string> log;
    Link* l = &app->link();
    Dialogs* d = &app->dialogs();
    ASSERT_TRUE(StartOperation(app->link(), app->dialogs(), WaitTellWait(*l, *d, log)));
    QTest::qWait(100);
    ASSERT_NE(OpenMessage(), nullptr);
    app.reset();  // the program ends with the message still up
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenMessage(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"waited"}));
}
