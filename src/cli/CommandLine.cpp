#include "cli/CommandLine.h"

#include <charconv>
#include <cmath>

#include "base/NumberText.h"

namespace norva {

std::string Usage() {
    return "Usage: norva [--device SPEC] [--config FILE] [--screenshot PNG]\n"
           "  or:  norva --version\n"
           "  or:  norva [--device SPEC] monitor [--reports N | --seconds S] [--csv]\n"
           "  or:  norva [--device SPEC] summary\n"
           "  or:  norva summary --image FILE.nvc\n"
           "  or:  norva [--device SPEC] clone save FILE.nvc\n"
           "  or:  norva [--device SPEC] clone write FILE.nvc [--no-backup] [--dry-run]\n"
           "  or:  norva [--device SPEC] params save FILE.nrv\n"
           "  or:  norva [--device SPEC] params write FILE.nrv [--no-backup] [--dry-run]\n"
           "  or:  norva [--device SPEC] serial N [--no-backup]\n"
           "  or:  norva [--device SPEC] timers clear-all | clear-service [--no-backup]\n"
           "  or:  norva [--device SPEC] factory max-rpm N\n"
           "  or:  norva [--device SPEC] factory menus restricted | full\n"
           "  or:  norva [--device SPEC] factory start-mode manual | gas | kero\n"
           "  or:  norva [--device SPEC] factory cal-temp [AMBIENT]\n"
           "  or:  norva [--device SPEC] factory fast-setup FILE.nvc [--no-backup]\n"
           "  or:  norva [--device SPEC] factory hardware-test\n"
           "  or:  norva [--device SPEC] ramps read FILE.rmp\n"
           "  or:  norva [--device SPEC] ramps write FILE.rmp [--no-backup]\n"
           "  or:  norva ramps show FILE.rmp [--png OUT.png]\n"
           "  or:  norva [--device SPEC] download OUT.txt\n"
           "  or:  norva timechart FILE.txt --png OUT.png | --pdf OUT.pdf [--from MIN] [--to MIN]\n"
           "  or:  norva runlog convert RAW OUT.txt\n"
           "  or:  norva runlog runs FILE.txt [--idle RPM] [--csv]\n"
           "  or:  norva chart print FILE.nvm --pdf OUT.pdf\n"
           "  or:  norva chart show FILE.nvm --png OUT.png\n"
           "  or:  norva [--device SPEC] chart record OUT.nvm [--seconds S]\n"
           "  or:  norva diff A.nvc B.nvc [--downward]\n"
           "  or:  norva [--device SPEC] diff FILE.nvc\n"
           "\n"
           "  --device SPEC   hid (default), sim[:OPTION]... or tcp:HOST:PORT; the simulated\n"
           "                  unit's options: falling, rate=N, answer=K, burst=N, preamble=N,\n"
           "                  silent-after=N, unplug-after=N, engine=off\n"
           "  --config FILE   settings file instead of the user's norva10.ini\n"
           "  --unit-wait S   how long a command looks for the unit (10 s unless given)\n"
           "  --screenshot PNG  open the main window, wait for the unit's configuration (at\n"
           "                  most 15 s), save a picture of the window and exit\n"
           "  monitor         print one line per report from the unit, without windows\n"
           "    --reports N   stop after N lines\n"
           "    --seconds S   stop after S seconds\n"
           "    --csv         comma-separated values with a header line\n"
           "  summary         wait for the unit's configuration (at most 30 s) and print the\n"
           "                  parameter summary, frame by frame\n"
           "    --image FILE  summarise a clone file instead of a unit\n"
           "  clone save      the unit's whole configuration (addresses 16..255) to a file\n"
           "  clone write     a clone file into the unit\n"
           "  params save     the unit's 71 parameters to a file\n"
           "  params write    a parameter file into the unit\n"
           "    --dry-run     list what the write would change in the unit, send nothing\n"
           "  serial N        set the engine serial number (downward units)\n"
           "  timers          clear all timers or the service timer (downward units)\n"
           "    --no-backup   (clone, params and ramps write, serial, timers, fast-setup) write\n"
           "                  without first keeping the unit's configuration in\n"
           "                  ~/.local/share/norva/backups\n"
           "  factory         the factory's commands: the maximum authorized speed (thousands\n"
           "                  of RPM), the terminal's menu access, the start mode, the\n"
           "                  temperature calibration (ambient 22 C unless given), the fast\n"
           "                  setup from a clone file, the hardware test (prints its result)\n"
           "  ramps read      the unit's acceleration and deceleration ramps to a file\n"
           "  ramps write     a ramp file into the unit, checked afterwards\n"
           "  ramps show      a ramp file's table with its relative speeds, without a unit\n"
           "    --png OUT     and its chart as a picture\n"
           "  download        the unit's run log (the last 51 minutes) to a text file, with its\n"
           "                  configuration at the end\n"
           "  timechart       an exported run log drawn as a picture or a PDF page, minutes\n"
           "                  --from and --to (0 to 51.2 unless given)\n"
           "  runlog convert  a raw run log (one byte a line) to an export file\n"
           "  runlog runs     the engine runs of an export file, one line each: cycle, start\n"
           "                  minute, seconds, time to idle, peak start EGT, largest RPM and\n"
           "                  EGT, mean pump at or above idle (tenths of a percent)\n"
           "    --idle RPM    the idle speed, for a file without the unit's configuration\n"
           "    --csv         comma-separated values with a header line\n"
           "  chart print     a measure file's printed page, as a PDF\n"
           "  chart show      a measure file drawn on the performance chart, as a picture\n"
           "  chart record    record the performance chart's points while the engine is hot\n"
           "                  (above 100 C), as the chart window does, until Ctrl-C\n"
           "    --seconds S   or for S seconds\n"
           "  diff            what differs between two clone files, or between the unit and a\n"
           "                  clone file, one line a setting; exit 0 equal, 1 different\n"
           "    --downward    the files come from a downward unit\n"
           "Exit status: 0 done, 2 no unit, unit lost or no answer, 3 bad file or entry,\n"
           "4 refused by the unit (write protected, or the other kind of unit).\n";
}

namespace {
bool ToPositive(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(out) && out > 0;
}

// The commands of one or two words, and what they take after them.
enum class Takes { Nothing, Required, Optional };
struct Verb {
    const char* first;
    const char* second;  // nullptr: one word
    Command command;
    Takes takes = Takes::Nothing;
    const char* what = "";        // what it needs, for the message when it is missing
    const char* choices[4] = {};  // the only values it takes, when it has a list
};
constexpr Verb kVerbs[] = {
    {"monitor", nullptr, Command::Monitor},
    {"summary", nullptr, Command::Summary},
    {"clone", "save", Command::CloneSave, Takes::Required, "a file"},
    {"clone", "write", Command::CloneWrite, Takes::Required, "a file"},
    {"params", "save", Command::ParamsSave, Takes::Required, "a file"},
    {"params", "write", Command::ParamsWrite, Takes::Required, "a file"},
    {"serial", nullptr, Command::Serial, Takes::Required, "the number"},
    {"timers", "clear-all", Command::TimersClearAll},
    {"timers", "clear-service", Command::TimersClearService},
    {"factory", "max-rpm", Command::FactoryMaxRpm, Takes::Required, "the speed"},
    {"factory",
     "menus",
     Command::FactoryMenus,
     Takes::Required,
     "restricted or full",
     {"restricted", "full"}},
    {"factory",
     "start-mode",
     Command::FactoryStartMode,
     Takes::Required,
     "manual, gas or kero",
     {"manual", "gas", "kero"}},
    {"factory", "cal-temp", Command::FactoryCalTemp, Takes::Optional},
    {"factory", "fast-setup", Command::FactoryFastSetup, Takes::Required, "a file"},
    {"factory", "hardware-test", Command::FactoryHardwareTest},
    {"ramps", "read", Command::RampsRead, Takes::Required, "a file"},
    {"ramps", "write", Command::RampsWrite, Takes::Required, "a file"},
    {"ramps", "show", Command::RampsShow, Takes::Required, "a file"},
    {"download", nullptr, Command::Download, Takes::Required, "a file"},
    {"timechart", nullptr, Command::TimeChart, Takes::Required, "a file"},
    {"runlog", "convert", Command::RunLogConvert, Takes::Required, "a raw log and a file"},
    {"runlog", "runs", Command::RunLogRuns, Takes::Required, "a file"},
    {"chart", "print", Command::ChartPrint, Takes::Required, "a file"},
    {"chart", "show", Command::ChartShow, Takes::Required, "a file"},
    {"chart", "record", Command::ChartRecord, Takes::Required, "a file"},
    {"diff", nullptr, Command::Diff, Takes::Required, "a file"},
};

bool IsChoice(const Verb& verb, const std::string& value) {
    if (!verb.choices[0]) return true;
    for (const char* choice : verb.choices)
        if (choice && value == choice) return true;
    return false;
}
}  // namespace

bool KeepsBackup(Command c) {
    switch (c) {
        case Command::CloneWrite:
        case Command::ParamsWrite:
        case Command::RampsWrite:
        case Command::Serial:
        case Command::TimersClearAll:
        case Command::TimersClearService:
        case Command::FactoryFastSetup:
            return true;
        default:
            return false;
    }
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine line;
    bool reportsGiven = false;
    const auto fail = [&](std::string why) {
        error = std::move(why);
        return std::nullopt;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        const Command c = line.command;
        std::string text;
        const Verb* verb = nullptr;
        for (const Verb& v : kVerbs)
            if (arg == v.first && (!v.second || (i + 1 < args.size() && args[i + 1] == v.second)))
                verb = &v;
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--device") {
            if (!value(text)) return std::nullopt;
            auto choice = ParseDevice(text, error);
            if (!choice) return std::nullopt;
            line.device = *choice;
            line.deviceGiven = true;
        } else if (arg == "--config") {
            if (!value(line.config)) return std::nullopt;
        } else if (arg == "--unit-wait") {
            if (!value(text)) return std::nullopt;
            const auto seconds = ParseNumber(text);
            if (!seconds || !(*seconds > 0) || *seconds > 3600)
                return fail("--unit-wait takes seconds from more than 0 to 3600, not '" + text +
                            "'");
            line.unitWaitSeconds = *seconds;
        } else if (arg == "--screenshot") {
            if (!value(line.screenshot)) return std::nullopt;
        } else if (verb && c == Command::Window) {
            line.command = verb->command;
            const std::string name = arg + (verb->second ? std::string(" ") + verb->second : "");
            if (verb->second) ++i;
            const bool more = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;
            if (verb->takes == Takes::Required && !more) return fail(name + " needs " + verb->what);
            if (verb->takes != Takes::Nothing && more) {
                line.file = args[++i];
                if (!IsChoice(*verb, line.file))
                    return fail(name + " needs " + verb->what + ", not '" + line.file + "'");
            }
        } else if (arg == "timers" && c == Command::Window) {
            return fail("timers needs clear-all or clear-service");
        } else if ((arg == "clone" || arg == "params") && c == Command::Window) {
            return fail(arg + " needs save or write");
        } else if (arg == "ramps" && c == Command::Window) {
            return fail("ramps needs read, write or show");
        } else if ((c == Command::RampsShow || c == Command::TimeChart ||
                    c == Command::ChartShow) &&
                   arg == "--png") {
            if (!value(line.png)) return std::nullopt;
        } else if ((c == Command::TimeChart || c == Command::ChartPrint) && arg == "--pdf") {
            if (!value(line.pdf)) return std::nullopt;
        } else if (c == Command::TimeChart && (arg == "--from" || arg == "--to")) {
            if (!value(text)) return std::nullopt;
            const auto minutes = ParseNumber(text);
            if (!minutes) return fail(arg + " needs a number of minutes, not '" + text + "'");
            (arg == "--from" ? line.from : line.to) = *minutes;
        } else if (c == Command::Diff && arg == "--downward") {
            line.downward = true;
        } else if ((c == Command::RunLogConvert || c == Command::Diff) && line.out.empty() &&
                   arg.rfind("--", 0) != 0) {
            line.out = arg;
        } else if (arg == "runlog" && c == Command::Window) {
            return fail("runlog needs convert or runs");
        } else if (arg == "chart" && c == Command::Window) {
            return fail("chart needs print, show or record");
        } else if (arg == "factory" && c == Command::Window) {
            return fail(
                "factory needs max-rpm, menus, start-mode, cal-temp, fast-setup or "
                "hardware-test");
        } else if (c == Command::Summary && arg == "--image") {
            if (!value(line.summaryImage)) return std::nullopt;
        } else if (KeepsBackup(c) && arg == "--no-backup") {
            line.backup = false;
        } else if ((c == Command::CloneWrite || c == Command::ParamsWrite) && arg == "--dry-run") {
            line.dryRun = true;
        } else if (c == Command::RunLogRuns && arg == "--csv") {
            line.csv = true;
        } else if (c == Command::RunLogRuns && arg == "--idle") {
            if (!value(text)) return std::nullopt;
            double rpm = 0;
            if (!ToPositive(text, rpm) || rpm != std::floor(rpm) || rpm > 1e6)
                return fail("--idle needs a speed in RPM, a whole number, not '" + text + "'");
            line.idle = static_cast<int>(rpm);
        } else if (c == Command::Monitor && arg == "--csv") {
            line.monitorOptions.csv = true;
        } else if (c == Command::ChartRecord && arg == "--seconds") {
            if (!value(text)) return std::nullopt;
            if (!ToPositive(text, line.seconds))
                return fail("--seconds needs a positive number, not '" + text + "'");
        } else if (c == Command::Monitor && (arg == "--reports" || arg == "--seconds")) {
            if (!value(text)) return std::nullopt;
            double number = 0;
            const bool reports = arg == "--reports";
            if (!ToPositive(text, number) || (reports && number != std::floor(number)))
                return fail(arg + " needs a positive " + (reports ? "whole number" : "number") +
                            ", not '" + text + "'");
            if (reports) {
                line.monitorOptions.reports = static_cast<long long>(number);
                reportsGiven = true;
            } else {
                line.monitorOptions.seconds = number;
            }
        } else {
            return fail("unknown argument '" + arg + "'");
        }
    }
    if (line.command != Command::Window && !line.screenshot.empty())
        return fail("--screenshot is for the main window only");
    if (!line.summaryImage.empty() && line.deviceGiven)
        return fail("summary --image reads a file, not a unit: leave out --device");
    const bool fileOnly =
        line.command == Command::RampsShow || line.command == Command::TimeChart ||
        line.command == Command::RunLogConvert || line.command == Command::RunLogRuns ||
        line.command == Command::ChartPrint || line.command == Command::ChartShow;
    if (fileOnly && line.deviceGiven)
        return fail("this command reads files, not a unit: leave out --device");
    if (line.command == Command::TimeChart && line.png.empty() == line.pdf.empty())
        return fail("timechart needs --png OUT.png or --pdf OUT.pdf");
    if (line.command == Command::Diff && !line.out.empty() && line.deviceGiven)
        return fail("diff of two files reads no unit: leave out --device");
    if (line.command == Command::Diff && line.out.empty() && line.downward)
        return fail("--downward is for two files; the unit says its own kind");
    if (line.command == Command::ChartPrint && line.pdf.empty())
        return fail("chart print needs --pdf OUT.pdf");
    if (line.command == Command::ChartShow && line.png.empty())
        return fail("chart show needs --png OUT.png");
    if (line.command == Command::RunLogConvert && line.out.empty())
        return fail("runlog convert needs a raw log and a file");
    if (reportsGiven && line.monitorOptions.seconds > 0)
        return fail("give either --reports or --seconds, not both");
    return line;
}

}  // namespace norva
