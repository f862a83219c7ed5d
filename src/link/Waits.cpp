// Waits of the operations. They are counted inside the poll, report by report, but resumed
// only after it, from the event loop: an operation that goes on to show a dialog must never
// run it inside a poll tick.
#include <QMetaObject>
#include <algorithm>

#include "link/Link.h"

namespace norva {

LinkWait::LinkWait(Link& link, Kind kind, int64_t count, std::function<bool()> predicate)
    : link_(link),
      kind_(kind),
      count_(count),
      asked_(count),
      predicate_(std::move(predicate)),
      // An operation's waits belong to the connection it began on.
      connection_(link.Operation.busy() && link.Operation.connection() != 0
                      ? link.Operation.connection()
                      : link.ConnectionNumber.get()) {}

LinkWait::~LinkWait() {
    if (!registered_) return;
    auto& waits = link_.waits_;
    waits.erase(std::remove(waits.begin(), waits.end(), this), waits.end());
}

bool LinkWait::await_ready() {
    if (link_.Operation.cancelling()) {
        ended_ = Outcome::Cancelled;
        return true;
    }
    if (kind_ == Kind::Yield) return false;
    if (!link_.DeviceDetected || link_.ConnectionNumber != connection_) {
        ended_ = Outcome::UnitLost;
        return true;
    }
    if (kind_ == Kind::Reports && count_ <= 0) return true;
    if (kind_ == Kind::Download && link_.DownloadByteCount >= count_) return true;
    return false;
}

void LinkWait::await_suspend(std::coroutine_handle<> handle) {
    handle_ = handle;
    sinceMs_ = static_cast<double>(link_.clock_());
    registered_ = true;
    link_.waits_.push_back(this);
    if (kind_ == Kind::Reports) link_.InputReportReceived = false;
    if (kind_ == Kind::Yield) link_.EndWait(this, Outcome::Done);
    link_.PacePoll();
}

void Link::PacePoll() {
    const bool waiting = std::any_of(waits_.begin(), waits_.end(), [](const LinkWait* w) {
        return w->kind_ != LinkWait::Kind::Yield;
    });
    const int interval = waiting ? kWaitPollMs : kPollMs;
    if (Timer3.interval() != interval) Timer3.setInterval(interval);
}

void Link::CountReport() {
    if (waits_.empty()) return;
    const int64_t now = clock_();
    // Unmeasured, the dates alone decide (reports read together are dated back generously).
    const double interval = MeasuredInterval().value_or(0);
    for (LinkWait* wait : waits_) {
        if (wait->endSerial_ != 0) continue;
        if (wait->kind_ == LinkWait::Kind::Download) {
            // Normal reports long after the request: the unit did not take it.
            if (!logStarted_ && now - downloadSinceMs_ >= kDownloadSignMs)
                EndWait(wait, Outcome::NoAnswer);
            continue;
        }
        if (wait->kind_ == LinkWait::Kind::Yield) continue;
        // A report the unit made before the wait began is no answer to what came before it.
        if (madeMs_ <= wait->sinceMs_) {
            if (wait->kind_ == LinkWait::Kind::Reports) InputReportReceived = false;
            continue;
        }
        // However fast the reports are read, the unit takes its own time to make them.
        const bool longEnough = static_cast<double>(now) - wait->sinceMs_ >=
                                static_cast<double>(wait->asked_) * interval;
        if (wait->kind_ == LinkWait::Kind::Until && wait->predicate_()) {
            EndWait(wait, Outcome::Done);
            continue;
        }
        if (wait->count_ > 0) --wait->count_;
        if (wait->count_ > 0 || !longEnough) {
            if (wait->kind_ == LinkWait::Kind::Reports)
                InputReportReceived = false;  // the wait for the next one
        } else {
            EndWait(wait,
                    wait->kind_ == LinkWait::Kind::Reports ? Outcome::Done : Outcome::NoAnswer);
        }
    }
}

void Link::EndWait(LinkWait* wait, Outcome::Kind how) {
    wait->ended_ = how;
    wait->endSerial_ = ++endSerial_;
    if (resumeScheduled_) return;
    resumeScheduled_ = true;
    QMetaObject::invokeMethod(this, &Link::ResumeEnded, Qt::QueuedConnection);
}

void Link::EndAllWaits(Outcome::Kind how) {
    for (LinkWait* wait : waits_)
        if (wait->endSerial_ == 0 && wait->kind_ != LinkWait::Kind::Yield) EndWait(wait, how);
}

void Link::ResumeEnded() {
    resumeScheduled_ = false;
    // Only what ended before this pass: a yield made while resuming waits for the next one.
    const uint64_t last = endSerial_;
    for (;;) {
        auto it = std::find_if(waits_.begin(), waits_.end(), [last](const LinkWait* w) {
            return w->endSerial_ != 0 && w->endSerial_ <= last;
        });
        if (it == waits_.end()) break;
        // One at a time: a resumed operation may end, cancel or start others.
        LinkWait* wait = *it;
        waits_.erase(it);
        wait->registered_ = false;
        if (wait->kind_ == LinkWait::Kind::Yield && Operation.cancelling())
            wait->ended_ = Outcome::Cancelled;
        wait->handle_.resume();
    }
    // The poll stopped at the report that ended a wait; what arrived after it is read now,
    // not a whole poll interval later. This runs from the event loop, never inside a poll.
    if (pollCutShort_ && !stopped_) {
        pollCutShort_ = false;
        PollTick();
    }
}

}  // namespace norva
