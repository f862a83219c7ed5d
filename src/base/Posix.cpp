#include "base/Posix.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "base/Clock.h"

namespace norva {

void UniqueFd::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

bool SetNonBlocking(int fd) {
    int flags = ::fcntl(fd, F_GETFL, 0);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

short WaitFd(int fd, short events, int timeoutMs) {
    const int64_t deadline = SteadyMs() + timeoutMs;
    for (;;) {
        pollfd p{fd, events, 0};
        int left = static_cast<int>(deadline - SteadyMs());
        int n = ::poll(&p, 1, left > 0 ? left : 0);
        if (n > 0) return p.revents;
        if (n == 0 || errno != EINTR || left <= 0) return 0;
    }
}

}  // namespace norva
