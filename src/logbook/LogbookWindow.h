#pragma once
// "&Logbook": the engines of the logbook, the chosen engine's totals and runs (flagged rows
// marked), and the trends of its starts with its baseline; a run opens its download in the
// time chart, and the engine report prints or goes to a PDF file.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/Task.h"
#include "logbook/Logbook.h"
#include "ui/CanvasWidget.h"
#include "ui/Dialogs.h"

namespace norva {

class LogbookWindow : public QWidget {
    Q_OBJECT
  public:
    // `openRun` is told the download's file and the run's index in it.
    LogbookWindow(const QString& path, Dialogs& dialogs,
                  std::function<void(const QString& file, int run)> openRun,
                  QWidget* parent = nullptr);
    ~LogbookWindow() override;

    // Reads the logbook afresh (after a download), keeping the chosen engine.
    void reload();
    void chooseEngine(int row);
    void openRun(int row);
    void PrintReport();
    void SaveReport();  // as a PDF file
    void RenameEngine();
    void MoveDownload();  // the chosen run's download, to another engine

    QListWidget* Engines;
    QLabel* Totals;
    QTreeWidget* Runs;
    CanvasWidget* EgtTrend;
    CanvasWidget* IdleTrend;
    QPushButton *Print, *SavePdf, *Rename, *Move;

  private:
    std::optional<Engine> engine() const;

    std::unique_ptr<Logbook> book_;
    Dialogs& dialogs_;
    std::function<void(const QString&, int)> openRun_;
    std::vector<Engine> engines_;
    EngineLife life_;
    Task<> dialogTask_;
};

}  // namespace norva
