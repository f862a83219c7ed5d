#pragma once
// Every command of the command line is one entry of one table: its words and help, its options
// (CLI11), whether it talks to a unit, and what it runs, with the answers it gives to the
// operation's questions. The parser, the help, the bash completion and the exit-status tests
// are made from the table; adding a command is one entry and its operation.

#include <QString>
#include <functional>
#include <span>
#include <string>

#include "base/Task.h"
#include "config/WriteGate.h"
#include "ops/OperationTools.h"

namespace CLI {
class App;
}

namespace norva {

class CommandOptions;
class Program;
struct CommandLine;
struct ProgramOptions;

// What a unit operation starts with.
struct OperationStart {
    Program& app;
    const CommandLine& line;
    Services services;
    WriteOptions options;
    QString file;  // the command's file, number or word
    // A result the command prints at its end when the operation was done (the hardware test's).
    std::function<void(const QString&)> result;
    // The unit and the file differ (diff exits 1).
    std::function<void()> differs;
};

// The questions an operation asks and the command line's answers to them, by question: the file
// it opens or saves, or the number it asks for, is the command's own; its write is confirmed by
// the command itself. A question the entry does not answer counts as No (cancelled): nothing
// is written that the command line did not ask for.
struct Answers {
    bool fileToOpen = false;
    bool fileToSave = false;
    bool number = false;
    bool write = false;
};

// How much of the unit a unit command waits for before it starts: the unit found; its reports'
// direction (the kind of unit); its whole configuration.
enum class UnitWait { Found, Kind, Image };

bool Always(const CommandLine&);
bool Never(const CommandLine&);

struct CommandEntry {
    const char* words;  // "clone write"; a group's entry ("clone") has its help only
    const char* help;
    void (*define)(CommandOptions&, CLI::App&) = nullptr;
    // Talks to a unit: --device allowed, Ctrl-C watched from the start, the unit looked for.
    bool (*usesUnit)(const CommandLine&) = Never;
    // A check CLI11 cannot make, throwing UsageError.
    void (*check)(const CommandLine&) = nullptr;
    // Draws: a picture or a PDF page needs fonts, never a display.
    bool draws = false;
    // Without a unit (program null), or with it when the command keeps the loop itself.
    int (*run)(Program* program, const CommandLine&) = nullptr;

    // A unit command run as one operation once the unit is there, as the menus run it.
    Task<OpStatus> (*operation)(OperationStart) = nullptr;
    bool recordsChart = false;  // chart record: the chart's own recording instead
    UnitWait wait = UnitWait::Found;
    Answers answers;
    // Works from the configuration the link holds; a unit lost meanwhile does not stop it.
    bool fromImage = false;
    // The file it writes, checked before the unit is looked for.
    std::string CommandLine::*output = nullptr;
    // An entry that cannot be used, said before the unit is looked for (exit 3); empty if none.
    std::string (*badEntry)(const CommandLine&) = nullptr;

    bool isGroup() const { return define == nullptr; }
    bool runsOnUnit() const { return operation != nullptr || recordsChart; }
};

std::span<const CommandEntry> Commands();

// Installs the translation into the running application: the language asked for (said on
// standard error when the program has none), else the system's.
void UseLanguage(const std::string& requested);
// Runs a parsed command (not the window) to its end; its exit status.
int RunCommand(int argc, char** argv, const CommandLine& line);
// The program's settings, logbook and engine as the command line names them.
ProgramOptions ProgramOptionsOf(const CommandLine& line);
// Whether the command line's command talks to a unit (the window's picture does).
bool UsesUnit(const CommandLine& line);

}  // namespace norva
