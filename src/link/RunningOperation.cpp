#include "link/RunningOperation.h"

#include <QCoreApplication>

#include <QMetaObject>

#include "link/Link.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RunningOperation)
};
}  // namespace

RunningOperation::~RunningOperation() {
    abort();
}

RunningOperation::Refusal RunningOperation::start(Task<> operation, bool needsUnit,
                                                  const QObject* owner) {
    if (busy()) return Refusal::Busy;
    if (needsUnit && !link_.DeviceDetected) return Refusal::NoUnit;
    task_ = Task<>();  // a finished one is released here
    cancelling_ = false;
    owner_ = owner;
    connection_ = link_.DeviceDetected ? link_.ConnectionNumber.get() : 0;
    starting_ = true;
    Task<> run = Run(std::move(operation));
    run.start();
    starting_ = false;
    task_ = std::move(run);
    return Refusal::None;
}

Task<> RunningOperation::Run(Task<> operation) {
    co_await std::move(operation);
    cancelling_ = false;
    notifyFinished();
}

void RunningOperation::notifyFinished() {
    // Queued: whoever listens may start the next operation, which must not happen while this
    // one's frame is still running.
    QMetaObject::invokeMethod(
        this, [this] { emit finished(); }, Qt::QueuedConnection);
}

void RunningOperation::cancel() {
    if (!busy()) return;
    cancelling_ = true;
    link_.EndAllWaits(Outcome::Cancelled);
}

void RunningOperation::abort() {
    if (!busy()) return;
    task_ = Task<>();
    cancelling_ = false;
    notifyFinished();
}

QString RunningOperation::RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::Busy:
            return Texts::tr(
                "Another operation is still running. Wait until it has finished, or cancel it "
                "with Escape in its window.");
        case Refusal::NoUnit:
            return Texts::tr("No unit is connected.");
        case Refusal::None:
            break;
    }
    return {};
}

}  // namespace norva
