#pragma once
// Ctrl-C and SIGTERM on the command line: noticed by a flag that the event loop looks at, so
// that a command ends cleanly (the monitor flushes, an operation stops and says how far it got)
// and exits with 128 + the signal's number.

namespace norva {

// Catches SIGINT and SIGTERM for as long as it lives. Watches may nest: a signal that came
// under the outer one is still there for the inner one.
class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The signal that came (SIGINT or SIGTERM), or 0; reading it takes it.
    static int take();
    // The signal that came since the watch began, kept after take(); 0 when none did.
    static int received();
    // The exit status for the signal received: 130 for SIGINT, 143 for SIGTERM.
    static int exitStatus();
};

}  // namespace norva
