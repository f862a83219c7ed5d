#pragma once
// The little that differs between systems, and the only file that includes a system header:
// everything else goes through Qt and the standard library, so the program builds wherever
// they do. Each function says what it does where the system offers no equivalent.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace norva {

// True when the stream is a terminal someone watches, not a file or a pipe.
bool IsTerminal(std::FILE* stream);

// SIGINT and SIGTERM (Ctrl+C, a service stopping) call handler from then on. A blocking call
// then returns at the signal instead of carrying on.
void CatchStopSignals(void (*handler)(int));

// True when no process of this id is running any more. False where that cannot be told, so
// nothing of a running process is ever taken for left over.
bool ProcessGone(int64_t pid);

// Gives a file the owner and group it had before it was rewritten, where the system has them
// and allows it.
void GiveOwner(const std::string& path, unsigned user, unsigned group);

// True when the device node exists but this account may not open it for reading and writing.
bool OpenRefused(const std::string& path);

// A hidraw node's report descriptor, as the kernel holds it; nothing when it cannot be read,
// and nothing on systems without hidraw.
std::optional<std::vector<uint8_t>> HidrawReportDescriptor(const std::string& path);

// Waits up to timeoutMs until a connected socket (its native descriptor) takes more to send.
// Qt's sockets queue what the system does not take, and a report once queued cannot be taken
// back: this is asked first, so a report that cannot leave is dropped whole.
bool WaitWritable(intptr_t socket, int timeoutMs);

// Processor time of the calling thread, in seconds; the whole process's where a thread's own
// cannot be had.
double ThreadCpuSeconds();

// What a program run to its end used: for measuring another process, as the benchmarks do.
struct ProgramUsage {
    bool succeeded = false;  // ended by itself with exit status 0
    double peakMiB = 0;      // its largest resident memory
    double cpuSeconds = 0;
};
// Runs args[0] with the arguments that follow, its standard output thrown away; nothing where
// another process's usage cannot be had.
std::optional<ProgramUsage> RunMeasured(const std::vector<std::string>& args);

}  // namespace norva
