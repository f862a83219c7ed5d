// norva-shots FOLDER [MEASURES]: one picture of every window, as the program shows it on the
// simulated unit, for the README. The unit and the program share a hand-moved clock, so an
// 80-second demonstration cycle and a whole download take a few seconds and the pictures come out
// the same every time. MEASURES receives the performance chart's run, for its printed page. Each
// window is checked to show what it should before it is taken; any that does not ends the program
// with status 1. Run by tools/take-screenshots.sh.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/App.h"
#include "base/Translation.h"
#include "compare/DifferencesWindow.h"
#include "factory/FactorySetupWindow.h"
#include "link/hid/SimBackend.h"
#include "logbook/LogbookWindow.h"
#include "mainwin/MainWindow.h"
#include "params/ParametersWindow.h"
#include "params/WelcomeTextWindow.h"
#include "perfchart/PerformanceChartWindow.h"
#include "ramps/RampsWindow.h"
#include "runlog/DownloadWindow.h"
#include "runlog/TimeChartWindow.h"
#include "ui/ScriptedDialogs.h"

namespace {

using namespace norva;

constexpr int kRate = 250;             // reports per second: a download of about four seconds
constexpr int64_t kFullSpeed = 38000;  // in the demonstration cycle: full throttle
constexpr int64_t kCycle = 80000;

class Shots {
  public:
    Shots(QString folder, QString measures)
        : folder_(std::move(folder)), measures_(std::move(measures)) {
        sim::SimOptions options;
        options.rate = kRate;
        auto backend = std::make_unique<SimBackend>(options, [this] { return now_; });
        sim_ = backend.get();
        auto dialogs = std::make_unique<ScriptedDialogs>();
        dialogs_ = dialogs.get();
        AppOptions app;
        app.settingsPath = work_.filePath("norva10.ini");
        app.backupFolder = work_.filePath("backups");
        app.dialogs = std::move(dialogs);
        app.clock = [this] { return now_; };
        app_ = std::make_unique<App>(std::move(backend), std::move(app));
    }

    int run() {
        MainWindow& main = *app_->mainWindow();
        main.show();
        if (!until([&] { return app_->link().BackupByteCount >= 256; }, 5000, "configuration"))
            return 1;

        // The performance chart records the demonstration cycle from here on; its own timer is
        // real time, so it is ticked by the shared clock instead.
        app_->ShowPerformanceChart();
        PerformanceChartWindow& chart = *app_->performanceChartWindow();
        chart.run().stop();
        app_->ShowParameters();
        const auto recording = [&] {
            if (now_ % static_cast<int64_t>(app_->settings().ChartRefresh) < Link::kPollMs)
                chart.run().tick();
        };
        pass(kFullSpeed - sim_->unit().elapsedMs(), recording);
        if (!take(main, "main-window.png") ||
            !take(*app_->parametersWindow(), "parameters.png",
                  [&] { return app_->parametersWindow()->Label61->text() == "Data Read OK"; }))
            return 1;
        pass(kCycle - sim_->unit().elapsedMs(), recording);
        chart.resize(627, 400);
        chart.Picture1->redrawFace();
        if (!take(chart, "performance-chart.png", [&] { return chart.run().recorded() > 100; }))
            return 1;
        chart.run().closeFile();
        if (!measures_.isEmpty()) QFile::remove(measures_);  // copy() never overwrites
        if (!measures_.isEmpty() && !QFile::copy(chart.run().present(), measures_)) {
            std::fprintf(stderr, "norva-shots: cannot write %s\n", qPrintable(measures_));
            return 1;
        }

        app_->ShowWelcomeText();
        WelcomeTextWindow& welcome = *app_->welcomeWindow();
        welcome.Read();
        if (!take(welcome, "welcome-text.png", [&] { return !welcome.Text1->text().isEmpty(); }))
            return 1;

        // The technician's view: every factory control, the hardware test included.
        app_->settings().AccessLevel = 743;
        app_->ShowFactorySetup();
        if (!take(*app_->factoryWindow(), "factory.png")) return 1;

        app_->ShowRamps();
        RampsWindow& ramps = *app_->rampsWindow();
        ramps.Read();
        if (!take(ramps, "ramps-editor.png", [&] { return !ramps.field(1)->text().isEmpty(); }))
            return 1;

        // Compare with file…: the unit against a copy of its configuration with the maximum
        // and idle speeds changed.
        const QString clone = work_.filePath("unit.nvc");
        dialogs_->answerSaveFile(clone);
        main.Saveall->trigger();
        if (!until([&] { return !app_->link().Operation.busy(); }, 5000, "clone file") ||
            !changeClone(clone, {{48, 10}, {50, 2}}))
            return 1;
        dialogs_->answerOpenFile(clone);
        main.Compare->trigger();
        const auto differences = [&] { return main.findChild<DifferencesWindow*>(); };
        if (!until([&] { return differences() != nullptr; }, 5000, "differences") ||
            !take(*differences(), "differences.png",
                  [&] { return differences()->text->toPlainText().count('\n') == 2; }))
            return 1;

        dialogs_->answerInput(QStringLiteral("Demo engine"));  // the logbook's name for the unit
        dialogs_->answerSaveFile(work_.filePath("run.txt"));
        app_->ShowDownload();
        DownloadWindow& download = *app_->downloadWindow();
        download.Start(false);
        if (!until([&] { return download.Label2->text().startsWith("3"); }, 10000,
                   "download under way") ||
            !take(download, "download.png"))
            return 1;
        // The finished download opens the time chart with its export.
        if (!until([&] { return app_->timeChartWindow() != nullptr; }, 20000, "export")) return 1;
        TimeChartWindow& times = *app_->timeChartWindow();
        // Wide enough for the runs beside the chart; one run chosen, its start shaded.
        times.resize(1250, 450);
        times.showFile(times.file());
        times.chooseRun(2);
        if (!take(times, "time-chart.png",
                  [&] { return times.lines().size() == 6144 && times.runs().size() > 3; }))
            return 1;
        // The download went into the logbook by itself.
        app_->ShowLogbook();
        LogbookWindow& logbook = *app_->logbookWindow();
        logbook.resize(1150, 600);
        return take(logbook, "logbook.png", [&] { return logbook.Runs->model()->rowCount() > 3; })
                   ? 0
                   : 1;
    }

  private:
    // Adds to cells of a clone file (one line a cell from address 16).
    static bool changeClone(const QString& path, const std::vector<std::pair<int, int>>& changes) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        for (const auto& [address, by] : changes) {
            QByteArray& line = lines[address - 16];
            line = QByteArray::number((line.trimmed().toInt() + by) % 256) + '\r';
        }
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        return file.write(lines.join('\n')) > 0;
    }
    // Lets `ms` of the shared clock pass, one poll tick at a time.
    void pass(int64_t ms, const std::function<void()>& each = {}) {
        for (int64_t t = 0; t < ms; t += Link::kPollMs) step(each);
    }
    void step(const std::function<void()>& each = {}) {
        now_ += Link::kPollMs;
        app_->link().PollTick();
        do QCoreApplication::processEvents();
        while (app_->link().resumePending());
        if (each) each();
    }
    bool until(const std::function<bool()>& ready, int64_t ms, const char* what) {
        for (int64_t t = 0; t < ms; t += Link::kPollMs) {
            if (ready()) return true;
            step();
        }
        std::fprintf(stderr, "norva-shots: no %s after %lld ms\n", what,
                     static_cast<long long>(ms));
        return false;
    }
    bool take(QWidget& window, const char* name, const std::function<bool()>& ready = {}) {
        // A second of the unit for the window to fill and settle.
        pass(1000);
        if (ready && !ready()) {
            std::fprintf(stderr, "norva-shots: %s: the window does not show what it should\n",
                         name);
            return false;
        }
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "norva-shots: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

    QString folder_;
    QString measures_;
    QTemporaryDir work_;
    int64_t now_ = 0;
    SimBackend* sim_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    std::unique_ptr<App> app_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fputs("usage: norva-shots FOLDER [MEASURES]\n", stderr);
        return 2;
    }
    // The working files of the charts and the download go to a folder of their own, never
    // into the user's.
    QTemporaryDir home;
    for (const char* name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, home.path().toLocal8Bit() + '/' + name);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    // The README's pictures are English; NORVA_SHOTS_LANGUAGE=de takes them in another language
    // to look for texts that do not fit.
    norva::InstallTranslation(qEnvironmentVariable("NORVA_SHOTS_LANGUAGE", QStringLiteral("en")));
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "norva-shots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    Shots shots(QString::fromLocal8Bit(argv[1]), argc == 3 ? QString::fromLocal8Bit(argv[2]) : "");
    return shots.run();
}
