#pragma once
// The program as one object: it owns the link to the unit, the settings, the dialogs, the
// progress display and the windows. The main window is a view of it; the command line builds
// the same App without windows, with scripted dialogs and progress on standard error.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
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

class MainWindow;
class WelcomeTextWindow;
class FactorySetupWindow;
class RampsWindow;
class DownloadWindow;
class TimeChartWindow;
class PerformanceChartWindow;
class DifferencesWindow;
namespace params {
class ParametersWindow;
}

struct AppOptions {
    QString settingsPath;  // empty: the user's norva10.ini
    bool windows = true;   // false: the command line
    // Empty: Qt's dialogs with windows; without, messages on standard error and every
    // question answered as cancelled.
    std::unique_ptr<Dialogs> dialogs;
    // Empty: the main window's progress label with windows, standard error without.
    std::unique_ptr<Progress> progress;
    MsClock clock = SteadyMs;
    // Where writes of many cells keep the unit's configuration first.
    QString backupFolder = DefaultBackupFolder();
};

class App : public QObject {
    Q_OBJECT
  public:
    App(std::unique_ptr<HidBackend> backend, AppOptions options);
    ~App() override;

    Link& link() { return *link_; }
    Config& settings() { return settings_; }
    const QString& settingsPath() const { return settingsPath_; }
    Dialogs& dialogs() { return *dialogs_; }
    Progress& progress();
    HidBackend& backend() { return *backend_; }
    // What an operation works with.
    Services services() { return Services(*link_, *dialogs_, progress()); }
    CloneHandover& cloneHandover() { return cloneHandover_; }
    WriteOptions writeOptions(bool backup = true, bool dryRun = false) const {
        return {backupFolder_, backup, dryRun};
    }

    // Null on the command line.
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    // "&Parameters": a new parameters window, or the open one brought to the front.
    void ShowParameters();
    params::ParametersWindow* parametersWindow() const;
    // "&Credits": the welcome-text window, made on first use and then kept.
    void ShowWelcomeText();
    WelcomeTextWindow* welcomeWindow() const { return welcomeWindow_; }
    // "&Advanced": the factory setup window, made on first use and then kept.
    void ShowFactorySetup();
    FactorySetupWindow* factoryWindow() const { return factoryWindow_; }
    // "&Ramps": the ramp editor, made on first use and then kept.
    void ShowRamps();
    RampsWindow* rampsWindow() const { return rampsWindow_; }
    // "&Download ": the run-log download window.
    void ShowDownload();
    DownloadWindow* downloadWindow() const { return downloadWindow_; }
    // "&Time Graph", and after every export with the exported file.
    void ShowTimeChart(const QString& file = {});
    // A download was exported: the time chart shows it, now and whenever it is opened anew.
    void DownloadExported(const QString& file);
    void ShowPerformanceChart();
    PerformanceChartWindow* performanceChartWindow() const;
    TimeChartWindow* timeChartWindow() const;

    // "&Exit": settings and geometry saved, unit closed, program ended. Settings that could
    // not be saved are named in a message first.
    void Exit();

  private:
    void bindMenus();
    // Runs the operation from a menu item of the main window: Escape there cancels it.
    void startFromMenu(std::function<Task<OpStatus>(Services)> operation, bool needsUnit = true);
    void onMainWindowClosing();
    void finishExit();
    Task<> TellThenExit(QString text);

    std::unique_ptr<HidBackend> backend_;
    QString settingsPath_;
    Config settings_;
    QString backupFolder_;
    CloneHandover cloneHandover_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Progress> progress_;
    // After the dialogs and the progress: the running operation, which uses them, goes first.
    std::unique_ptr<Link> link_;
    std::unique_ptr<MainWindow> mainWindow_;
    WelcomeTextWindow* welcomeWindow_ = nullptr;   // a child window of the main window
    FactorySetupWindow* factoryWindow_ = nullptr;  // likewise
    RampsWindow* rampsWindow_ = nullptr;           // likewise
    DownloadWindow* downloadWindow_ = nullptr;     // likewise
    // Deleted on close (it writes its geometry then), built afresh next time.
    QPointer<TimeChartWindow> timeChart_;
    QPointer<PerformanceChartWindow> performanceChart_;
    QPointer<DifferencesWindow> differences_;
    // Deleted on close, so the next opening builds it afresh.
    QPointer<params::ParametersWindow> parameters_;
    Task<> exiting_;
    QString lastDownload_;  // the last export: a newly built time chart draws it
};

}  // namespace norva
