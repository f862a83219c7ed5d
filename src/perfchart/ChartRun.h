#pragma once
// The current run of the performance chart: the chart timer, the point it takes from the live
// values at every tick, and the current measure file the points are recorded in while the
// engine is hot and recording is on. The window plots the ticks; the command line only
// records them.

#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "perfchart/PerfChart.h"

namespace norva {

class Link;

// The folder of the chart's working files: norva/chart under the user's data folder.
QString DefaultChartFolder();

class ChartRun : public QObject {
    Q_OBJECT
  public:
    // Points are recorded above this temperature only: a cold engine adds nothing.
    static constexpr float kRecordAboveEgt = 100;

    // `present` is the current measure file.
    ChartRun(Link& link, const Config& settings, QString present, QObject* parent = nullptr);
    ~ChartRun() override;

    float ManualThrust = 0;  // newtons typed for the next tick; 0 for none
    bool RecordingEnabled = false;

    // The chart timer, at the settings' refresh period (read again at every tick).
    void start();
    void stop();
    bool running() const { return timer_.isActive(); }

    // A new, empty current file, open for recording; recording on. False with error.
    bool newRun(std::string& error);
    // Stops recording into the file and closes it (its records stay).
    void closeFile();
    // Opens the file again to go on recording; recording on.
    bool reopen(std::string& error);
    const QString& present() const { return present_; }
    // Records written since the last newRun().
    int64_t recorded() const { return recorded_; }

    // The point the live values make now.
    MeasureRecord live() const;
    // One tick: the point is announced (for the chart), recorded when the rule says, and the
    // typed thrust is used up.
    void tick();

  signals:
    void ticked(const MeasureRecord& point);
    // A record could not be written (the disk is full, say): recording has stopped.
    void recordFailed(const QString& error);

  private:
    Link& link_;
    const Config& settings_;
    QString present_;
    QFile file_;
    QTimer timer_;
    int64_t recorded_ = 0;
};

}  // namespace norva
