#pragma once
// One table of exit statuses for every command: the same cause gives the same status, so a
// script can tell a missing unit from a bad file from a refusal.

#include "ops/OperationTools.h"

namespace norva::exitstatus {

constexpr int kDone = 0;
constexpr int kDiffers = 1;       // diff: the two sides differ
constexpr int kNoUnit = 2;        // no unit, unit lost, or no answer; the window: no display
constexpr int kBadInput = 3;      // a bad file, entry or output path
constexpr int kRefused = 4;       // refused by the unit, or a check that failed
constexpr int kUsage = 64;        // a command line that cannot be run (sysexits' EX_USAGE)
constexpr int kSignalBase = 128;  // interrupted: 130 for SIGINT, 143 for SIGTERM

// An operation's end as the command's exit status. A question left unanswered on the command
// line is an entry that was missing.
inline int ExitCode(OpStatus status) {
    switch (status) {
        case OpStatus::Done:
            return kDone;
        case OpStatus::Stopped:
            return kNoUnit;
        case OpStatus::Abandoned:
        case OpStatus::BadInput:
            return kBadInput;
        case OpStatus::Refused:
            return kRefused;
    }
    return kNoUnit;
}

}  // namespace norva::exitstatus
