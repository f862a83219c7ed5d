// A parsed command run to its end: in the application it needs, with the unit when it talks to
// one.
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

#include "base/Translation.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Program.h"
#include "cli/UnitCommand.h"

namespace norva {

ProgramOptions ProgramOptionsOf(const CommandLine& line) {
    ProgramOptions options;
    options.settingsPath = QString::fromStdString(line.config);
    options.logbookPath = QString::fromStdString(line.logbook);
    options.engineName = QString::fromStdString(line.engine);
    return options;
}

void UseLanguage(const std::string& requested) {
    const QString asked = QString::fromStdString(requested);
    const QString used = InstallTranslation(asked);
    // English is every text's own language: asking for it needs no translation.
    if (!asked.isEmpty() && used != asked.section(QLatin1Char('_'), 0, 0) &&
        !asked.startsWith(QLatin1String("en")))
        std::fprintf(stderr, "norva: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "RunCommand",
                                    "no translation into '%1' (there are: %2); English is used")
                                    .arg(asked, TranslatedLanguages().join(QStringLiteral(", ")))));
}

int RunCommand(int argc, char** argv, const CommandLine& line) {
    const CommandEntry& command = *line.command;
    if (command.draws) {
        // Pictures need fonts, so a GUI application, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication qt(argc, argv);
        UseLanguage(line.language);
        return command.run(nullptr, line);
    }
    QCoreApplication qt(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("norva"));
    UseLanguage(line.language);
    if (!command.usesUnit(line)) return command.run(nullptr, line);
    Program program(MakeBackend(line.device), ProgramOptionsOf(line));
    if (!command.runsOnUnit()) return command.run(&program, line);
    UnitCommand unitCommand(program, line);
    return unitCommand.run();
}

}  // namespace norva
