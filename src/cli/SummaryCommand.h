#pragma once
// norva summary: the parameter summary as text, from the unit or from a clone file, for a
// terminal or a script. The same lines the parameters window shows, frame by frame.

#include <cstdio>
#include <string>

#include "params/Summary.h"

namespace norva {

class Link;

// The summary's waiting limit: a unit streaming at its slowest completes in about 6 s.
constexpr int kSummaryTimeoutMs = 30000;

// Every frame the summary shows, in the window's layout order: "[Caption]", its shown lines
// top to bottom (the status line for Status), a blank line. UTF-8.
std::string SummaryReport(const params::Summary& summary);

// Runs the link until the unit's image is complete, then prints its summary to out. Exit
// status 0; 2 with a message on err when no unit is found within unitWaitMs, it is lost, or the
// image is not complete within timeoutMs; 130 or 143 at Ctrl-C or SIGTERM.
int RunSummary(Link& link, std::FILE* out, std::FILE* err, int timeoutMs = kSummaryTimeoutMs,
               int unitWaitMs = 10000);

// Prints the summary of a clone file, read as an upward unit's complete image with the
// stick and the receiver pulse at 0. Exit status 0, or 3 with a message on err for a file that
// cannot be read or is not a clone file.
int PrintCloneSummary(const std::string& path, std::FILE* out, std::FILE* err);

}  // namespace norva
