#pragma once
// Ctrl-C and SIGTERM on the command line: noticed by a flag that the event loop looks at, so
// that a command ends cleanly (the monitor flushes, an operation stops and says how far it got).

namespace norva {

// Catches SIGINT and SIGTERM for as long as it lives.
class InterruptWatch {
  public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // True once a signal has come; reading it takes it.
    static bool take();
};

}  // namespace norva
