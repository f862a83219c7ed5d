#pragma once
// "&Logbook": the engines of the logbook, the chosen engine's totals and runs (flagged rows and
// rows with events marked), and two trends over its runs' dates, each showing the start value
// or steady point chosen above it; a run opens its download in the time chart. Exports made
// before are imported here, a download moved to another engine, a service recorded, the runs
// saved as the command line's CSV, and the engine report printed or saved as a PDF file.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/Task.h"
#include "logbook/Logbook.h"
#include "ui/CanvasWidget.h"
#include "ui/Dialogs.h"

namespace norva {

class RunsModel;

class LogbookWindow : public QWidget {
    Q_OBJECT
  public:
    // `openRun` is told the download's file and the run's index in it.
    LogbookWindow(const QString& path, Dialogs& dialogs,
                  std::function<void(const QString& file, int run)> openRun,
                  QWidget* parent = nullptr);
    ~LogbookWindow() override;

    // The columns of Runs.
    enum Column {
        DateColumn,
        CycleColumn,
        FlagColumn,
        EventsColumn,
        DownloadColumn,
        MinuteColumn,
        LengthColumn,
        IdleAfterColumn,
        StartEgtColumn,
        MaxRpmColumn,
        MaxEgtColumn,
        MeanPumpColumn
    };

    // Reads the logbook afresh (after a download), keeping the chosen engine.
    void reload();
    // True while the chosen engine's runs are being read (off the interface thread).
    bool loading() const;
    void chooseEngine(int row);
    void openRun(int row);
    void PrintReport();
    void SaveReport();  // as a PDF file
    void RenameEngine();
    void MoveDownload();    // the chosen run's download, to another engine
    void ImportDownload();  // an export made before, to the engine its unit is known as
    void ServiceDone();     // a service of the chosen engine, now
    void SaveRunsCsv();     // what `logbook runs ENGINE --csv` prints

    QListWidget* Engines;
    QLabel* Totals;
    QTreeView* Runs;
    std::array<QComboBox*, 2> TrendChoices;  // what each trend below shows
    std::array<CanvasWidget*, 2> Trends;
    QPushButton *Import, *Move, *Rename, *Service, *SaveCsv, *Print, *SavePdf;

  private:
    std::optional<Engine> engine() const;
    // The engines afresh, `engineId` chosen (the first when it is not there).
    void load(qint64 engineId);
    Task<> importFile();
    Task<> moveTo(LoggedRun run, qint64 from);
    Task<> service(Engine e);
    Task<> saveCsv(Engine e);
    Task<> readLife(Engine e);
    Task<> askPassword(QString path);
    void showLife(const Engine& e, const QString& error);

    std::unique_ptr<Logbook> book_;
    Dialogs& dialogs_;
    std::function<void(const QString&, int)> openRun_;
    std::vector<Engine> engines_;
    EngineLife life_;
    std::vector<LogbookEvent> events_;  // the operations recorded for the chosen engine
    RunsModel* model_ = nullptr;
    // Last: destroyed first, so a dialog or a read still awaited never resumes into a window
    // half gone.
    Task<> dialogTask_;
    Task<> loadTask_;
};

}  // namespace norva
