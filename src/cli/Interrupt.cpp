#include "cli/Interrupt.h"

#include <atomic>
#include <csignal>

#include "base/Platform.h"
#include "cli/ExitStatus.h"

namespace norva {

namespace {
std::atomic<int> gPending{0};
std::atomic<int> gReceived{0};
int gWatches = 0;  // watches alive: the outermost installs the handler and removes it
extern "C" void OnInterrupt(int signal) {
    gPending = signal;
    gReceived = signal;
}
}  // namespace

InterruptWatch::InterruptWatch() {
    // A watch inside another (main's, around a command's own) keeps what already came.
    if (gWatches++ > 0) return;
    gPending = 0;
    gReceived = 0;
    // A blocking call (a FIFO opened as a file) returns at the signal.
    CatchStopSignals(OnInterrupt);
}

InterruptWatch::~InterruptWatch() {
    if (--gWatches > 0) return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

int InterruptWatch::take() {
    return gPending.exchange(0);
}

int InterruptWatch::received() {
    return gReceived;
}

int InterruptWatch::exitStatus() {
    return exitstatus::kSignalBase + gReceived;
}

}  // namespace norva
