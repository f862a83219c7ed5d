#include "app/App.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

#include "base/OffThread.h"
#include "cli/Replay.h"
#include "compare/DifferencesWindow.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "factory/FactorySetupWindow.h"
#include "logbook/LogDownload.h"
#include "logbook/LogbookLocation.h"
#include "logbook/LogbookWindow.h"
#include "mainwin/MainWindow.h"
#include "ops/OperationTools.h"
#include "params/ParametersWindow.h"
#include "params/WelcomeTextWindow.h"
#include "perfchart/PerformanceChartWindow.h"
#include "ramps/RampsWindow.h"
#include "runlog/DownloadWindow.h"
#include "runlog/TimeChartWindow.h"
#include "ui/QtDialogs.h"
#include "ui/ScriptedDialogs.h"

namespace norva {

namespace {
// Stands for the main window's progress label until the window exists.
class MainWindowLabel : public NoProgress {};

// The pictures rendered from the program's SVG at build time, built in: a PNG needs no image
// plugin at run time.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/norva-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Qt's dialogs and the main window's progress label unless the caller brings its own.
AppOptions WithWindows(AppOptions options) {
    if (!options.dialogs) options.dialogs = std::make_unique<QtDialogs>();
    if (!options.progress) options.progress = std::make_unique<MainWindowLabel>();
    return options;
}
}  // namespace

App::App(std::unique_ptr<HidBackend> backend, AppOptions options)
    : Program(std::move(backend), WithWindows(std::move(options))) {
    // Every window of the program shows its icon; the desktop entry is found by its name
    // (Wayland shows the window with that entry's icon and name).
    QGuiApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.norva_system.norva"));
    mainWindow_ = std::make_unique<MainWindow>(*link_, *dialogs_, settings_, settingsPath_);
    if (auto* qt = dynamic_cast<QtDialogs*>(dialogs_.get())) qt->setParent(mainWindow_.get());
    bindMenus();
    new CancelWithWindow(*link_, mainWindow_.get());
    connect(mainWindow_.get(), &MainWindow::closing, this, &App::onMainWindowClosing);
    connect(link_.get(), &Link::polled, this, &App::followEngine);
    // An operation may have put the unit's engine into the logbook (a download does): look
    // again at the next poll.
    connect(&link_->Operation, &RunningOperation::finished, this, [this] { engineStale_ = true; });
}

void App::followEngine() {
    const Link& l = *link_;
    std::optional<EngineIdentity> unit;
    if (l.DeviceDetected && l.BackupByteCount >= Link::kImageComplete)
        unit = IdentityOf(l.BackupImage.get(), l.BackupDownward);
    const auto same = [](const std::optional<EngineIdentity>& a,
                         const std::optional<EngineIdentity>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->serial == b->serial && a->welcome == b->welcome));
    };
    const bool changed = !same(unit, engineOf_);
    if (!changed && !engineStale_) return;
    engineStale_ = false;
    engineOf_ = unit;
    if (changed) mainWindow_->showEngine(std::nullopt);
    engineLookup_ = unit ? ShowEngine(*unit).started() : Task<>();
}

Task<> App::ShowEngine(EngineIdentity identity) {
    // Only a logbook that is there is asked: the status bar makes none.
    if (!LogbookExists(logbookPath_)) co_return;
    // Off the interface thread, as the downloads' own look-up: the database may be held.
    const auto engine = co_await OffThread([path = logbookPath_, identity] {
        Logbook book(path);
        return book.isOpen() ? KnownEngine(book, identity) : std::nullopt;
    });
    mainWindow_->showEngine(engine);
}

App::~App() {
    // The operation goes first: it may be showing progress on a window.
    link_->stop();
}

Progress& App::progress() {
    if (mainWindow_ && dynamic_cast<MainWindowLabel*>(progress_.get()))
        return mainWindow_->progress();
    return *progress_;
}

namespace {
Task<> Ended(Task<OpStatus> operation) {
    co_await std::move(operation);
}
}  // namespace

void App::startFromMenu(std::function<Task<OpStatus>(Services)> operation, bool needsUnit) {
    const Services s = services();
    StartOperation(*link_, *dialogs_, Ended(operation(s)), needsUnit, mainWindow_.get());
}

void App::bindMenus() {
    MainWindow* w = mainWindow_.get();
    connect(w->exit, &QAction::triggered, this, &App::Exit);
    connect(w->Autostart, &QAction::triggered, this, &App::ShowParameters);
    connect(w->credit, &QAction::triggered, this, &App::ShowWelcomeText);
    w->Advanced->setEnabled(true);
    connect(w->Advanced, &QAction::triggered, this, &App::ShowFactorySetup);
    w->Rampas->setEnabled(true);
    connect(w->Rampas, &QAction::triggered, this, &App::ShowRamps);
    w->Donw->setEnabled(true);
    connect(w->Donw, &QAction::triggered, this, &App::ShowDownload);
    connect(w->Logbook, &QAction::triggered, this, &App::ShowLogbook);
    w->TGraph->setEnabled(true);
    connect(w->TGraph, &QAction::triggered, this, [this] { ShowTimeChart(); });
    connect(w->StopReplay, &QAction::triggered, this, &App::StopReplay);
    w->PGraph->setEnabled(true);
    connect(w->PGraph, &QAction::triggered, this, &App::ShowPerformanceChart);
    const auto bind = [this](QAction* item, std::function<Task<OpStatus>(Services)> operation,
                             bool needsUnit = true) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this,
                [this, operation, needsUnit] { startFromMenu(operation, needsUnit); });
    };
    bind(w->Save, SaveParameterFile);
    bind(w->WriteP, [this](Services s) { return WriteParameterFile(s, writeOptions()); });
    // The image the program holds is saved, with or without the unit still there.
    bind(w->Saveall, SaveCloneFile, false);
    bind(w->Writeall,
         [this](Services s) { return WriteCloneFile(s, cloneHandover_, writeOptions()); });
    // The image the program holds is compared, with or without the unit still there.
    bind(
        w->Compare,
        [this](Services s) {
            return CompareWithFile(s, [this](const QString& file, const QStringList& lines) {
                if (!differences_) differences_ = new DifferencesWindow(mainWindow_.get());
                differences_->show(file, lines);
            });
        },
        false);
    bind(w->SerNum, [this](Services s) { return SetSerialNumber(s, writeOptions()); });
    bind(w->ClearService, [this](Services s) { return ClearServiceTimer(s, writeOptions()); });
    bind(w->Cleartimer, [this](Services s) { return ClearAllTimers(s, writeOptions()); });
}

void App::ShowParameters() {
    if (!parameters_) {
        parameters_ = new params::ParametersWindow(*link_, mainWindow_.get());
        parameters_->setAttribute(Qt::WA_DeleteOnClose);
    }
    parameters_->show();
    parameters_->raise();
    parameters_->activateWindow();
}

params::ParametersWindow* App::parametersWindow() const {
    return parameters_.data();
}

void App::ShowWelcomeText() {
    if (!welcomeWindow_) {
        welcomeWindow_ =
            new WelcomeTextWindow(*link_, *dialogs_, progress(), writeOptions(), mainWindow_.get());
        welcomeWindow_->journal = services().journal;
    }
    welcomeWindow_->show();
    welcomeWindow_->raise();
    welcomeWindow_->activateWindow();
}

void App::ShowFactorySetup() {
    if (!factoryWindow_)
        factoryWindow_ = new FactorySetupWindow(services(), settings_, cloneHandover_,
                                                writeOptions(), mainWindow_.get());
    factoryWindow_->show();
    factoryWindow_->raise();
    factoryWindow_->activateWindow();
}

void App::ShowRamps() {
    if (!rampsWindow_)
        rampsWindow_ = new RampsWindow(services(), writeOptions(), mainWindow_.get());
    rampsWindow_->show();
    rampsWindow_->raise();
    rampsWindow_->activateWindow();
}

void App::ShowDownload() {
    if (!downloadWindow_)
        downloadWindow_ = new DownloadWindow(
            services(), [this](const QString& file) { DownloadExported(file); }, mainWindow_.get());
    downloadWindow_->setKept(LogbookKeeper({logbookPath_, engineName_, true, settings().KeepDays}));
    downloadWindow_->show();
    downloadWindow_->raise();
    downloadWindow_->activateWindow();
}

TimeChartWindow* App::timeChartWindow() const {
    return timeChart_.data();
}

void App::ShowTimeChart(const QString& file) {
    if (!timeChart_) {
        timeChart_ = new TimeChartWindow(*dialogs_, settingsPath_, mainWindow_.get());
        timeChart_->setWindowFlag(Qt::Window);
        timeChart_->setAttribute(Qt::WA_DeleteOnClose);
        // A new window draws the last export when it opens, as after the download itself.
        if (file.isEmpty() && !lastDownload_.isEmpty()) timeChart_->showFile(lastDownload_);
        connect(timeChart_, &TimeChartWindow::replayRequested, this, &App::StartReplay);
        timeChart_->setNormalStart(
            [this](
                const QString& file) -> std::optional<std::pair<QString, std::vector<RunLogLine>>> {
                std::string error;
                const auto read = ReadLogbookExport(file.toStdString(), error);
                if (!read || !LogbookExists(logbookPath_)) return std::nullopt;
                Logbook book(logbookPath_);
                const auto engine = book.engineFor(read->identity);
                if (!engine) return std::nullopt;
                auto normal = book.normalStart(engine->id);
                if (normal.empty()) return std::nullopt;
                return std::pair(engine->name, std::move(normal));
            });
    }
    if (!file.isEmpty()) timeChart_->showFile(file);
    timeChart_->show();
    timeChart_->raise();
    timeChart_->activateWindow();
}

void App::DownloadExported(const QString& file) {
    lastDownload_ = file;
    ShowTimeChart(file);
    if (logbook_) logbook_->reload();
}

LogbookWindow* App::logbookWindow() const {
    return logbook_.data();
}

void App::ShowLogbook() {
    if (!logbook_) {
        logbook_ = new LogbookWindow(
            logbookPath_, *dialogs_,
            [this](const QString& file, int run) {
                ShowTimeChart(file);
                if (timeChart_) timeChart_->chooseRun(run);
            },
            mainWindow_.get());
        logbook_->setAttribute(Qt::WA_DeleteOnClose);
        logbook_->setWindowIcon(mainWindow_->windowIcon());
    }
    logbook_->show();
    logbook_->raise();
    logbook_->activateWindow();
}

PerformanceChartWindow* App::performanceChartWindow() const {
    return performanceChart_.data();
}

void App::ShowPerformanceChart() {
    if (!performanceChart_) {
        performanceChart_ = new PerformanceChartWindow(*link_, *dialogs_, settings_, settingsPath_);
        performanceChart_->setParent(mainWindow_.get(), Qt::Window);
        performanceChart_->setAttribute(Qt::WA_DeleteOnClose);
    }
    performanceChart_->show();
    performanceChart_->raise();
    performanceChart_->activateWindow();
}

void App::StartReplay(const QString& file, int firstLine) {
    std::string error;
    auto recording = ReadReplay(file.toStdString(), error);
    if (!recording) {
        dialogs_->notify(QString::fromStdString(error), {}, MessageIcon::Warning);
        return;
    }
    auto replay = std::make_unique<ReplayBackend>(std::move(recording), 1,
                                                  static_cast<size_t>(std::max(firstLine, 1) - 1),
                                                  [link = link_.get()] { return link->nowMs(); });
    // The link lets go of the old backend before it may go (a replay replaced by another).
    link_->setBackend(*replay);
    if (!startedWith_) startedWith_ = std::move(backend_);
    backend_ = std::move(replay);
    mainWindow_->StopReplay->setVisible(true);
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

void App::StopReplay() {
    if (!startedWith_) return;
    link_->setBackend(*startedWith_);
    backend_ = std::move(startedWith_);
    mainWindow_->StopReplay->setVisible(false);
}

void App::Exit() {
    if (!exiting_.done()) return;
    std::string error;
    bool saved = GuardaConfig(settingsPath_, settings_, link_->GaugeFullSpeed, &error);
    if (saved && mainWindow_) saved = mainWindow_->saveGeometry(&error);
    link_->stop();
    if (saved) return finishExit();
    exiting_ =
        TellThenExit(tr("The settings could not be saved: %1.").arg(QString::fromStdString(error)))
            .started();
}

Task<> App::TellThenExit(QString text) {
    co_await dialogs_->message(text, {}, MessageIcon::Warning);
    finishExit();
}

void App::finishExit() {
    if (mainWindow_) mainWindow_->closeForExit();
    QCoreApplication::quit();
}

void App::onMainWindowClosing() {
    link_->stop();
    QCoreApplication::quit();
}

}  // namespace norva
