#include "perfchart/ChartRun.h"

#include <QDir>
#include <QStandardPaths>

#include "link/Link.h"

namespace norva {

QString DefaultChartFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("norva/chart"));
}

ChartRun::ChartRun(Link& link, const Config& settings, QString present, QObject* parent)
    : QObject(parent), link_(link), settings_(settings), present_(std::move(present)) {
    connect(&timer_, &QTimer::timeout, this, &ChartRun::tick);
}

ChartRun::~ChartRun() {
    closeFile();
}

void ChartRun::start() {
    timer_.start(std::max(1, static_cast<int>(settings_.ChartRefresh)));
}

void ChartRun::stop() {
    timer_.stop();
}

bool ChartRun::newRun(std::string& error) {
    closeFile();
    QDir().mkpath(QFileInfo(present_).absolutePath());
    file_.setFileName(present_);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = tr("%1: cannot be written: %2").arg(present_, file_.errorString()).toStdString();
        return false;
    }
    RecordingEnabled = true;
    recorded_ = 0;
    return true;
}

void ChartRun::closeFile() {
    if (file_.isOpen()) file_.close();
    RecordingEnabled = false;
}

bool ChartRun::reopen(std::string& error) {
    closeFile();
    file_.setFileName(present_);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
        error = tr("%1: cannot be written: %2").arg(present_, file_.errorString()).toStdString();
        return false;
    }
    RecordingEnabled = true;
    return true;
}

MeasureRecord ChartRun::live() const {
    return {link_.Pressure, link_.EngineSpeed, ManualThrust, link_.Egt};
}

void ChartRun::tick() {
    const MeasureRecord point = live();
    emit ticked(point);
    if (point.egt > kRecordAboveEgt && RecordingEnabled && file_.isOpen()) {
        const std::string line = MeasureLine(point) + "\r\n";
        // Flushed at once: a run cut short keeps what was recorded.
        if (file_.write(line.data(), static_cast<qint64>(line.size())) < 0 || !file_.flush()) {
            const QString error =
                tr("%1: the point could not be recorded: %2").arg(present_, file_.errorString());
            closeFile();
            emit recordFailed(error);
        } else {
            ++recorded_;
        }
    }
    // A changed setting takes effect at the next tick.
    if (timer_.isActive())
        timer_.setInterval(std::max(1, static_cast<int>(settings_.ChartRefresh)));
    ManualThrust = 0;
}

}  // namespace norva
