#include "cli/Program.h"

#include <cstdio>

#include "cli/TerminalProgress.h"
#include "logbook/LogDownload.h"
#include "logbook/Logbook.h"
#include "ui/ScriptedDialogs.h"

namespace norva {

Program::Program(std::unique_ptr<HidBackend> backend, ProgramOptions options)
    : backend_(std::move(backend)),
      settingsPath_(options.settingsPath.isEmpty() ? DefaultConfigPath() : options.settingsPath),
      logbookPath_(options.logbookPath.isEmpty() ? DefaultLogbookPath() : options.logbookPath),
      engineName_(options.engineName),
      backupFolder_(options.backupFolder),
      dialogs_(std::move(options.dialogs)),
      progress_(std::move(options.progress)) {
    if (!dialogs_) dialogs_ = ScriptedDialogs::ForCommandLine(stderr, stdout);
    if (!progress_) progress_ = std::make_unique<TerminalProgress>(stderr);
    std::string problem;
    settings_ = ReadConfig(settingsPath_, &problem);
    if (!problem.empty())
        std::fprintf(
            stderr, "norva: %s\n",
            qPrintable(
                tr("%1; the default settings are used").arg(QString::fromStdString(problem))));
    // A shop's PCs name their shared logbook once, in the settings.
    if (options.logbookPath.isEmpty() && !settings_.LogbookUrl.empty())
        logbookPath_ = QString::fromStdString(settings_.LogbookUrl);
    link_ = std::make_unique<Link>(*backend_, options.clock);
    link_->setPressureFactor(settings_.PressureFactor);
}

Services Program::services() {
    Services s(*link_, *dialogs_, progress());
    s.journal = [logbook = logbookPath_, &link = *link_](const QString& kind, const QString& file,
                                                         const QString& detail) {
        RecordEvent(logbook, link.BackupImage.get(), link.BackupDownward, kind, file, detail);
    };
    return s;
}

Program::~Program() {
    // The operation goes first: it may be showing progress.
    link_->stop();
}

}  // namespace norva
