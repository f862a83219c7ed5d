#pragma once
// "NORVA Time Graph": an exported run log as four curves over the minutes chosen, with zoom by
// dragging over the chart, a cursor that reads out the values under it, printing and saving
// the chart as a picture; beside it the engine runs of the file, and in "&File" the recent
// downloads.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "base/Settings.h"
#include "base/Task.h"
#include "runlog/Library.h"
#include "runlog/Runs.h"
#include "runlog/TimeChart.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva {

class Dialogs;

class TimeChartWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 9400;
    static constexpr double kDesignHeightTwips = 6000;
    static constexpr int kChartMinimumWidth = 320;  // pixels the chart keeps beside the runs

    // The window's place and size come from the settings file, and go back there on closing.
    // The recent downloads are those kept in `library`.
    TimeChartWindow(Dialogs& dialogs, QString settingsPath, QWidget* parent = nullptr,
                    QString library = DefaultLibraryFolder());
    ~TimeChartWindow() override;

    // Draws a file from the minute given to 51: 1 after a download, 0 from "&Open".
    void showFile(const QString& path, int startMinute = 1);
    // "Refresh" and Enter in either box: the file read again and drawn with the boxes' minutes.
    void draw();
    // "Whole run": minutes 0 to 51.2.
    void wholeRun();
    // Zoom to the minutes under two chart x (0..1000) of the window drawn.
    void zoom(double x1, double x2);
    // A run of the list: its minutes with half a minute either side, its start phase shaded.
    void chooseRun(int index);
    void Open();   // "&Open"
    void Print();  // "&Print"
    void SavePicture();

    const std::vector<RunLogLine>& lines() const { return lines_; }
    const TimeWindow& drawn() const { return drawn_; }
    const QString& file() const { return path_; }
    const std::vector<EngineRun>& runs() const { return runs_; }
    // "Recent downloads", as the menu offers them now.
    QMenu* recentMenu() const { return recent_; }

    CanvasWidget* Picture1 = nullptr;  // the chart
    QLineEdit* Text2 = nullptr;        // start minute, "Initial Time (m)"
    QLineEdit* Text1 = nullptr;        // end minute, "End time (m)"
    QPushButton* Command1 = nullptr;   // "Refresh"
    QPushButton* Command2 = nullptr;   // "Whole run"
    QLabel* Readout = nullptr;         // the values under the cursor
    QTreeWidget* RunList = nullptr;    // the runs, beside the chart
    QLabel* RunNote = nullptr;         // how many runs, or why there are none
    QSplitter* Split = nullptr;        // the chart's area, then the runs
    QPushButton* ReplayRun = nullptr;  // "Replay": the chosen run on the main window's dials

  signals:
    // "Replay": play `file` from its data line `firstLine` (1-based) as a unit would.
    void replayRequested(const QString& file, int firstLine);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QWidget* buildRunList();
    void fillRecent();
    void findRuns();
    void redraw();
    // `headed`: with the file's name and the curves' legend above the chart (printing, saving).
    void drawOn(Canvas& canvas, double fontScale, bool headed = false);
    double chartX(double pixelX) const;
    void showReadout(double x);

    Dialogs& dialogs_;
    QString settingsPath_;
    QWidget* chartArea_ = nullptr;  // the chart and its controls, laid out by the design
    TwipLayout layout_;
    QString library_;
    QMenu* recent_ = nullptr;
    QString path_;
    std::vector<RunLogLine> lines_;
    std::vector<EngineRun> runs_;
    std::vector<QString> runEvents_;     // each run's events, for people
    std::optional<ShadedLines> shaded_;  // the chosen run's start phase
    TimeWindow drawn_;
    double typedStart_ = 1;
    double typedEnd_ = 51;
    std::optional<double> dragFrom_;  // chart x where a zoom drag began
    std::optional<double> cursor_;    // chart x of the cursor line
    Task<> dialogTask_;
};

}  // namespace norva
