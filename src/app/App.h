#pragma once
// The program with its windows: the Program (link, settings, dialogs, progress) and the main
// window and every window reached from it. The main window is a view of it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "cli/Program.h"
#include "logbook/Logbook.h"

namespace norva {

class MainWindow;
class WelcomeTextWindow;
class FactorySetupWindow;
class RampsWindow;
class DownloadWindow;
class TimeChartWindow;
class PerformanceChartWindow;
class DifferencesWindow;
class LogbookWindow;
namespace params {
class ParametersWindow;
}

// As the program without windows takes them; empty dialogs are Qt's, an empty progress is the
// main window's label.
using AppOptions = ProgramOptions;

class App : public Program {
    Q_OBJECT
  public:
    App(std::unique_ptr<HidBackend> backend, AppOptions options);
    ~App() override;

    Progress& progress() override;

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
    // "&Logbook": the engine logbook, built afresh each time it is opened after a close.
    void ShowLogbook();
    LogbookWindow* logbookWindow() const;

    // "Replay" in the time chart: the link plays `file` from its data line `firstLine` (1-based)
    // as a unit would, until "&Stop replay" goes back to the unit the program was started with.
    // A file that cannot be read is named in a message and the unit stays.
    void StartReplay(const QString& file, int firstLine);
    void StopReplay();
    bool replaying() const { return startedWith_ != nullptr; }

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
    // The status bar's engine follows the unit: looked up once its image is complete.
    void followEngine();
    Task<> ShowEngine(EngineIdentity identity);

    std::unique_ptr<MainWindow> mainWindow_;
    WelcomeTextWindow* welcomeWindow_ = nullptr;   // a child window of the main window
    FactorySetupWindow* factoryWindow_ = nullptr;  // likewise
    RampsWindow* rampsWindow_ = nullptr;           // likewise
    DownloadWindow* downloadWindow_ = nullptr;     // likewise
    // Deleted on close (it writes its geometry then), built afresh next time.
    QPointer<TimeChartWindow> timeChart_;
    QPointer<PerformanceChartWindow> performanceChart_;
    QPointer<DifferencesWindow> differences_;
    QPointer<LogbookWindow> logbook_;
    // Deleted on close, so the next opening builds it afresh.
    QPointer<params::ParametersWindow> parameters_;
    Task<> exiting_;
    QString lastDownload_;  // the last export: a newly built time chart draws it
    std::unique_ptr<HidBackend>
        startedWith_;  // the program's own way to its unit, while a replay plays
    // The unit whose engine the status bar shows (or is being looked up), none while no unit.
    std::optional<EngineIdentity> engineOf_;
    bool engineStale_ = false;  // the logbook may know the unit's engine now
    Task<> engineLookup_;
};

}  // namespace norva
