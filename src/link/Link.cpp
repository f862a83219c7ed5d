// The link to the unit: made with its poll timer, started, and taken down with every wait
// let go and the handles closed.
#include "link/Link.h"

namespace norva {

Link::Link(HidBackend& backend, MsClock clock, QObject* parent)
    : QObject(parent), backend_(&backend), clock_(std::move(clock)) {
    ReportText = NotFoundText();
    Timer3.setInterval(kDesignPollMs);
    connect(&Timer3, &QTimer::timeout, this, &Link::PollTick);
}

Link::~Link() {
    stopped_ = true;
    // The operation goes before the state it waits on.
    Operation.abort();
    for (LinkWait* wait : waits_) wait->registered_ = false;
    CloseDeviceHandles();
}

void Link::start() {
    stopped_ = false;
    Timer3.setInterval(kDesignPollMs);
    Timer3.start();
}

}  // namespace norva
