#pragma once
// The program's command line: the main window, or one command without windows.

#include <optional>
#include <string>
#include <vector>

#include "cli/Monitor.h"
#include "link/hid/DeviceChoice.h"

namespace norva {

enum class Command {
    Window,
    Monitor,
    Summary,
    CloneSave,
    CloneWrite,
    ParamsSave,
    ParamsWrite,
    Serial,
    TimersClearAll,
    TimersClearService,
    FactoryMaxRpm,
    FactoryMenus,
    FactoryStartMode,
    FactoryCalTemp,
    FactoryFastSetup,
    FactoryHardwareTest,
    RampsRead,
    RampsWrite,
    RampsShow,
    Download,
    TimeChart,
    RunLogConvert,
    RunLogRuns,
    ChartPrint,
    ChartShow,
    ChartRecord,
    Diff,
    LogbookEngines,
    LogbookRuns,
    LogbookImport,
    LogbookReport,
    LogbookService,
    LogbookVacuum,
};

struct CommandLine {
    Command command = Command::Window;
    DeviceChoice device;
    bool deviceGiven = false;
    std::string config;           // settings file; empty = the user's norva10.ini
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
    double from = 0;            // timechart: the minutes drawn
    double to = 51.2;
    double seconds = 0;       // chart record: how long; 0 until Ctrl-C
    bool downward = false;    // diff of two files: they come from a downward unit
    std::optional<int> idle;  // runlog runs, logbook import: the idle speed when the file has no
                              // trailer (logbook import: kept for the engine)
    std::optional<int> fullSpeed;  // logbook import: the unit's full speed, kept for the engine
    std::optional<int> maxEgt;     // logbook import: the unit's maximum EGT, kept for the engine
    std::string note;              // logbook service: what was done
    bool csv = false;              // runlog runs, logbook engines and runs: comma-separated values
    std::string logbook;           // the logbook database; empty = the user's logbook.sqlite
    std::string engine;  // download, logbook import: the engine's name; logbook runs, report
    std::vector<std::string> files;  // logbook import: the export files
};

// The writes that keep the unit's configuration before they send (--no-backup skips it).
bool KeepsBackup(Command command);

// A command line to run, or what to print and the status to exit with (--help, --version, or
// a usage error: one line and where to find help).
struct ParsedCommandLine {
    std::optional<CommandLine> line;
    int exitStatus = 0;
    std::string out;
    std::string err;
};
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args,
                                   const std::string& version = "");

}  // namespace norva
