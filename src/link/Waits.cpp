// Waits of the operations: resumed from the poll, never from inside a dispatch.
#include <algorithm>

#include "link/Link.h"

namespace norva {

LinkWait::~LinkWait() {
    if (!registered_) return;
    auto& waits = link_.waits_;
    waits.erase(std::remove(waits.begin(), waits.end(), this), waits.end());
}

void LinkWait::await_suspend(std::coroutine_handle<> handle) {
    handle_ = handle;
    registered_ = true;
    link_.waits_.push_back(this);
    if (kind_ == Kind::Reports) {
        link_.InputReportReceived = false;
    } else {
        yieldPass_ = link_.yieldPass_ + 1;
        if (!link_.yieldScheduled_) {
            link_.yieldScheduled_ = true;
            QTimer::singleShot(0, &link_, &Link::ResumeYields);
        }
    }
}

void Link::ResumeReportWaits() {
    // Each normal dispatch counts once for every waiting operation.
    for (LinkWait* wait : waits_) {
        if (wait->kind_ != LinkWait::Kind::Reports || wait->remaining_ <= 0) continue;
        if (--wait->remaining_ > 0) InputReportReceived = false;  // the wait for the next one
    }
    // Resume one at a time: a resumed operation may cancel or start others.
    for (;;) {
        auto it = std::find_if(waits_.begin(), waits_.end(), [](const LinkWait* w) {
            return w->kind_ == LinkWait::Kind::Reports && w->remaining_ <= 0;
        });
        if (it == waits_.end()) break;
        LinkWait* wait = *it;
        waits_.erase(it);
        wait->registered_ = false;
        wait->handle_.resume();
    }
}

void Link::ResumeYields() {
    yieldScheduled_ = false;
    const uint64_t pass = ++yieldPass_;
    for (;;) {
        auto it = std::find_if(waits_.begin(), waits_.end(), [pass](const LinkWait* w) {
            return w->kind_ == LinkWait::Kind::Yield && w->yieldPass_ <= pass;
        });
        if (it == waits_.end()) break;
        LinkWait* wait = *it;
        waits_.erase(it);
        wait->registered_ = false;
        wait->handle_.resume();
    }
}

}  // namespace norva
