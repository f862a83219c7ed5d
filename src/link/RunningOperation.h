#pragma once
// The one multi-step operation that may talk to the unit at a time (a file write, a download, a
// hardware test, ...). It is started here, cancelled here (Escape, closing its window) and
// aborted here (quitting). An operation that needs the unit begins on the connection that is
// open when it starts and never sends over a later one.

#include <QObject>
#include <QString>
#include <cstdint>

#include "base/Task.h"

namespace norva {

class Link;

class RunningOperation : public QObject {
    Q_OBJECT
  public:
    enum class Refusal { None, Busy, NoUnit };

    explicit RunningOperation(Link& link) : link_(link) {}
    ~RunningOperation() override;

    // Starts the operation, unless another one still runs or it needs the unit and none is
    // connected (it is then dropped without having run a step). The task is made in the
    // caller's expression and not yet started: its parameters already live in its frame.
    // `owner` is the window that runs it: Escape there, or closing it, cancels it.
    Refusal start(Task<> operation, bool needsUnit = true, const QObject* owner = nullptr);
    bool busy() const { return starting_ || !task_.done(); }
    const QObject* owner() const { return busy() ? owner_ : nullptr; }

    // Asks the running operation to stop: the wait it is in, and every later one, ends as
    // cancelled, so the operation says how far it got and ends by itself.
    void cancel();
    // Ends the running operation at once, without a word (quitting).
    void abort();

    bool cancelling() const { return cancelling_; }
    // The connection the running operation began on; 0 when it began without one.
    uint64_t connection() const { return connection_; }

    // What the user is told when a start is refused.
    static QString RefusalText(Refusal refusal);

  signals:
    // After an operation has ended, however it ended; never from inside it.
    void finished();

  private:
    Task<> Run(Task<> operation);
    void notifyFinished();

    Link& link_;
    Task<> task_;
    bool starting_ = false;  // the new operation runs its first steps inside start()
    bool cancelling_ = false;
    uint64_t connection_ = 0;
    const QObject* owner_ = nullptr;
};

}  // namespace norva
