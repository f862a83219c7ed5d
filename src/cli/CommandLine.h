#pragma once
// The program's command line: the main window, or one command without windows.

#include <optional>
#include <string>
#include <vector>

#include "cli/Monitor.h"
#include "link/hid/DeviceChoice.h"

namespace norva {

struct CommandEntry;  // cli/Commands.h

struct CommandLine {
    const CommandEntry* command = nullptr;  // none: the main window
    DeviceChoice device;
    bool deviceGiven = false;
    std::string config;           // settings file; empty = the user's norva10.ini
    std::string language;         // "de", ...; empty = the system's
    double unitWaitSeconds = 10;  // how long a unit command looks for the unit
    std::string screenshot;       // render the main window to this PNG and exit
    MonitorOptions monitorOptions;
    std::string summaryImage;  // a clone file to summarise instead of a unit
    // clone, params and fast-setup: the file; serial and max-rpm: the number; menus and
    // start-mode: the choice; cal-temp: the ambient temperature
    std::string file;
    bool backup = true;         // false: --no-backup
    bool dryRun = false;        // every write: show the changes, send nothing
    bool withCounters = false;  // clone write and fast setup: the file's counters too
    std::string png;            // ramps show, timechart, chart show: the chart as a picture
    std::string pdf;            // timechart, chart print: the chart as a PDF page
    std::string out;            // runlog convert: the export file; diff: the second file
    std::string overlay;        // timechart: FILE.txt:CYCLE, a run laid over the chart
    double from = 0;            // timechart: the minutes drawn; runlog stats: A and B
    double to = 51.2;
    double seconds = 0;       // chart record and monitor: how long; 0 until Ctrl-C
    bool downward = false;    // diff of two files: they come from a downward unit
    std::optional<int> idle;  // runlog runs, logbook import: the idle speed when the file has no
                              // trailer (logbook import: kept for the engine)
    std::optional<int> fullSpeed;  // logbook import: the unit's full speed, kept for the engine
    std::optional<int> maxEgt;     // logbook import: the unit's maximum EGT, kept for the engine
    std::string note;              // logbook service: what was done
    bool csv = false;              // runlog runs, logbook engines and runs: comma-separated values
    std::string logbook;           // the logbook database; empty = the user's logbook.sqlite
    std::string copyTo, copyFrom;  // logbook copy: the other logbook (a file or a server's URL)
    std::string engine;  // download, logbook import: the engine's name; logbook runs, report
    std::vector<std::string> files;  // logbook import: the export files
};

// A command line to run, or what to print and the status to exit with (--help, --version, or
// a usage error: one line and where to find help). The texts are in the language of the running
// application's translation, English before it exists: the program parses once to learn what to
// run, and again with its translation installed to say what is printed.
struct ParsedCommandLine {
    std::optional<CommandLine> line;
    int exitStatus = 0;
    std::string out;
    std::string err;
    std::string language;  // --language as given
};
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args,
                                   const std::string& version = "");

// Each command as the parser knows it, for its completion and for tests made from the table:
// "clone write", its options ("--no-backup", …) and its arguments.
struct CommandShape {
    struct Value {
        std::string name;                  // "--png", or an argument's "FILE.nvc"
        std::string type;                  // an option's value: "OUT.png"
        bool takesValue = false;           // an option's
        bool names = false;                // a file
        bool required = false;             // an argument's, or an option that must be given
        std::vector<std::string> choices;  // the only words it takes, if any
    };
    std::string words;
    const CommandEntry* entry = nullptr;
    std::vector<Value> options;
    std::vector<Value> arguments;
};
struct CommandShapes {
    std::vector<CommandShape::Value> globals;  // every command's
    std::vector<CommandShape> commands;
};
CommandShapes CommandShapesOf();

}  // namespace norva
