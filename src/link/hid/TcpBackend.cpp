#include "link/hid/TcpBackend.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>

#include "base/Clock.h"
#include "base/Platform.h"

namespace norva {

namespace {

// Reads exactly the hello and not a byte more: reports may follow in the same segment.
bool ReceiveHello(QTcpSocket& socket, std::array<uint8_t, kHelloSize>& hello, int waitMs) {
    const int64_t deadline = SteadyMs() + waitMs;
    size_t got = 0;
    for (;;) {
        const qint64 n =
            socket.read(reinterpret_cast<char*>(hello.data() + got), qint64(hello.size() - got));
        if (n < 0) return false;  // closed
        got += static_cast<size_t>(n);
        if (got == hello.size()) return true;
        const int left = static_cast<int>(deadline - SteadyMs());
        if (left <= 0 || !socket.waitForReadyRead(left)) return false;
    }
}

}  // namespace

TcpBackend::TcpBackend(std::string host, uint16_t port) : host_(std::move(host)), port_(port) {}

TcpBackend::~TcpBackend() = default;

std::string TcpBackend::path() const {
    return "tcp:" + address();
}

std::string TcpBackend::address() const {
    return host_ + ":" + std::to_string(port_);
}

bool TcpBackend::connectOnce() {
    dropConnection();
    auto socket = std::make_unique<QTcpSocket>();
    // Straight to the unit, never through a proxy that the environment names.
    socket->setProxy(QNetworkProxy::NoProxy);
    // Unbuffered: a read takes from the system exactly what it asks for, and nothing is read
    // ahead into the socket behind the caller's back.
    socket->connectToHost(QString::fromStdString(host_), port_,
                          QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (!socket->waitForConnected(kAttemptWaitMs)) return false;
    // Every report goes out at once: held back for coalescing, a question would reach the
    // unit tens of reports late and its answer come after the wait for it.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    std::array<uint8_t, kHelloSize> bytes{};
    if (!ReceiveHello(*socket, bytes, kAttemptWaitMs)) return false;
    auto hello = DecodeHello(bytes);
    if (!hello) return false;
    hello_ = *hello;
    socket_ = std::move(socket);
    ++generation_;
    return true;
}

void TcpBackend::dropConnection() {
    socket_.reset();
    pending_.clear();
}

bool TcpBackend::live(HidHandle handle) const {
    auto it = handles_.find(handle);
    return it != handles_.end() && it->second == generation_ && socket_;
}

bool TcpBackend::anyLiveHandle() const {
    return std::any_of(handles_.begin(), handles_.end(),
                       [&](const auto& h) { return h.second == generation_; });
}

std::vector<std::string> TcpBackend::enumerate() {
    // A unit in use stays listed without a second connection: it serves one client at a time.
    if (socket_ && anyLiveHandle()) return {path()};
    if (!connectOnce()) return {};
    return {path()};
}

HidHandle TcpBackend::open(const std::string& path, HidOpenMode) {
    if (path != this->path()) return kInvalidHandle;
    // Normally the connection made by enumerate(); a path kept from earlier connects anew.
    if (!socket_ && !connectOnce()) return kInvalidHandle;
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
    // A report the socket cannot take within the wait is dropped whole; the connection stays.
    if (!WaitWritable(socket_->socketDescriptor(), kSendWaitMs)) return false;
    // Unbuffered, the write goes straight to the system; what it did not take waits in the
    // socket until it can leave.
    const auto size = static_cast<qint64>(bytes.size());
    const bool taken = socket_->write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    while (taken && socket_->bytesToWrite() > 0) {
        const int left = static_cast<int>(deadline - SteadyMs());
        if (left <= 0 || !socket_->waitForBytesWritten(left)) break;
    }
    if (taken && socket_->bytesToWrite() == 0 &&
        socket_->state() == QAbstractSocket::ConnectedState)
        return true;
    // A report cut short would shift every later one, so the connection is done for.
    dropConnection();
    return false;
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
        const size_t had = pending_.size();
        pending_.resize(length);
        const qint64 n =
            socket_->read(reinterpret_cast<char*>(pending_.data() + had), qint64(length - had));
        pending_.resize(had + static_cast<size_t>(std::max<qint64>(n, 0)));
        if (n > 0) continue;
        if (n == 0) return HidReadResult::None;
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
