#pragma once
// What a command's entry uses to declare its options and arguments with CLI11: the one
// CommandLine they fill, the texts checked after parsing, and the shapes every command shares
// (a file argument, the write flags). The parser reads the texts; the completion knows from
// here which values are file names.

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QString>
#include <set>
#include <string>

#include "cli/CommandLine.h"

namespace norva {

// A command line that cannot be run: one line saying why.
struct UsageError {
    explicit UsageError(std::string why) : what(std::move(why)) {}
    explicit UsageError(const QString& why) : what(why.toStdString()) {}
    std::string what;
};

// The descriptions given here are marked for the translators; the parser translates them.
class CommandOptions {
    Q_DECLARE_TR_FUNCTIONS(norva::CommandLine)

  public:
    explicit CommandOptions(CommandLine& line) : line(line) {}

    CommandLine& line;
    // Numbers as typed, checked after parsing so that every refusal reads the same way.
    std::string from, to, idle, fullSpeed, maxEgt, reports, seconds;
    bool noBackup = false;

    // The command's file, or its number or word, required.
    CLI::Option* file(CLI::App* sub, const char* name, const char* help) {
        return files(argument(sub, name, help));
    }
    CLI::Option* argument(CLI::App* sub, const char* name, const char* help) {
        return sub->add_option(name, line.file, help)->required()->type_name("");
    }
    // An option whose value names a file.
    CLI::Option* files(CLI::Option* option) {
        fileOptions_.insert(option);
        return option;
    }
    void engine(CLI::App* sub, const char* help) {
        sub->add_option("--engine", line.engine, help)->type_name("NAME");
    }
    void csv(CLI::App* sub) {
        sub->add_flag("--csv", line.csv, QT_TR_NOOP("comma-separated values with a header line"));
    }
    void noBackupFlag(CLI::App* sub) {
        sub->add_flag("--no-backup", noBackup,
                      QT_TR_NOOP("write without first keeping the unit's configuration in "
                                 "~/.local/share/norva/backups"));
    }
    void writeFlags(CLI::App* sub) {
        noBackupFlag(sub);
        sub->add_flag(
            "--dry-run", line.dryRun,
            QT_TR_NOOP("list what the write would change in the unit (on standard output), "
                       "send nothing"));
    }
    void withCounters(CLI::App* sub) {
        sub->add_flag(
            "--with-counters", line.withCounters,
            QT_TR_NOOP("also write the file's engine counters (cycle count, total time): only to "
                       "restore this unit's own backup"));
    }
    bool namesFiles(const CLI::Option* option) const { return fileOptions_.count(option) > 0; }

  private:
    std::set<const CLI::Option*> fileOptions_;
};

}  // namespace norva
