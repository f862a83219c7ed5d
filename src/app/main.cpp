// norva: the ground-support program for a NORVA engine control unit.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Screenshot.h"
#include "base/OutputPath.h"
#include "base/Settings.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/FileCommands.h"
#include "cli/Interrupt.h"
#include "cli/LogbookCommands.h"
#include "cli/Monitor.h"
#include "cli/Replay.h"
#include "cli/SummaryCommand.h"
#include "cli/UnitCommand.h"
#include "logbook/Logbook.h"
#include "mainwin/MainWindow.h"
#include "runlog/Library.h"

namespace {
norva::ProgramOptions Options(const norva::CommandLine& line) {
    norva::ProgramOptions options;
    options.settingsPath = QString::fromStdString(line.config);
    options.logbookPath = QString::fromStdString(line.logbook);
    options.engineName = QString::fromStdString(line.engine);
    return options;
}

QString LogbookPath(const norva::CommandLine& line) {
    return line.logbook.empty() ? norva::DefaultLogbookPath()
                                : QString::fromStdString(line.logbook);
}

int RunWindow(int argc, char** argv, const norva::CommandLine& line) {
    if (!line.screenshot.empty()) {
        std::string error;
        if (!norva::CheckOutputPath(line.screenshot, error)) {
            std::fprintf(stderr, "norva: %s\n", error.c_str());
            return norva::exitstatus::kBadInput;
        }
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norva"));
    norva::App app(norva::MakeBackend(line.device), Options(line));
    app.mainWindow()->show();
    norva::Screenshot screenshot(*app.mainWindow(), app.link(),
                                 QString::fromStdString(line.screenshot),
                                 [](int status) { QCoreApplication::exit(status); });
    if (!line.screenshot.empty()) screenshot.start();
    return QApplication::exec();
}

// Pictures need fonts, so a GUI application, but never a display.
int RunPictureCommand(int argc, char** argv, const norva::CommandLine& line) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    if (line.command == norva::Command::RampsShow)
        return norva::ShowRampFile(line.file, line.png, stdout, stderr);
    if (line.command == norva::Command::ChartPrint)
        return norva::PrintMeasureFile(line.file, line.pdf, stderr);
    if (line.command == norva::Command::LogbookReport)
        return norva::LogbookReport(LogbookPath(line), line.engine, line.pdf, stderr);
    if (line.command == norva::Command::ChartShow) {
        // The unit type of the settings chooses the x axis, as in the window.
        const QString settings =
            line.config.empty() ? norva::DefaultConfigPath() : QString::fromStdString(line.config);
        return norva::ShowMeasureFile(line.file, line.png,
                                      norva::ReadConfig(settings).NorvaType == "P", stderr);
    }
    return norva::DrawTimeChartFile(line.file, line.png, line.pdf, line.from, line.to, stderr);
}

bool NeedsUnit(const norva::CommandLine& line) {
    using norva::Command;
    switch (line.command) {
        case Command::Window:
            return !line.screenshot.empty();
        case Command::RampsShow:
        case Command::TimeChart:
        case Command::ChartPrint:
        case Command::ChartShow:
        case Command::RunLogConvert:
        case Command::RunLogRuns:
        case Command::LogbookEngines:
        case Command::LogbookRuns:
        case Command::LogbookImport:
        case Command::LogbookReport:
        case Command::LogbookService:
        case Command::LogbookVacuum:
            return false;
        case Command::Summary:
            return line.summaryImage.empty();
        case Command::Diff:
            return line.out.empty();
        default:
            return true;
    }
}

int RunCommand(int argc, char** argv, const norva::CommandLine& line) {
    switch (line.command) {
        case norva::Command::RampsShow:
        case norva::Command::TimeChart:
        case norva::Command::ChartPrint:
        case norva::Command::ChartShow:
        case norva::Command::LogbookReport:
            return RunPictureCommand(argc, argv, line);
        default:
            break;
    }
    QCoreApplication qt(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("norva"));
    if (line.command == norva::Command::Summary && !line.summaryImage.empty())
        return norva::PrintCloneSummary(line.summaryImage, stdout, stderr);
    if (line.command == norva::Command::Diff && !line.out.empty())
        return norva::DiffCloneFiles(line.file, line.out, line.downward, stdout, stderr);
    if (line.command == norva::Command::RunLogConvert)
        return norva::ConvertRawLog(line.file, line.out, stderr);
    if (line.command == norva::Command::RunLogRuns)
        return norva::PrintRuns(line.file, line.idle, line.csv, stdout, stderr);
    if (line.command == norva::Command::LogbookEngines)
        return norva::LogbookEngines(LogbookPath(line), line.csv, stdout, stderr);
    if (line.command == norva::Command::LogbookRuns)
        return norva::LogbookRuns(LogbookPath(line), line.engine, line.csv, stdout, stderr);
    if (line.command == norva::Command::LogbookImport)
        return norva::LogbookImport(
            LogbookPath(line), line.files, line.engine,
            {.idleRpm = line.idle, .fullRpm = line.fullSpeed, .maxEgtC = line.maxEgt}, stdout,
            stderr);
    if (line.command == norva::Command::LogbookVacuum)
        return norva::LogbookVacuum(
            LogbookPath(line), norva::DefaultLibraryFolder(),
            norva::ReadConfig(line.config.empty() ? norva::DefaultConfigPath()
                                                  : QString::fromStdString(line.config))
                .KeepDays,
            stdout, stderr);
    if (line.command == norva::Command::LogbookService)
        return norva::LogbookService(LogbookPath(line), line.engine, line.note, stdout, stderr);
    norva::Program app(norva::MakeBackend(line.device), Options(line));
    if (line.command == norva::Command::Monitor) {
        norva::Monitor monitor(app.link(), line.monitorOptions, stdout, stderr);
        return monitor.run();
    }
    if (line.command == norva::Command::Summary)
        return norva::RunSummary(app.link(), stdout, stderr, norva::kSummaryTimeoutMs,
                                 static_cast<int>(line.unitWaitSeconds * 1000));
    norva::UnitCommand command(app, line);
    return command.run();
}
}  // namespace

int main(int argc, char** argv) {
    const norva::ParsedCommandLine parsed =
        norva::ParseCommandLine({argv + 1, argv + argc}, NORVA_VERSION);
    if (!parsed.line) {
        std::fputs(parsed.out.c_str(), stdout);
        std::fputs(parsed.err.c_str(), stderr);
        return parsed.exitStatus;
    }
    // What waits for a unit (a command, or the main window's picture) ends at Ctrl-C with a
    // word, from the start: a signal that comes while it sets up is seen at its first wait.
    // What only reads and writes files has no wait and is simply ended by the signal.
    norva::CommandLine line = *parsed.line;
    if (line.device.kind == norva::DeviceChoice::Kind::Replay) {
        // Read before anything starts: a file that is not an export plays nothing.
        std::string error;
        line.device.recording = norva::ReadReplay(line.device.file, error);
        if (!line.device.recording) {
            std::fprintf(stderr, "norva: %s\n", error.c_str());
            return norva::exitstatus::kBadInput;
        }
    }
    std::optional<norva::InterruptWatch> watch;
    if (NeedsUnit(line)) watch.emplace();
    if (line.command != norva::Command::Window) return RunCommand(argc, argv, line);
    return RunWindow(argc, argv, line);
}
