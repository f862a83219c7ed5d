#pragma once
// An operation run the way the menus run it, on a link of the test's own: scripted dialogs,
// recorded progress, a folder for files, and the status the operation ended with.
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <string>

#include "ops/OperationTools.h"
#include "support/RecordingProgress.h"
#include "ui/ScriptedDialogs.h"

namespace norva::testing {

// Not inline: Clang cannot emit a coroutine with vague linkage under the sanitizers.
namespace {
Task<> Keep(Task<OpStatus> operation, std::optional<OpStatus>& status) {
    status = co_await std::move(operation);
}
}  // namespace

struct OperationRig {
    // Every write's changes are asked for: a test that wants No queues it.
    explicit OperationRig(Link& l) : link(l) { dialogs.answerEveryQuestion(true); }

    Link& link;
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    QTemporaryDir dir;
    std::optional<OpStatus> status;  // set when the operation has ended

    Services services() { return Services(link, dialogs, progress); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Starts it as the one running operation; false when that was refused.
    bool start(std::function<Task<OpStatus>(Services)> operation) {
        status.reset();
        const Services s = services();
        return link.Operation.start(Keep(operation(s), status)) == RunningOperation::Refusal::None;
    }
    std::string file(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    void write(const char* name, const std::string& text) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    QString lastMessage() const {
        const auto m = dialogs.messages();
        return m.empty() ? QString() : m.back();
    }
};

}  // namespace norva::testing
