#pragma once
// "NORVA Time Graph": an exported run log as four curves over the minutes chosen, with zoom by
// dragging over the chart, a cursor that reads out the values under it, printing and saving
// the chart as a picture; beside it the engine runs of the file, and in "&File" the recent
// downloads. A workbench besides: the wheel zooms around the mouse, the right button (or
// Shift) pans, Home or a double-click shows the whole log; two clicks place cursors A and B,
// whose span is read out beside the chart and saved as CSV; the unit's limits and the runs'
// events are marked; another run can be laid over the log.

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <functional>
#include <optional>
#include <vector>

#include "base/Settings.h"
#include "base/Task.h"
#include "runlog/Library.h"
#include "runlog/Runs.h"
#include "runlog/SpanStats.h"
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
    // The wheel: `steps` notches in (positive) or out around chart x.
    void zoomAround(double x, double steps);
    // The view moved by a chart x distance (positive: later minutes).
    void pan(double dx);
    // A click at chart x: cursor A, then B, then A again.
    void placeCursor(double x);
    // "Compare with…": another export's run of `cycle` laid over this log, its first line on
    // the first line of the run chosen here (else of the view).
    bool compareWith(const QString& path, int cycle);
    // Where "Compare with…" finds the engine's normal start for a file: the engine's name and
    // the start from its light-off; nothing when the logbook does not know one. The
    // application gives it: the logbook is not the chart's to read.
    using NormalStartOf = std::function<std::optional<std::pair<QString, std::vector<RunLogLine>>>(
        const QString& file)>;
    void setNormalStart(NormalStartOf find) { normalStartOf_ = std::move(find); }
    // The engine's normal start laid over the log, from the light-off of the run chosen (else
    // of the first run in view).
    bool compareWithNormal();
    void SaveSpan();  // "Save span as CSV…"
    // A run of the list: its minutes with half a minute either side, its start phase shaded.
    void chooseRun(int index);
    void Open();   // "&Open"
    void Print();  // "&Print"
    void SavePicture();

    const std::vector<RunLogLine>& lines() const { return lines_; }
    const TimeWindow& drawn() const { return drawn_; }
    const QString& file() const { return path_; }
    const std::vector<EngineRun>& runs() const { return runs_; }
    const ChartMarks& marks() const { return marks_; }
    // The cursors' span, when both stand.
    std::optional<SpanStats> span() const;
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
    QLabel* SpanReadout = nullptr;     // cursors A and B: the values and those between
    QPushButton* Compare = nullptr;    // "Compare with…"
    QPushButton* SaveSpanCsv = nullptr;

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
    void showSpan();
    void setView(double start, double end);
    Task<> askCompare();

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
    std::optional<double> dragFrom_;        // chart x where a zoom drag began
    std::optional<double> panFrom_;         // chart x where a pan began
    std::optional<int> cursorA_, cursorB_;  // lines (0-based) the cursors stand on
    ChartMarks marks_;                      // limits, events, overlay; round minutes when zoomed
    NormalStartOf normalStartOf_;
    std::optional<double> cursor_;  // chart x of the cursor line
    Task<> dialogTask_;
};

}  // namespace norva
