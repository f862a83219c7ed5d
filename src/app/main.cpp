// norva: the ground-support program for a NORVA engine control unit.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <string>

#include "app/App.h"
#include "app/Screenshot.h"
#include "base/OutputPath.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/Replay.h"
#include "mainwin/MainWindow.h"

namespace {
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
    norva::App app(norva::MakeBackend(line.device), norva::ProgramOptionsOf(line));
    app.mainWindow()->show();
    norva::Screenshot screenshot(*app.mainWindow(), app.link(),
                                 QString::fromStdString(line.screenshot),
                                 [](int status) { QCoreApplication::exit(status); });
    if (!line.screenshot.empty()) screenshot.start();
    return QApplication::exec();
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
    if (norva::UsesUnit(line)) watch.emplace();
    if (line.command) return norva::RunCommand(argc, argv, line);
    return RunWindow(argc, argv, line);
}
