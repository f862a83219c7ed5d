#pragma once
// The headless monitor: the same poll and dispatch as the window, one printed line per
// normal dispatch, as readable text or as CSV for a spreadsheet.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <string>

#include "link/Link.h"

namespace norva {

struct MonitorOptions {
    long long reports = 0;        // stop after this many lines; 0 = no limit
    double seconds = 0;           // stop after this long; 0 = no limit
    double unitWaitSeconds = 10;  // no unit found by then: exit 2
    bool csv = false;
};

std::string MonitorCsvHeader();
std::string MonitorCsvRow(const Link& link, int64_t elapsedMs);
std::string MonitorTextRow(const Link& link, int64_t elapsedMs);
// A terminal line as printed: 16 characters in the unit's character set (Windows-1252), code 0
// as a blank, control characters as \xNN.
std::string TerminalLine(const Link& link, int line);

class Monitor : public QObject {
    Q_OBJECT
  public:
    Monitor(Link& link, MonitorOptions options, std::FILE* out, std::FILE* status);
    // Runs the event loop until a limit is reached or the user interrupts; the exit code.
    int run();
    long long lines() const { return lines_; }

  private:
    void onDispatched();
    void tellState();
    void finish();

    Link& link_;
    MonitorOptions options_;
    std::FILE* out_;
    std::FILE* status_;
    int64_t startMs_ = 0;
    long long lines_ = 0;
    QTimer interruptCheck_;
    LinkState told_ = LinkState::NotConnected;  // the connection state last printed
    bool found_ = false;                        // the unit was seen at least once
    int exitStatus_ = 0;                        // when not interrupted
};

}  // namespace norva
