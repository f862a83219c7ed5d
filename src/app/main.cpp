// norva: the ground-support program for a NORVA engine control unit.
#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Qt's own options (QGuiApplication's, QApplication's and the X11 plugin's), given to Qt and
// kept from the command-line parser, which would refuse them. Qt takes them with one dash or
// two, the value next or after "=".
constexpr std::string_view kQtValued[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry",
    "qwindowicon", "qwindowtitle",       "title",         "display", "session",         "style",
    "stylesheet",  "qmljsdebugger",      "name",          "visual"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct SplitArgs {
    std::vector<std::string> ours;
    std::vector<char*> qt;  // the program's name first
    bool platformGiven = false;
};
SplitArgs SplitQtArgs(int argc, char** argv) {
    SplitArgs split;
    split.qt.push_back(argv[0]);
    const auto known = [](const auto& names, std::string_view name) {
        return std::find(std::begin(names), std::end(names), name) != std::end(names);
    };
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (!arg.starts_with('-')) {  // a file or a name, empty ones too
            split.ours.emplace_back(arg);
            continue;
        }
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        name = name.substr(0, name.find('='));
        const bool valued = known(kQtValued, name);
        if (arg == "--" || (!valued && !known(kQtFlags, name))) {
            split.ours.emplace_back(arg);
            continue;
        }
        split.platformGiven = split.platformGiven || name == "platform";
        split.qt.push_back(argv[i]);
        if (valued && arg.find('=') == std::string_view::npos && i + 1 < argc)
            split.qt.push_back(argv[++i]);
    }
    split.qt.push_back(nullptr);
    return split;
}

// Qt's warnings read as the program's own; the one about XDG_RUNTIME_DIR (a login over ssh or
// su) changes nothing the user sees. Debug messages are for debug builds. Qt ends the program
// itself after a fatal message.
#ifdef NDEBUG
constexpr bool kDebugBuild = false;
#else
constexpr bool kDebugBuild = true;
#endif
void PrintQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg && !kDebugBuild) return;
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR not set"))) return;
    std::fprintf(stderr, "norva: %s\n", qPrintable(message));
}

// Without a display Qt's platform plugin aborts with a page of advice; one line says it better.
bool NoDisplay(bool platformGiven) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !platformGiven && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    (void)platformGiven;
    return false;
#endif
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
    norva::UseLanguage(line.language);
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
    qInstallMessageHandler(PrintQtMessage);
    SplitArgs args = SplitQtArgs(argc, argv);
    int qtArgc = static_cast<int>(args.qt.size()) - 1;
    const norva::ParsedCommandLine parsed = norva::ParseCommandLine(args.ours, NORVA_VERSION);
    if (!parsed.line) {
        // The help or the refusal in the user's language: the parser's texts are translated as
        // it is made, so it is made again once the translation is there.
        QCoreApplication qt(qtArgc, args.qt.data());
        norva::UseLanguage(parsed.language);
        const norva::ParsedCommandLine said = norva::ParseCommandLine(args.ours, NORVA_VERSION);
        std::fputs(said.out.c_str(), stdout);
        std::fputs(said.err.c_str(), stderr);
        return said.exitStatus;
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
    if (line.command) return norva::RunCommand(qtArgc, args.qt.data(), line);
    if (NoDisplay(args.platformGiven)) {
        // No window can open, but the message speaks the user's language.
        QCoreApplication qt(qtArgc, args.qt.data());
        norva::UseLanguage(line.language);
        std::fprintf(stderr, "norva: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "no display: run with a desktop session or use a command")));
        return norva::exitstatus::kNoUnit;
    }
    return RunWindow(qtArgc, args.qt.data(), line);
}
