#pragma once
// The program without windows: the link to the unit, the settings, the dialogs and the progress
// display, as the command line runs them (scripted answers, messages and progress on standard
// error). The windowed App builds on it.

#include <QObject>
#include <QString>
#include <memory>

#include "base/Clock.h"
#include "base/Settings.h"
#include "config/CloneFile.h"
#include "config/WriteGate.h"
#include "link/Link.h"
#include "link/hid/HidBackend.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

struct ProgramOptions {
    QString settingsPath;  // empty: the user's norva10.ini
    QString logbookPath;   // empty: the user's logbook.sqlite
    // The logbook's engine for a unit not seen before (the command line's --engine); empty:
    // the window asks, the command line names it with the unit's welcome text.
    QString engineName;
    // Empty: messages on standard error and every question answered as cancelled.
    std::unique_ptr<Dialogs> dialogs;
    // Empty: one line on standard error.
    std::unique_ptr<Progress> progress;
    MsClock clock = SteadyMs;
    // Where writes of many cells keep the unit's configuration first.
    QString backupFolder = DefaultBackupFolder();
};

class Program : public QObject {
    Q_OBJECT
  public:
    Program(std::unique_ptr<HidBackend> backend, ProgramOptions options);
    ~Program() override;

    Link& link() { return *link_; }
    Config& settings() { return settings_; }
    const QString& settingsPath() const { return settingsPath_; }
    const QString& logbookPath() const { return logbookPath_; }
    const QString& engineName() const { return engineName_; }
    Dialogs& dialogs() { return *dialogs_; }
    virtual Progress& progress() { return *progress_; }
    HidBackend& backend() { return *backend_; }
    // What an operation works with.
    // What an operation works with; what it does to the unit goes into the engine logbook.
    Services services();
    CloneHandover& cloneHandover() { return cloneHandover_; }
    // Every backup is recorded in the engine logbook.
    WriteOptions writeOptions(bool backup = true, bool dryRun = false,
                              bool withCounters = false) const {
        return {backupFolder_, backup, dryRun, withCounters};
    }

  protected:
    std::unique_ptr<HidBackend> backend_;
    QString settingsPath_;
    QString logbookPath_;
    QString engineName_;
    Config settings_;
    QString backupFolder_;
    CloneHandover cloneHandover_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Progress> progress_;
    // After the dialogs and the progress: the running operation, which uses them, goes first.
    std::unique_ptr<Link> link_;
};

}  // namespace norva
