#include "base/Platform.h"

#include <QtGlobal>
#include <csignal>
#include <ctime>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif
#if defined(__linux__)
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#endif
#if defined(Q_OS_WIN)
#include <io.h>
#endif

#include "base/Clock.h"

namespace norva {

bool IsTerminal(std::FILE* stream) {
#if defined(Q_OS_UNIX)
    return ::isatty(::fileno(stream)) != 0;
#elif defined(Q_OS_WIN)
    return ::_isatty(::_fileno(stream)) != 0;
#else
    (void)stream;
    return false;
#endif
}

void CatchStopSignals(void (*handler)(int)) {
#if defined(Q_OS_UNIX)
    // sigaction without SA_RESTART: std::signal would restart the interrupted call.
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#else
    std::signal(SIGINT, handler);
    std::signal(SIGTERM, handler);
#endif
}

bool ProcessGone(int64_t pid) {
#if defined(Q_OS_UNIX)
    const auto id = static_cast<pid_t>(pid);
    return id > 0 && id == pid && ::kill(id, 0) != 0 && errno == ESRCH;
#else
    (void)pid;
    return false;
#endif
}

void GiveOwner(const std::string& path, unsigned user, unsigned group) {
#if defined(Q_OS_UNIX)
    (void)::chown(path.c_str(), user, group);
#else
    (void)path, (void)user, (void)group;
#endif
}

#if defined(Q_OS_UNIX)
namespace {
// Closes the descriptor when it goes out of scope.
struct Fd {
    explicit Fd(int value) : fd(value) {}
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int fd;
};
}  // namespace
#endif

bool OpenRefused(const std::string& path) {
#if defined(Q_OS_UNIX)
    Fd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    return fd.fd < 0 && errno == EACCES;
#else
    (void)path;
    return false;
#endif
}

std::optional<std::vector<uint8_t>> HidrawReportDescriptor(const std::string& path) {
#if defined(__linux__)
    Fd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.fd < 0) fd.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd.fd < 0) return std::nullopt;
    int size = 0;
    if (::ioctl(fd.fd, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0 || size > HID_MAX_DESCRIPTOR_SIZE)
        return std::nullopt;
    hidraw_report_descriptor descriptor{};
    descriptor.size = static_cast<uint32_t>(size);
    if (::ioctl(fd.fd, HIDIOCGRDESC, &descriptor) < 0) return std::nullopt;
    return std::vector<uint8_t>(descriptor.value, descriptor.value + descriptor.size);
#else
    (void)path;
    return std::nullopt;
#endif
}

bool WaitWritable(intptr_t socket, int timeoutMs) {
#if defined(Q_OS_UNIX)
    const int64_t deadline = SteadyMs() + timeoutMs;
    for (;;) {
        pollfd p{static_cast<int>(socket), POLLOUT, 0};
        const int left = static_cast<int>(deadline - SteadyMs());
        const int n = ::poll(&p, 1, left > 0 ? left : 0);
        if (n > 0) return (p.revents & POLLOUT) != 0;
        if (n == 0 || errno != EINTR || left <= 0) return false;
    }
#else
    // Elsewhere (WSAPoll on Windows would do the same) the report is queued at once.
    (void)socket, (void)timeoutMs;
    return true;
#endif
}

double ThreadCpuSeconds() {
#if defined(Q_OS_UNIX)
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
#else
    return double(std::clock()) / CLOCKS_PER_SEC;
#endif
}

std::optional<ProgramUsage> RunMeasured(const std::vector<std::string>& args) {
#if defined(Q_OS_UNIX)
    // wait4 gives this one child's peak memory, which QProcess does not.
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return std::nullopt;
    ProgramUsage result;
    result.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.peakMiB = double(usage.ru_maxrss) / 1024.0;
    result.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return result;
#else
    (void)args;
    return std::nullopt;
#endif
}

}  // namespace norva
