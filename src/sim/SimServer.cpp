#include "sim/SimServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "protocol/Frames.h"
#include "protocol/RemoteUnit.h"

namespace norva::sim {

namespace {

constexpr RemoteHello kUnitHello{{kVendorId, kProductId}, {kReportLength, kReportLength}};
constexpr size_t kReportBytes = kReportLength;

}  // namespace

SimServer::SimServer(ServedUnit& unit, std::string host, uint16_t port, MsClock clock)
    : unit_(unit), host_(std::move(host)), port_(port), clock_(std::move(clock)) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = UniqueFd(fds[0]);
        wakeWrite_ = UniqueFd(fds[1]);
    }
}

SimServer::~SimServer() = default;

bool SimServer::listen() {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port_);
    if (::getaddrinfo(host_.c_str(), service.c_str(), &hints, &found) != 0) {
        errno = EADDRNOTAVAIL;
        return false;
    }
    int savedErrno = EADDRNOTAVAIL;
    for (addrinfo* ai = found; ai; ai = ai->ai_next) {
        UniqueFd fd(::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC, ai->ai_protocol));
        if (!fd.valid()) continue;
        int one = 1;
        ::setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (::bind(fd.get(), ai->ai_addr, ai->ai_addrlen) != 0 || ::listen(fd.get(), 4) != 0 ||
            !SetNonBlocking(fd.get())) {
            savedErrno = errno;
            continue;
        }
        sockaddr_storage bound{};
        socklen_t len = sizeof bound;
        ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&bound), &len);
        boundPort_ =
            ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                              : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
        listener_ = std::move(fd);
        break;
    }
    ::freeaddrinfo(found);
    if (!listener_.valid()) errno = savedErrno;
    return listener_.valid();
}

void SimServer::stop() {
    stopping_.store(true);
    if (wakeWrite_.valid()) {
        const char byte = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeWrite_.get(), &byte, 1);
    }
}

int SimServer::waitMs() const {
    // Wake when the next report is due rather than spin; a slow rate still wakes often
    // enough to notice a fault switch.
    int rate = unit_.rate();
    if (rate < 1) rate = 1;
    int ms = (1000 + rate - 1) / rate;
    return ms < 100 ? ms : 100;
}

void SimServer::pumpReports() {
    unit_.advanceTo(clock_());
    const bool deliver = client_.valid() && !unit_.silent() && !unit_.unplugged();
    uint8_t report[kReportBytes];
    while (unit_.takeReport(report)) {
        // A unit that is silent or unplugged sends nothing; nor does one without a listener.
        if (!deliver) continue;
        if (outgoing_.size() - outgoingSent_ >= kSendBacklogReports * kReportBytes) continue;
        outgoing_.insert(outgoing_.end(), report, report + kReportBytes);
    }
}

void SimServer::acceptClient() {
    UniqueFd fd(::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!fd.valid()) return;
    // An unplugged unit turns callers away: they see the connection close before a hello.
    if (unit_.unplugged()) return;
    // Each report leaves as it is made, as the unit sends it, not coalesced with later ones.
    int one = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    client_ = std::move(fd);
    received_.clear();
    const auto hello = EncodeHello(kUnitHello);
    outgoing_.assign(hello.begin(), hello.end());
    outgoingSent_ = 0;
}

void SimServer::dropClient() {
    client_.reset();
    received_.clear();
    outgoing_.clear();
    outgoingSent_ = 0;
}

void SimServer::readClient() {
    uint8_t chunk[4096];
    for (;;) {
        ssize_t n = ::recv(client_.get(), chunk, sizeof chunk, 0);
        if (n > 0) {
            received_.insert(received_.end(), chunk, chunk + n);
            size_t whole = received_.size() / kReportBytes * kReportBytes;
            // Reports due before these writes were sent before the unit saw them.
            if (whole > 0) unit_.advanceTo(clock_());
            for (size_t at = 0; at < whole; at += kReportBytes)
                unit_.receive(std::span<const uint8_t>(received_.data() + at, kReportBytes));
            received_.erase(received_.begin(),
                            received_.begin() + static_cast<std::ptrdiff_t>(whole));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        dropClient();  // gone; the next caller is welcome
        return;
    }
}

void SimServer::flushClient() {
    while (outgoingSent_ < outgoing_.size()) {
        ssize_t n = ::send(client_.get(), outgoing_.data() + outgoingSent_,
                           outgoing_.size() - outgoingSent_, MSG_NOSIGNAL);
        if (n > 0) {
            outgoingSent_ += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        dropClient();
        return;
    }
    // Forget what went out, so a client that reads steadily but never quite catches up does
    // not make the buffer grow.
    if (outgoingSent_ == outgoing_.size() || outgoingSent_ >= kSendBacklogReports * kReportBytes) {
        outgoing_.erase(outgoing_.begin(),
                        outgoing_.begin() + static_cast<std::ptrdiff_t>(outgoingSent_));
        outgoingSent_ = 0;
    }
}

void SimServer::run() {
    if (!listener_.valid()) return;
    while (!stopping_.load()) {
        pumpReports();
        if (client_.valid() && unit_.unplugged()) dropClient();
        if (client_.valid()) flushClient();

        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {wakeRead_.get(), POLLIN, 0};
        // One client at a time: further callers wait in the backlog until this one leaves.
        const bool wantAccept = !client_.valid();
        if (wantAccept) fds[count++] = {listener_.get(), POLLIN, 0};
        const bool haveClient = client_.valid();
        if (haveClient) {
            short events = POLLIN;
            if (outgoingSent_ < outgoing_.size()) events |= POLLOUT;
            fds[count++] = {client_.get(), events, 0};
        }
        if (::poll(fds, count, waitMs()) <= 0) continue;

        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead_.get(), drain, sizeof drain) > 0) {
            }
        }
        if (wantAccept && fds[1].revents & POLLIN) acceptClient();
        if (haveClient) {
            const pollfd& c = fds[count - 1];
            if (c.revents & (POLLIN | POLLHUP | POLLERR)) readClient();
            if (client_.valid() && c.revents & POLLOUT) flushClient();
        }
    }
    dropClient();
}

}  // namespace norva::sim
