#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <sstream>

#include "base/NumberText.h"
#include "cli/ExitStatus.h"

namespace norva {

namespace {

bool ToPositive(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(out) && out > 0;
}

struct UsageError {
    std::string what;
};

constexpr const char* kDeviceHelp =
    "hid (default), sim[:OPTION]..., tcp:HOST:PORT or replay:FILE.txt[:speed=N]; the simulated "
    "unit's options: falling, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, "
    "refuse-writes=A,B-C, "
    "unplug-after=N, engine=off; a replay plays an exported run log N times real time (1 to 32)";
constexpr const char* kNoBackupHelp =
    "write without first keeping the unit's configuration in ~/.local/share/norva/backups";

// One line a command, from what the parser knows of it: "norva clone write [--no-backup]
// [--dry-run] FILE.nvc". The command's own help says what each part means.
std::string Synopses(const CLI::App& app, const std::string& path = "norva") {
    std::string text = path == "norva" ? "Commands:\n" : "";
    const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
    if (commands.empty() && path != "norva") {
        std::string options, positionals;
        for (const CLI::Option* option : app.get_options()) {
            if (option == app.get_help_ptr()) continue;
            const std::string name = option->get_name(false, true);
            const std::string value = option->get_type_name();
            if (option->nonpositional()) {
                const std::string word = name.substr(name.rfind(',') + 1);
                const std::string part = word + (value.empty() ? "" : " " + value);
                options += option->get_required() ? " " + part : " [" + part + "]";
            } else {
                positionals += option->get_required() ? " " + name : " [" + name + "]";
            }
        }
        return "  " + path + options + positionals + "\n";
    }
    for (const CLI::App* command : commands)
        text += Synopses(*command, path + " " + command->get_name());
    return text;
}

// The commands as CLI11 subcommands, each filling the one CommandLine. The values are checked
// after parsing, so that every refusal reads the same way.
class Parser {
  public:
    explicit Parser(CommandLine& line)
        : line_(line),
          app_(
              "Ground support for the NORVA engine "
              "control unit: the main window, or "
              "one command without windows.",
              "norva") {
        app_.fallthrough();  // the global options may come after the command too
        app_.require_subcommand(0, 1);
        app_.set_help_flag("-h,--help", "print this help, or a command's with COMMAND --help");
        app_.add_flag("--version", version_, "print the program's version");
        app_.add_option("--device", device_, kDeviceHelp)->type_name("SPEC");
        app_.add_option("--config", line_.config, "settings file instead of the user's norva10.ini")
            ->type_name("FILE");
        app_.add_option("--logbook", line_.logbook,
                        "the engine logbook's database instead of the user's logbook.sqlite")
            ->type_name("FILE");
        app_.add_option("--unit-wait", unitWait_,
                        "how long a command looks for the unit (10 s unless given)")
            ->type_name("SECONDS");
        app_.add_option("--screenshot", line_.screenshot,
                        "open the main window, wait for the unit's configuration (at most "
                        "15 s), save a picture of the window and exit")
            ->type_name("PNG");
        app_.footer(exitstatus::Table());  // every command's help ends with the table
        addCommands();
        app_.footer(Synopses(app_) + "\n" + exitstatus::Table());
    }

    CLI::App& app() { return app_; }
    bool version() const { return version_; }

    // The checks CLI11 cannot make, with the command chosen.
    void check() {
        if (!device_.empty()) {
            std::string error;
            auto choice = ParseDevice(device_, error);
            if (!choice) throw UsageError{error};
            line_.device = *choice;
            line_.deviceGiven = true;
        }
        if (!unitWait_.empty()) {
            const auto seconds = ParseNumber(unitWait_);
            if (!seconds || !(*seconds > 0) || *seconds > 3600)
                throw UsageError{"--unit-wait takes seconds from more than 0 to 3600, not '" +
                                 unitWait_ + "'"};
            line_.unitWaitSeconds = *seconds;
        }
        const Command c = line_.command;
        if (c != Command::Window && !line_.screenshot.empty())
            throw UsageError{"--screenshot is for the main window only"};
        if (!line_.summaryImage.empty() && line_.deviceGiven)
            throw UsageError{"summary --image reads a file, not a unit: leave out --device"};
        const bool fileOnly = c == Command::RampsShow || c == Command::TimeChart ||
                              c == Command::RunLogConvert || c == Command::RunLogRuns ||
                              c == Command::ChartPrint || c == Command::ChartShow ||
                              c == Command::LogbookEngines || c == Command::LogbookRuns ||
                              c == Command::LogbookImport || c == Command::LogbookReport ||
                              c == Command::LogbookService || c == Command::LogbookVacuum;
        if (fileOnly && line_.deviceGiven)
            throw UsageError{"this command reads files, not a unit: leave out --device"};
        if (c == Command::TimeChart && line_.png.empty() == line_.pdf.empty())
            throw UsageError{"timechart needs --png OUT.png or --pdf OUT.pdf"};
        if (c == Command::Diff && !line_.out.empty() && line_.deviceGiven)
            throw UsageError{"diff of two files reads no unit: leave out --device"};
        if (c == Command::Diff && line_.out.empty() && line_.downward)
            throw UsageError{"--downward is for two files; the unit says its own kind"};
        if (!from_.empty()) line_.from = minutes("--from", from_);
        if (!to_.empty()) line_.to = minutes("--to", to_);
        const auto whole = [](const char* option, const std::string& text, const char* what) {
            double number = 0;
            if (!ToPositive(text, number) || number != std::floor(number) || number > 1e6)
                throw UsageError{std::string(option) + " needs " + what +
                                 ", a whole number, not '" + text + "'"};
            return static_cast<int>(number);
        };
        if (!idle_.empty()) line_.idle = whole("--idle", idle_, "a speed in RPM");
        if (!fullSpeed_.empty())
            line_.fullSpeed = whole("--full-speed", fullSpeed_, "a speed in RPM");
        if (!maxEgt_.empty()) line_.maxEgt = whole("--max-egt", maxEgt_, "a temperature in C");
        if (!reports_.empty() && !seconds_.empty())
            throw UsageError{"give either --reports or --seconds, not both"};
        if (!reports_.empty()) {
            double number = 0;
            if (!ToPositive(reports_, number) || number != std::floor(number))
                throw UsageError{"--reports needs a positive whole number, not '" + reports_ + "'"};
            line_.monitorOptions.reports = static_cast<long long>(number);
        }
        if (!seconds_.empty()) {
            double number = 0;
            if (!ToPositive(seconds_, number))
                throw UsageError{"--seconds needs a positive number, not '" + seconds_ + "'"};
            (c == Command::Monitor ? line_.monitorOptions.seconds : line_.seconds) = number;
        }
    }

  private:
    static double minutes(const char* name, const std::string& text) {
        const auto value = ParseNumber(text);
        if (!value)
            throw UsageError{std::string(name) + " needs a number of minutes, not '" + text + "'"};
        return *value;
    }

    // A command: `parent command`, choosing `command` when it is given.
    CLI::App* add(CLI::App* parent, const char* name, const char* help, Command command) {
        CLI::App* sub = parent->add_subcommand(name, help);
        sub->parse_complete_callback([this, command] { line_.command = command; });
        return sub;
    }
    CLI::App* group(const char* name, const char* help) {
        CLI::App* sub = app_.add_subcommand(name, help);
        sub->require_subcommand(1);
        return sub;
    }
    void file(CLI::App* sub, const char* name, const char* help) {
        sub->add_option(name, line_.file, help)->required()->type_name("");
    }
    void engineOption(CLI::App* sub, const char* help) {
        sub->add_option("--engine", line_.engine, help)->type_name("NAME");
    }
    void noBackup(CLI::App* sub) { sub->add_flag("--no-backup", noBackup_, kNoBackupHelp); }
    void dryRun(CLI::App* sub) {
        sub->add_flag("--dry-run", line_.dryRun,
                      "list what the write would change in the unit (on standard output), "
                      "send nothing");
    }
    void writeFlags(CLI::App* sub) {
        noBackup(sub);
        dryRun(sub);
    }
    void withCounters(CLI::App* sub) {
        sub->add_flag("--with-counters", line_.withCounters,
                      "also write the file's engine counters (cycle count, total time): only to "
                      "restore this unit's own backup");
    }

    void addCommands() {
        CLI::App* monitor =
            add(&app_, "monitor", "print one line per report from the unit, without windows",
                Command::Monitor);
        monitor->add_option("--reports", reports_, "stop after N lines")->type_name("N");
        monitor->add_option("--seconds", seconds_, "stop after S seconds")->type_name("S");
        monitor->add_flag("--csv", line_.monitorOptions.csv,
                          "comma-separated values with a header line");

        CLI::App* summary = add(&app_, "summary",
                                "wait for the unit's configuration (at most 30 s) and print the "
                                "parameter summary, frame by frame",
                                Command::Summary);
        summary
            ->add_option("--image", line_.summaryImage, "summarise a clone file instead of a unit")
            ->type_name("FILE.nvc");

        CLI::App* clone = group("clone", "the unit's whole configuration (addresses 16..255)");
        file(
            add(clone, "save", "save the unit's configuration to a clone file", Command::CloneSave),
            "FILE.nvc", "the clone file to write");
        CLI::App* cloneWrite =
            add(clone, "write", "write a clone file into the unit", Command::CloneWrite);
        file(cloneWrite, "FILE.nvc", "the clone file to read");
        writeFlags(cloneWrite);
        withCounters(cloneWrite);

        CLI::App* params = group("params", "the unit's 71 parameters");
        file(add(params, "save", "save the unit's parameters to a file", Command::ParamsSave),
             "FILE.nrv", "the parameter file to write");
        CLI::App* paramsWrite =
            add(params, "write", "write a parameter file into the unit", Command::ParamsWrite);
        file(paramsWrite, "FILE.nrv", "the parameter file to read");
        writeFlags(paramsWrite);

        CLI::App* serial =
            add(&app_, "serial", "set the engine serial number (downward units)", Command::Serial);
        file(serial, "N", "the serial number, 0 to 65535");
        writeFlags(serial);

        CLI::App* timers = group("timers", "clear the unit's timers (downward units)");
        writeFlags(add(timers, "clear-all",
                       "clear every timer, the cycle count and the engine time",
                       Command::TimersClearAll));
        writeFlags(
            add(timers, "clear-service", "clear the service timer", Command::TimersClearService));

        CLI::App* factory = group("factory", "the factory's commands");
        CLI::App* maxRpm =
            add(factory, "max-rpm", "set the maximum authorized speed", Command::FactoryMaxRpm);
        file(maxRpm, "N", "thousands of RPM, 0 to 255");
        writeFlags(maxRpm);
        CLI::App* menus =
            add(factory, "menus", "set the terminal's menu access", Command::FactoryMenus);
        menus->add_option("ACCESS", line_.file, "restricted or full")
            ->required()
            ->check(CLI::IsMember({"restricted", "full"}));
        writeFlags(menus);
        CLI::App* startMode =
            add(factory, "start-mode", "set the start mode", Command::FactoryStartMode);
        startMode->add_option("MODE", line_.file, "manual, gas or kero")
            ->required()
            ->check(CLI::IsMember({"manual", "gas", "kero"}));
        writeFlags(startMode);
        CLI::App* calTemp =
            add(factory, "cal-temp", "calibrate the temperature at the ambient given",
                Command::FactoryCalTemp);
        calTemp->add_option("AMBIENT", line_.file,
                            "the ambient temperature in C (22 unless given)");
        noBackup(calTemp);
        CLI::App* fastSetup =
            add(factory, "fast-setup", "write a clone file into the unit, then calibrate",
                Command::FactoryFastSetup);
        file(fastSetup, "FILE.nvc", "the clone file to read");
        writeFlags(fastSetup);
        withCounters(fastSetup);
        noBackup(add(factory, "hardware-test", "run the hardware test and print its result",
                     Command::FactoryHardwareTest));

        CLI::App* ramps = group("ramps", "the acceleration and deceleration ramps");
        file(add(ramps, "read", "save the unit's ramps to a file", Command::RampsRead), "FILE.rmp",
             "the ramp file to write");
        CLI::App* rampsWrite = add(ramps, "write",
                                   "write a ramp file into the unit, checked "
                                   "afterwards",
                                   Command::RampsWrite);
        file(rampsWrite, "FILE.rmp", "the ramp file to read");
        writeFlags(rampsWrite);
        CLI::App* rampsShow = add(ramps, "show",
                                  "print a ramp file's table with its relative speeds, without "
                                  "a unit",
                                  Command::RampsShow);
        file(rampsShow, "FILE.rmp", "the ramp file to read");
        rampsShow->add_option("--png", line_.png, "and its chart as a picture")
            ->type_name("OUT.png");

        CLI::App* download = add(&app_, "download",
                                 "the unit's run log (the last 51 minutes) to a text file, with "
                                 "its configuration at the end; kept in the engine logbook too",
                                 Command::Download);
        file(download, "OUT.txt", "the export file to write");
        engineOption(download,
                     "the logbook's engine (the unit's own when known, else one named "
                     "with its welcome text)");

        CLI::App* timechart =
            add(&app_, "timechart", "draw an exported run log as a picture or a PDF page",
                Command::TimeChart);
        file(timechart, "FILE.txt", "the export file to read");
        timechart->add_option("--png", line_.png, "the chart as a picture")->type_name("OUT.png");
        timechart->add_option("--pdf", line_.pdf, "the chart as a PDF page")->type_name("OUT.pdf");
        timechart->add_option("--from", from_, "the first minute drawn (0 unless given)")
            ->type_name("MIN");
        timechart->add_option("--to", to_, "the last minute drawn (51.2 unless given)")
            ->type_name("MIN");

        CLI::App* runlog = group("runlog", "run logs");
        CLI::App* convert = add(runlog, "convert",
                                "a raw run log (one byte a line) to an export "
                                "file",
                                Command::RunLogConvert);
        file(convert, "RAW", "the raw run log to read");
        convert->add_option("OUT.txt", line_.out, "the export file to write")->required();
        CLI::App* runs = add(runlog, "runs",
                             "the engine runs of an export file, one line each: cycle, start "
                             "minute, seconds, time to idle, peak start EGT, largest RPM and "
                             "EGT, mean pump at or above idle",
                             Command::RunLogRuns);
        file(runs, "FILE.txt", "the export file to read");
        runs->add_option("--idle", idle_,
                         "the idle speed, for a file without the unit's "
                         "configuration")
            ->type_name("RPM");
        runs->add_flag("--csv", line_.csv, "comma-separated values with a header line");

        CLI::App* logbook = group("logbook", "the engine logbook: every download kept per engine");
        add(logbook, "engines", "one line per engine: name, runs, minutes of running, flagged runs",
            Command::LogbookEngines)
            ->add_flag("--csv", line_.csv, "comma-separated values with a header line");
        CLI::App* logbookRuns = add(logbook, "runs",
                                    "an engine's runs in time order: the download's date and "
                                    "file, the values of runlog runs, and the run's flag",
                                    Command::LogbookRuns);
        logbookRuns->add_option("ENGINE", line_.engine, "the engine's name")->required();
        logbookRuns->add_flag("--csv", line_.csv, "comma-separated values with a header line");
        CLI::App* logbookImport = add(logbook, "import",
                                      "add export files made before (a file already there adds "
                                      "nothing)",
                                      Command::LogbookImport);
        logbookImport->add_option("FILE.txt", line_.files, "the export files to read")->required();
        engineOption(logbookImport,
                     "the engine they belong to (else the one their welcome text "
                     "is known as, or a new one named with it)");
        logbookImport
            ->add_option("--idle", idle_,
                         "the unit's idle speed, for files without the unit's "
                         "configuration (kept for the engine; its runs measured again)")
            ->type_name("RPM");
        logbookImport
            ->add_option("--full-speed", fullSpeed_,
                         "the unit's full speed, kept for the engine likewise")
            ->type_name("RPM");
        logbookImport
            ->add_option("--max-egt", maxEgt_,
                         "the unit's maximum EGT, kept for the engine likewise")
            ->type_name("C");
        CLI::App* service = add(logbook, "service",
                                "record a service of the engine: its baseline and time since "
                                "service start again",
                                Command::LogbookService);
        service->add_option("ENGINE", line_.engine, "the engine's name")->required();
        service->add_option("--note", line_.note, "what was done")->type_name("TEXT");
        add(logbook, "vacuum",
            "free the space of kept downloads the logbook holds (it makes them again when one is "
            "opened) and of older ones, and compact the logbook; says what it freed",
            Command::LogbookVacuum);
        CLI::App* report =
            add(logbook, "report", "an engine's report as a PDF page", Command::LogbookReport);
        report->add_option("ENGINE", line_.engine, "the engine's name")->required();
        report->add_option("--pdf", line_.pdf, "the page to write")
            ->required()
            ->type_name("OUT.pdf");

        CLI::App* chart = group("chart", "the performance chart");
        CLI::App* print =
            add(chart, "print", "a measure file's printed page, as a PDF", Command::ChartPrint);
        file(print, "FILE.nvm", "the measure file to read");
        print->add_option("--pdf", line_.pdf, "the page to write")
            ->required()
            ->type_name("OUT.pdf");
        CLI::App* show = add(chart, "show", "a measure file drawn on the chart, as a picture",
                             Command::ChartShow);
        file(show, "FILE.nvm", "the measure file to read");
        show->add_option("--png", line_.png, "the picture to write")
            ->required()
            ->type_name("OUT.png");
        CLI::App* record = add(chart, "record",
                               "record the chart's points while the engine is hot (above "
                               "100 C), as the chart window does, until Ctrl-C",
                               Command::ChartRecord);
        file(record, "OUT.nvm", "the measure file to write");
        record->add_option("--seconds", seconds_, "or for S seconds")->type_name("S");

        CLI::App* diff = add(&app_, "diff",
                             "what differs between two clone files, or between the unit and a "
                             "clone file, one line a setting",
                             Command::Diff);
        file(diff, "A.nvc", "a clone file");
        diff->add_option("B.nvc", line_.out, "a second clone file; the unit when left out");
        diff->add_flag("--downward", line_.downward, "the files come from a downward unit");
    }

    CommandLine& line_;
    CLI::App app_;
    bool version_ = false;
    bool noBackup_ = false;
    std::string device_, unitWait_, from_, to_, idle_, fullSpeed_, maxEgt_, reports_, seconds_;

  public:
    bool noBackup() const { return noBackup_; }
};

// The deepest command given, and its words: "norva clone write".
CLI::App* Deepest(CLI::App& app) {
    CLI::App* sub = &app;
    while (!sub->get_subcommands().empty()) sub = sub->get_subcommands().front();
    return sub;
}
std::string CommandPath(CLI::App* app) {
    return app->get_parent() ? CommandPath(app->get_parent()) + " " + app->get_name()
                             : app->get_name();
}

// "timers needs clear-all or clear-service", for a group given without its command.
std::string MissingCommand(CLI::App* group) {
    const auto commands = group->get_subcommands([](CLI::App*) { return true; });
    std::string choices;
    for (size_t i = 0; i < commands.size(); ++i) {
        if (i > 0) choices += i + 1 == commands.size() ? " or " : ", ";
        choices += commands[i]->get_name();
    }
    return CommandPath(group).substr(std::string("norva ").size()) + " needs " + choices;
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
        case Command::FactoryMaxRpm:
        case Command::FactoryMenus:
        case Command::FactoryStartMode:
        case Command::FactoryCalTemp:
        case Command::FactoryHardwareTest:
            return true;
        default:
            return false;
    }
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args,
                                   const std::string& version) {
    CommandLine line;
    Parser parser(line);
    ParsedCommandLine parsed;
    const auto usage = [&](const std::string& what) {
        // One line that says what is wrong, not the whole usage under it.
        parsed.exitStatus = exitstatus::kUsage;
        parsed.err =
            "norva: " + what + "\nTry '" + CommandPath(Deepest(parser.app())) + " --help'.\n";
        return parsed;
    };
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops the back
        parser.app().parse(reversed);
        if (parser.version()) {
            parsed.out = "norva " + version + "\n";
            return parsed;
        }
        parser.check();
    } catch (const CLI::CallForHelp&) {
        parsed.out = parser.app().help();
        return parsed;
    } catch (const CLI::ParseError& e) {
        CLI::App* deepest = Deepest(parser.app());
        if (deepest->get_parent() && deepest->get_require_subcommand_min() > 0)
            return usage(MissingCommand(deepest));
        return usage(e.what());
    } catch (const UsageError& e) {
        return usage(e.what);
    }
    line.backup = !parser.noBackup();
    parsed.line = std::move(line);
    return parsed;
}

}  // namespace norva
