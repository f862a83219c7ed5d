#pragma once
// Small POSIX helpers shared by the socket code: an owning descriptor and bounded waits.

#include <cstdint>
#include <utility>

namespace norva {

class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) reset(std::exchange(other.fd_, -1));
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);

  private:
    int fd_ = -1;
};

bool SetNonBlocking(int fd);

// Waits up to timeoutMs (0 = just look) for any of the poll events on fd, retrying after
// signals. Returns the events that arrived; 0 on time-out or error.
short WaitFd(int fd, short events, int timeoutMs);

}  // namespace norva
