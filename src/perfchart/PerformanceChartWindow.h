#pragma once
// "NORVA Graphic": the live performance chart. Every tick of its timer plots the engine's speed,
// temperature and any typed thrust against pressure and records the point in the current run;
// a resize redraws the chart from that run. Measure files are saved, shown over the chart and
// printed from its File menu; the Thrust menu calibrates and zeroes the thrust input.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include "base/Settings.h"
#include "base/Task.h"
#include "perfchart/ChartRun.h"
#include "perfchart/PerfChart.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva {

class Dialogs;
class Link;

class PerformanceChartWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 9400;
    static constexpr double kDesignHeightTwips = 6000;

    // `folder` keeps the current run's files (present and its working copy), one pair for
    // each running program.
    PerformanceChartWindow(Link& link, Dialogs& dialogs, Config& settings, QString settingsPath,
                           QString folder = DefaultChartFolder(), QWidget* parent = nullptr);
    ~PerformanceChartWindow() override;

    void ClearGraph();       // "&Clear Graph"
    void SaveMeasures();     // "&Save measures to file"
    void DisplayMeasures();  // "&Display measures from file"
    void PrintMeasures();    // "&Print measures from File"
    void Calibrate();        // "Calibrate"
    void Zero();             // "Zero"
    // The chart drawn again from the current run, as on every resize.
    void Redibuixa(Canvas& canvas);

    ChartRun& run() { return run_; }
    PlotMemory& memory() { return memory_; }
    ChartScales scales() const;

    CanvasWidget* Picture1;  // the chart
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QLineEdit* Text1;  // typed thrust, taken on Enter

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void plot(const MeasureRecord& point);
    // A fresh chart at the window's font size with `records` replayed on it.
    void drawChart(Canvas& canvas, const std::vector<MeasureRecord>& records);
    QString workFile(const char* name) const;

    Link& link_;
    Dialogs& dialogs_;
    Config& settings_;
    QString settingsPath_;
    QString folder_;
    ChartRun run_;
    PlotMemory memory_;
    TwipLayout layout_;
    Task<> task_;  // a file or a question under way
};

}  // namespace norva
