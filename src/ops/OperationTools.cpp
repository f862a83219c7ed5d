#include "ops/OperationTools.h"

#include <QCoreApplication>

#include <QEvent>
#include <QKeyEvent>

#include "ui/Dialogs.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OperationTools)
};
}  // namespace

bool StartOperation(Link& link, Dialogs& dialogs, Task<> operation, bool needsUnit,
                    const QObject* owner) {
    const RunningOperation::Refusal refusal =
        link.Operation.start(std::move(operation), needsUnit, owner);
    if (refusal == RunningOperation::Refusal::None) return true;
    dialogs.notify(RunningOperation::RefusalText(refusal), {}, MessageIcon::Warning);
    return false;
}

QString StopText(Outcome outcome, const QString& doing, const QString& howFar) {
    switch (outcome.kind) {
        case Outcome::UnitLost:
            return Texts::tr("The unit was lost while %1: %2.").arg(doing, howFar);
        case Outcome::Cancelled:
            return Texts::tr("Cancelled while %1: %2.").arg(doing, howFar);
        case Outcome::NoAnswer:
            return Texts::tr("The unit did not answer while %1: %2.").arg(doing, howFar);
        case Outcome::Done:
            break;
    }
    return {};
}

QString SentCount(int sent, int total) {
    return Texts::tr("%1 of %2 reports were sent").arg(sent).arg(total);
}

Task<OpStatus> Stop(Dialogs& dialogs, Outcome outcome, QString doing, QString howFar) {
    const QString text = StopText(outcome, doing, howFar);
    co_await dialogs.message(text, {}, MessageIcon::Warning);
    co_return OpStatus::Stopped;
}

Task<OpStatus> Refuse(Dialogs& dialogs, QString text, OpStatus status, MessageIcon icon) {
    co_await dialogs.message(text, {}, icon);
    co_return status;
}

Task<OpStatus> RefuseFile(Dialogs& dialogs, const std::string& error) {
    return Refuse(dialogs, Texts::tr("%1. Nothing was sent.").arg(QString::fromStdString(error)),
                  OpStatus::BadInput);
}

CancelWithWindow::CancelWithWindow(Link& link, QObject* window) : QObject(window), link_(link) {
    window->installEventFilter(this);
}

bool CancelWithWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if ((escape || event->type() == QEvent::Close) && link_.Operation.owner() == watched)
        link_.Operation.cancel();
    return false;
}

}  // namespace norva
