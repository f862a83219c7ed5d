#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include "ui/QtDialogs.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using Kind = DialogCall::Kind;

TEST(DialogFilters, ClassicFiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Norva Measures(*.nvm)|*.nvm"), "Norva Measures (*.nvm)");
    EXPECT_EQ(QtFileFilter("Text files|*.txt|All(*.*)|*.*"), "Text files (*.txt);;All (*.*)");
    EXPECT_EQ(QtFileFilter("Logs|*.txt;*.log"), "Logs (*.txt *.log)");
    // The patterns after the bar are the ones that count.
    EXPECT_EQ(QtFileFilter("Ramps(*.xyz)|*.rmp"), "Ramps (*.rmp)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(DialogFilters, DefaultExtensionOnlyWhenNoneWasTyped) {
    EXPECT_EQ(WithDefaultExtension("/tmp/engine1", "nrv"), "/tmp/engine1.nrv");
    EXPECT_EQ(WithDefaultExtension("/tmp/engine1", ".nrv"), "/tmp/engine1.nrv");
    EXPECT_EQ(WithDefaultExtension("/tmp/engine1.txt", "nrv"), "/tmp/engine1.txt");
    EXPECT_EQ(WithDefaultExtension("/tmp/v1.2/engine1", "nrv"), "/tmp/v1.2/engine1.nrv");
    EXPECT_EQ(WithDefaultExtension("C:\\runs\\first", "txt"), "C:\\runs\\first.txt");
    EXPECT_EQ(WithDefaultExtension("engine1", ""), "engine1");
    EXPECT_EQ(WithDefaultExtension("", "nrv"), "");  // a cancel stays a cancel
}

TEST(ScriptedDialogs, AnUnansweredQuestionIsANoUnlessEveryQuestionHasAnAnswer) {
    ScriptedDialogs dialogs;
    Task<bool> asked = dialogs.ask("Write this change?").started();
    EXPECT_EQ(asked.result(), false);
    EXPECT_EQ(dialogs.unanswered(), 1);
    dialogs.answerQuestion(false);
    dialogs.answerEveryQuestion(true);
    EXPECT_EQ(dialogs.ask("Write this change?").started().result(), false);  // the queued one first
    EXPECT_EQ(dialogs.ask("Write this change?").started().result(), true);
    EXPECT_EQ(dialogs.unanswered(), 1);
}

namespace {
template <typename D>
D* OpenDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) return d;
    return nullptr;
}

Task<> AskFile(QtDialogs& dialogs, QString& chosen) {
    chosen = co_await dialogs.saveFile({"Save", "Norva Parameters(*.nrv)|*.nrv", "nrv", "", true});
}

Task<> Tell(QtDialogs& dialogs, bool& told) {
    co_await dialogs.message("Norva Write Protected");
    told = true;
}
}  // namespace

TEST(QtDialogs, SaveDialogIsAwaitedAndAddsTheDefaultExtension) {
    QTemporaryDir dir;
    QtDialogs dialogs;
    QString chosen = "unset";
    Task<> task = AskFile(dialogs, chosen).started();
    auto* dialog = OpenDialog<QFileDialog>();
    ASSERT_NE(dialog, nullptr);  // opened, not run: this test's code goes on meanwhile
    EXPECT_FALSE(task.done());
    dialog->selectFile(dir.filePath("engine1"));
    static_cast<QDialog*>(dialog)->accept();
    EXPECT_FALSE(task.done());  // the answer arrives from the event loop, never inside Qt's
    QCoreApplication::processEvents();
    ASSERT_TRUE(task.done());
    EXPECT_EQ(QDir::cleanPath(chosen), QDir::cleanPath(dir.filePath("engine1.nrv")));
    EXPECT_EQ(OpenDialog<QFileDialog>(), nullptr);
}

TEST(QtDialogs, AMessageOpenWhenItsOperationEndsIsClosedWithIt) {
    QtDialogs dialogs;
    bool told = false;
    {
        Task<> task = Tell(dialogs, told).started();
        ASSERT_NE(OpenDialog<QMessageBox>(), nullptr);
    }
    // Destroyed with the operation: nothing left open, nothing leaked, and it never resumes.
    EXPECT_EQ(OpenDialog<QMessageBox>(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_FALSE(told);
    Task<> answered = Tell(dialogs, told).started();
    OpenDialog<QMessageBox>()->accept();
    QCoreApplication::processEvents();
    EXPECT_TRUE(told);
}
