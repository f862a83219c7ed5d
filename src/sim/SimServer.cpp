#include "sim/SimServer.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <deque>

#include "protocol/Frames.h"
#include "protocol/RemoteUnit.h"

namespace norva::sim {

namespace {

constexpr RemoteHello kUnitHello{{kVendorId, kProductId}, {kReportLength, kReportLength}};
constexpr size_t kReportBytes = kReportLength;
constexpr qint64 kBacklogBytes = qint64(SimServer::kSendBacklogReports * kReportBytes);

// Why listening failed, as the system's error number that listen() promises.
int ErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::AddressInUseError:
            return EADDRINUSE;
        case QAbstractSocket::SocketAccessError:
            return EACCES;
        case QAbstractSocket::SocketResourceError:
            return EMFILE;
        default:
            return EADDRNOTAVAIL;
    }
}

}  // namespace

// Callers are accepted only from run(), by waitForNewConnection, so their sockets are made on
// the thread that serves them; Qt's own accepting (its default socket would be a child of the
// listener, on the thread that listened) stays paused.
class SimServer::Listener : public QTcpServer {
  public:
    std::deque<std::unique_ptr<QTcpSocket>> callers;

  protected:
    void incomingConnection(qintptr descriptor) override {
        auto socket = std::make_unique<QTcpSocket>();
        if (socket->setSocketDescriptor(descriptor)) callers.push_back(std::move(socket));
    }
};

SimServer::SimServer(ServedUnit& unit, std::string host, uint16_t port, MsClock clock)
    : unit_(unit), host_(std::move(host)), port_(port), clock_(std::move(clock)) {}

SimServer::~SimServer() = default;

bool SimServer::listen() {
    const QString name = QString::fromStdString(host_);
    QList<QHostAddress> addresses;
    if (QHostAddress numeric; numeric.setAddress(name))
        addresses = {numeric};
    else
        addresses = QHostInfo::fromName(name).addresses();
    int error = EADDRNOTAVAIL;
    for (const QHostAddress& address : addresses) {
        auto listener = std::make_unique<Listener>();
        listener->setProxy(QNetworkProxy::NoProxy);  // the address itself, as the user named it
        listener->setListenBacklogSize(4);
        if (!listener->listen(address, port_)) {
            error = ErrorNumber(listener->serverError());
            continue;
        }
        listener->pauseAccepting();
        boundPort_ = listener->serverPort();
        listener_ = std::move(listener);
        return true;
    }
    errno = error;
    return false;
}

void SimServer::stop() {
    stopping_.store(true);
}

int SimServer::waitMs() const {
    // Wake when the next report is due rather than spin; a slow rate still wakes often
    // enough to notice a fault switch or stop().
    int rate = unit_.rate();
    if (rate < 1) rate = 1;
    int ms = (1000 + rate - 1) / rate;
    return ms < 100 ? ms : 100;
}

void SimServer::pumpReports() {
    unit_.advanceTo(clock_());
    const bool deliver = client_ && !unit_.silent() && !unit_.unplugged();
    uint8_t report[kReportBytes];
    while (unit_.takeReport(report)) {
        // A unit that is silent or unplugged sends nothing; nor does one without a listener.
        if (!deliver) continue;
        if (client_->bytesToWrite() >= kBacklogBytes) continue;
        client_->write(reinterpret_cast<const char*>(report), qint64(kReportBytes));
    }
}

void SimServer::acceptClient() {
    if (listener_->callers.empty()) listener_->waitForNewConnection(waitMs());
    if (listener_->callers.empty()) return;
    std::unique_ptr<QTcpSocket> caller = std::move(listener_->callers.front());
    listener_->callers.pop_front();
    // An unplugged unit turns callers away: they see the connection close before a hello.
    if (unit_.unplugged()) return;
    // Each report leaves as it is made, as the unit sends it, not coalesced with later ones.
    caller->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    client_ = std::move(caller);
    const auto hello = EncodeHello(kUnitHello);
    client_->write(reinterpret_cast<const char*>(hello.data()), qint64(hello.size()));
}

void SimServer::dropClient() {
    client_.reset();
}

void SimServer::readClient() {
    // Sends what the system takes while it waits.
    client_->waitForReadyRead(waitMs());
    const qint64 whole = client_->bytesAvailable() / qint64(kReportBytes) * qint64(kReportBytes);
    // Reports due before these writes were sent before the unit saw them.
    if (whole > 0) unit_.advanceTo(clock_());
    uint8_t report[kReportBytes];
    for (qint64 at = 0; at < whole; at += qint64(kReportBytes)) {
        client_->read(reinterpret_cast<char*>(report), qint64(kReportBytes));
        unit_.receive(report);
    }
    // Gone (after what it sent was taken in); the next caller is welcome.
    if (client_->state() != QAbstractSocket::ConnectedState) dropClient();
}

void SimServer::flushClient() {
    client_->flush();
    if (client_->state() != QAbstractSocket::ConnectedState) dropClient();
}

void SimServer::run() {
    if (!listener_) return;
    while (!stopping_.load()) {
        pumpReports();
        if (client_ && unit_.unplugged()) dropClient();
        if (client_) flushClient();
        // One client at a time: further callers wait until this one leaves.
        if (client_)
            readClient();
        else
            acceptClient();
    }
    dropClient();
    listener_->callers.clear();
    listener_->close();  // no caller waits on a port nobody serves
}

}  // namespace norva::sim
