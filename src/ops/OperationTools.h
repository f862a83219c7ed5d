#pragma once
// What every window's operations share: starting one (or saying why it cannot start), the
// words for how far a stopped one got, and cancelling with Escape or by closing the window
// that runs it.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "base/Task.h"
#include "link/Link.h"
#include "ui/Dialogs.h"

namespace norva {

class Progress;

// What an operation works with: the unit, the user, the progress display.
struct Services {
    Services(Link& l, Dialogs& d, Progress& p) : link(l), dialogs(d), progress(p) {}
    Link& link;
    Dialogs& dialogs;
    Progress& progress;
    // Where an operation notes what it did to the unit (a configuration write, a backup, a
    // hardware test's result): the engine logbook keeps it. Nothing by default.
    std::function<void(const QString& kind, const QString& file, const QString& detail)> journal;
    void note(const QString& kind, const QString& file, const QString& detail) const {
        if (journal) journal(kind, file, detail);
    }
};

// How an operation ended; on the command line, its exit status.
enum class OpStatus {
    Done,       // all of it
    Abandoned,  // the user cancelled a question; nothing was done
    Stopped,    // the unit was lost, did not answer, or the user cancelled midway
    BadInput,   // a file or an entry was refused; nothing was sent
    Refused,    // the unit refused (write protected, the other kind), or a check failed
};

// Starts the operation on link.Operation; a refusal is told through dialogs. True when it
// started.
bool StartOperation(Link& link, Dialogs& dialogs, Task<> operation, bool needsUnit = true,
                    const QObject* owner = nullptr);

// "The unit was lost while writing the welcome text: 3 of 6 reports were sent." `doing` says
// what was under way, `howFar` what had been done; an Outcome of Done gives an empty text.
QString StopText(Outcome outcome, const QString& doing, const QString& howFar);

// "3 of 6 reports were sent"
QString SentCount(int sent, int total);

// Tells the user why the operation stopped and how far it got; Stopped.
Task<OpStatus> Stop(Dialogs& dialogs, Outcome outcome, QString doing, QString howFar);

// Tells the user why nothing was done; the status given.
Task<OpStatus> Refuse(Dialogs& dialogs, QString text, OpStatus status,
                      MessageIcon icon = MessageIcon::Warning);
// A file that could not be read, and so nothing was sent: "FILE:3: …. Nothing was sent."
Task<OpStatus> RefuseFile(Dialogs& dialogs, const std::string& error);

// Watches a window: Escape in it, or closing it, cancels the operation it runs.
class CancelWithWindow : public QObject {
  public:
    CancelWithWindow(Link& link, QObject* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Link& link_;
};

}  // namespace norva
