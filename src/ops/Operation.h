#pragma once
// What every window's operations share: starting one (or saying why it cannot start), the
// words for how far a stopped one got, and cancelling with Escape or by closing the window
// that runs it.

#include <QObject>
#include <QString>
#include <functional>

#include "base/Task.h"
#include "link/Link.h"

namespace norva {

class Dialogs;

// Starts the operation on link.Operation; a refusal is told through dialogs. True when it
// started.
bool StartOperation(Link& link, Dialogs& dialogs, const std::function<Task<>()>& make,
                    bool needsUnit = true, const QObject* owner = nullptr);

// "The unit was lost while writing the welcome text: 3 of 6 reports were sent." `doing` says
// what was under way, `howFar` what had been done; an Outcome of Done gives an empty text.
QString StopText(Outcome outcome, const QString& doing, const QString& howFar);

// "3 of 6 reports were sent"
QString SentCount(int sent, int total);

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
