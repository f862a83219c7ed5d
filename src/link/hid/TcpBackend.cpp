#include "link/hid/TcpBackend.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "base/Clock.h"

namespace norva {

namespace {

// One non-blocking connect with a bounded wait; an invalid fd when it did not succeed.
UniqueFd ConnectTo(const addrinfo& ai, int waitMs) {
    UniqueFd fd(::socket(ai.ai_family, ai.ai_socktype | SOCK_CLOEXEC, ai.ai_protocol));
    if (!fd.valid() || !SetNonBlocking(fd.get())) return {};
    // Every report goes out at once: held back for coalescing, a question would reach the
    // unit tens of reports late and its answer come after the wait for it.
    int one = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd.get(), ai.ai_addr, ai.ai_addrlen) == 0) return fd;
    if (errno != EINPROGRESS) return {};
    if (!(WaitFd(fd.get(), POLLOUT, waitMs) & (POLLOUT | POLLERR | POLLHUP))) return {};
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) return {};
    return fd;
}

// Reads exactly the hello and not a byte more: reports may follow in the same segment.
bool ReceiveHello(int fd, std::array<uint8_t, kHelloSize>& hello, int waitMs) {
    const int64_t deadline = SteadyMs() + waitMs;
    size_t got = 0;
    while (got < hello.size()) {
        ssize_t n = ::recv(fd, hello.data() + got, hello.size() - got, 0);
        if (n > 0) {
            got += static_cast<size_t>(n);
            continue;
        }
        if (n == 0) return false;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
        int left = static_cast<int>(deadline - SteadyMs());
        if (left <= 0 || !(WaitFd(fd, POLLIN, left) & (POLLIN | POLLHUP | POLLERR))) return false;
    }
    return true;
}

}  // namespace

TcpBackend::TcpBackend(std::string host, uint16_t port) : host_(std::move(host)), port_(port) {}

std::string TcpBackend::path() const {
    return "tcp:" + address();
}

std::string TcpBackend::address() const {
    return host_ + ":" + std::to_string(port_);
}

bool TcpBackend::connectOnce() {
    dropConnection();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port_);
    if (::getaddrinfo(host_.c_str(), service.c_str(), &hints, &found) != 0) return false;
    std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> list(found, &::freeaddrinfo);

    for (const addrinfo* ai = list.get(); ai; ai = ai->ai_next) {
        UniqueFd fd = ConnectTo(*ai, kAttemptWaitMs);
        if (!fd.valid()) continue;
        std::array<uint8_t, kHelloSize> bytes{};
        if (!ReceiveHello(fd.get(), bytes, kAttemptWaitMs)) return false;
        auto hello = DecodeHello(bytes);
        if (!hello) return false;
        hello_ = *hello;
        socket_ = std::move(fd);
        ++generation_;
        return true;
    }
    return false;
}

void TcpBackend::dropConnection() {
    socket_.reset();
    pending_.clear();
}

bool TcpBackend::live(HidHandle handle) const {
    auto it = handles_.find(handle);
    return it != handles_.end() && it->second == generation_ && socket_.valid();
}

bool TcpBackend::anyLiveHandle() const {
    return std::any_of(handles_.begin(), handles_.end(),
                       [&](const auto& h) { return h.second == generation_; });
}

std::vector<std::string> TcpBackend::enumerate() {
    // A unit in use stays listed without a second connection: it serves one client at a time.
    if (socket_.valid() && anyLiveHandle()) return {path()};
    if (!connectOnce()) return {};
    return {path()};
}

HidHandle TcpBackend::open(const std::string& path, HidOpenMode) {
    if (path != this->path()) return kInvalidHandle;
    // Normally the connection made by enumerate(); a path kept from earlier connects anew.
    if (!socket_.valid() && !connectOnce()) return kInvalidHandle;
    HidHandle h = nextHandle_++;
    handles_[h] = generation_;
    return h;
}

std::optional<HidIdentity> TcpBackend::identity(HidHandle handle) {
    if (!live(handle)) return std::nullopt;
    return hello_.identity;
}

std::optional<HidReportLengths> TcpBackend::reportLengths(HidHandle handle) {
    if (!live(handle)) return std::nullopt;
    return hello_.lengths;
}

bool TcpBackend::sendAll(std::span<const uint8_t> bytes) {
    const int64_t deadline = SteadyMs() + kSendWaitMs;
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = ::send(socket_.get(), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        bool wouldBlock = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        int left = static_cast<int>(deadline - SteadyMs());
        if (wouldBlock && left > 0 && (WaitFd(socket_.get(), POLLOUT, left) & POLLOUT)) continue;
        // A report cut short would shift every later one, so the connection is done for.
        if (sent > 0 || !wouldBlock) dropConnection();
        return false;
    }
    return true;
}

bool TcpBackend::write(HidHandle handle, std::span<const uint8_t> report) {
    if (!live(handle)) return false;
    if (report.size() != static_cast<size_t>(hello_.lengths.output)) return false;
    return sendAll(report);
}

HidReadResult TcpBackend::read(HidHandle handle, std::span<uint8_t> buffer) {
    if (!live(handle)) return HidReadResult::Failed;
    const size_t length = static_cast<size_t>(hello_.lengths.input);
    // Take in only what is missing for one report, so a report is never held up behind a
    // flood and the kernel buffer keeps the rest.
    while (pending_.size() < length) {
        uint8_t chunk[4096];
        size_t want = std::min(sizeof chunk, length - pending_.size());
        ssize_t n = ::recv(socket_.get(), chunk, want, MSG_DONTWAIT);
        if (n > 0) {
            pending_.insert(pending_.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return HidReadResult::None;
        dropConnection();  // closed by the peer, possibly in the middle of a report
        return HidReadResult::Failed;
    }
    std::copy_n(pending_.begin(), std::min(length, buffer.size()), buffer.begin());
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
    return HidReadResult::Report;
}

void TcpBackend::close(HidHandle handle) {
    auto it = handles_.find(handle);
    if (it == handles_.end()) return;
    bool current = it->second == generation_;
    handles_.erase(it);
    if (current && !anyLiveHandle()) dropConnection();
}

}  // namespace norva
