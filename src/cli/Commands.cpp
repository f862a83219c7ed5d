#include "cli/Commands.h"

#include <QCoreApplication>

#include "base/NumberText.h"
#include "base/Settings.h"
#include "cli/CommandOptions.h"
#include "cli/FileCommands.h"
#include "cli/LogbookCommands.h"
#include "cli/Monitor.h"
#include "cli/Program.h"
#include "cli/SummaryCommand.h"
#include "config/CloneFile.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "factory/FactoryCommands.h"
#include "logbook/LogDownload.h"
#include "logbook/Logbook.h"
#include "ramps/Ramps.h"
#include "runlog/Download.h"
#include "runlog/Library.h"

namespace norva {

bool Always(const CommandLine&) {
    return true;
}
bool Never(const CommandLine&) {
    return false;
}

namespace {

Config SettingsOf(const CommandLine& line) {
    return ReadConfig(line.config.empty() ? DefaultConfigPath()
                                          : QString::fromStdString(line.config));
}
// --logbook, else the settings' [Logbook] Url, else the user's own file.
QString LogbookOf(const CommandLine& line) {
    if (!line.logbook.empty()) return QString::fromStdString(line.logbook);
    const std::string url = SettingsOf(line).LogbookUrl;
    return url.empty() ? DefaultLogbookPath() : QString::fromStdString(url);
}
StartMode ModeNamed(const std::string& name) {
    if (name == "gas") return StartMode::Gas;
    if (name == "kero") return StartMode::Kero;
    return StartMode::Manual;
}

using Options = CommandOptions;
using App = CLI::App;

// The table's texts are marked for the translators here and translated where the parser shows
// them; its refusals are translated as they are made.
class CommandTable {
    Q_DECLARE_TR_FUNCTIONS(norva::CommandLine)

  public:
    static const CommandEntry kEntries[];
};

const CommandEntry CommandTable::kEntries[] = {
    {.words = "monitor",
     .help = QT_TR_NOOP("print one line per report from the unit, without windows"),
     .define =
         [](Options& o, App& c) {
             c.add_option("--reports", o.reports, QT_TR_NOOP("stop after N lines"))->type_name("N");
             c.add_option("--seconds", o.seconds, QT_TR_NOOP("stop after S seconds"))
                 ->type_name("S");
             c.add_flag("--csv", o.line.monitorOptions.csv,
                        QT_TR_NOOP("comma-separated values with a header line"));
         },
     .usesUnit = Always,
     .run =
         [](Program* p, const CommandLine& l) {
             MonitorOptions options = l.monitorOptions;
             options.seconds = l.seconds;
             options.unitWaitSeconds = l.unitWaitSeconds;
             Monitor monitor(p->link(), options, stdout, stderr);
             return monitor.run();
         }},
    {.words = "summary",
     .help = QT_TR_NOOP(
         "wait for the unit's configuration (at most 30 s) and print the parameter summary, "
         "frame by frame"),
     .define =
         [](Options& o, App& c) {
             o.files(c.add_option("--image", o.line.summaryImage,
                                  QT_TR_NOOP("summarise a clone file instead of a unit")))
                 ->type_name("FILE.nvc");
         },
     .usesUnit = [](const CommandLine& l) { return l.summaryImage.empty(); },
     .check =
         [](const CommandLine& l) {
             if (!l.summaryImage.empty() && l.deviceGiven)
                 throw UsageError{
                     tr("summary --image reads a file, not a unit: leave out --device")};
         },
     .run =
         [](Program* p, const CommandLine& l) {
             if (!p) return PrintCloneSummary(l.summaryImage, stdout, stderr);
             return RunSummary(p->link(), stdout, stderr, kSummaryTimeoutMs,
                               static_cast<int>(l.unitWaitSeconds * 1000));
         }},

    {.words = "clone", .help = QT_TR_NOOP("the unit's whole configuration (addresses 16..255)")},
    {.words = "clone save",
     .help = QT_TR_NOOP("save the unit's configuration to a clone file"),
     .define = [](Options& o,
                  App& c) { o.file(&c, "FILE.nvc", QT_TR_NOOP("the clone file to write")); },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return SaveCloneFile(o.services); },
     .wait = UnitWait::Image,
     .answers = {.fileToSave = true},
     .fromImage = true,
     .output = &CommandLine::file},
    {.words = "clone write",
     .help = QT_TR_NOOP("write a clone file into the unit"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.nvc", QT_TR_NOOP("the clone file to read"));
             o.writeFlags(&c);
             o.withCounters(&c);
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             return WriteCloneFile(o.services, o.app.cloneHandover(), o.options);
         },
     .wait = UnitWait::Image,
     .answers = {.fileToOpen = true, .write = true}},

    {.words = "params", .help = QT_TR_NOOP("the unit's 71 parameters")},
    {.words = "params save",
     .help = QT_TR_NOOP("save the unit's parameters to a file"),
     .define = [](Options& o,
                  App& c) { o.file(&c, "FILE.nrv", QT_TR_NOOP("the parameter file to write")); },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return SaveParameterFile(o.services); },
     .answers = {.fileToSave = true},
     .output = &CommandLine::file},
    {.words = "params write",
     .help = QT_TR_NOOP("write a parameter file into the unit"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.nrv", QT_TR_NOOP("the parameter file to read"));
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return WriteParameterFile(o.services, o.options); },
     .wait = UnitWait::Image,
     .answers = {.fileToOpen = true, .write = true}},

    {.words = "serial",
     .help = QT_TR_NOOP("set the engine serial number (downward units)"),
     .define =
         [](Options& o, App& c) {
             o.argument(&c, "N", QT_TR_NOOP("the serial number, 0 to 65535"));
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return SetSerialNumber(o.services, o.options); },
     .wait = UnitWait::Image,
     .answers = {.number = true, .write = true}},

    {.words = "timers", .help = QT_TR_NOOP("clear the unit's timers (downward units)")},
    {.words = "timers clear-all",
     .help = QT_TR_NOOP("clear every timer, the cycle count and the engine time"),
     .define = [](Options& o, App& c) { o.writeFlags(&c); },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return ClearAllTimers(o.services, o.options); },
     .wait = UnitWait::Image,
     .answers = {.write = true}},
    {.words = "timers clear-service",
     .help = QT_TR_NOOP("clear the service timer"),
     .define = [](Options& o, App& c) { o.writeFlags(&c); },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return ClearServiceTimer(o.services, o.options); },
     .wait = UnitWait::Image,
     .answers = {.write = true}},

    {.words = "factory", .help = QT_TR_NOOP("the factory's commands")},
    {.words = "factory max-rpm",
     .help = QT_TR_NOOP("set the maximum authorized speed"),
     .define =
         [](Options& o, App& c) {
             o.argument(&c, "N", QT_TR_NOOP("thousands of RPM, 0 to 255"));
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return SetMaxSpeed(o.services, o.options); },
     .wait = UnitWait::Image,
     .answers = {.number = true, .write = true}},
    {.words = "factory menus",
     .help = QT_TR_NOOP("set the terminal's menu access"),
     .define =
         [](Options& o, App& c) {
             o.argument(&c, "ACCESS", QT_TR_NOOP("restricted or full"))
                 ->check(CLI::IsMember({"restricted", "full"}))
                 ->type_name("TEXT");
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             return WriteCell(o.services, MenuAccessAddress(o.app.link().BackupDownward),
                              o.line.file == "full" ? kFullMenus : kRestrictedMenus, o.options);
         },
     .wait = UnitWait::Image,
     .answers = {.write = true}},
    {.words = "factory start-mode",
     .help = QT_TR_NOOP("set the start mode"),
     .define =
         [](Options& o, App& c) {
             o.argument(&c, "MODE", QT_TR_NOOP("manual, gas or kero"))
                 ->check(CLI::IsMember({"manual", "gas", "kero"}))
                 ->type_name("TEXT");
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             return WriteCell(o.services, kStartModeAddress,
                              static_cast<uint8_t>(ModeNamed(o.line.file)), o.options);
         },
     .wait = UnitWait::Image,
     .answers = {.write = true}},
    {.words = "factory cal-temp",
     .help = QT_TR_NOOP("calibrate the temperature at the ambient given"),
     .define =
         [](Options& o, App& c) {
             c.add_option("AMBIENT", o.line.file,
                          QT_TR_NOOP("the ambient temperature in C (22 unless given)"));
             o.noBackupFlag(&c);
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             const QString ambient = o.file.isEmpty() ? QStringLiteral("22") : o.file;
             return CalibrateTemperature(o.services, ambient, o.options);
         },
     .wait = UnitWait::Image,
     .badEntry =
         [](const CommandLine& l) {
             if (l.file.empty() || ParseNumber(l.file)) return std::string();
             return tr("cal-temp needs the ambient temperature in C, not '%1'")
                 .arg(QString::fromStdString(l.file))
                 .toStdString();
         }},
    {.words = "factory fast-setup",
     .help = QT_TR_NOOP("write a clone file into the unit, then calibrate"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.nvc", QT_TR_NOOP("the clone file to read"));
             o.writeFlags(&c);
             o.withCounters(&c);
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             return FastSetup(o.services, o.file, QStringLiteral("22"), o.options);
         },
     .wait = UnitWait::Image,
     .answers = {.write = true}},
    {.words = "factory hardware-test",
     .help = QT_TR_NOOP("run the hardware test and print its result"),
     .define = [](Options& o, App& c) { o.noBackupFlag(&c); },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             return HardwareTest(o.services, o.app.settings(), o.result, o.options);
         },
     .wait = UnitWait::Image},

    {.words = "ramps", .help = QT_TR_NOOP("the acceleration and deceleration ramps")},
    {.words = "ramps read",
     .help = QT_TR_NOOP("save the unit's ramps to a file"),
     .define = [](Options& o,
                  App& c) { o.file(&c, "FILE.rmp", QT_TR_NOOP("the ramp file to write")); },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return SaveRampsFromImage(o.services, o.file); },
     .wait = UnitWait::Image,
     .fromImage = true,
     .output = &CommandLine::file},
    {.words = "ramps write",
     .help = QT_TR_NOOP("write a ramp file into the unit, checked afterwards"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.rmp", QT_TR_NOOP("the ramp file to read"));
             o.writeFlags(&c);
         },
     .usesUnit = Always,
     .operation = [](OperationStart o) { return WriteRampFile(o.services, o.file, o.options); },
     .wait = UnitWait::Image,
     .answers = {.write = true}},
    {.words = "ramps show",
     .help = QT_TR_NOOP("print a ramp file's table with its relative speeds, without a unit"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.rmp", QT_TR_NOOP("the ramp file to read"));
             o.files(c.add_option("--png", o.line.png, QT_TR_NOOP("and its chart as a picture")))
                 ->type_name("OUT.png");
         },
     .draws = true,
     .run = [](Program*,
               const CommandLine& l) { return ShowRampFile(l.file, l.png, stdout, stderr); }},

    {.words = "download",
     .help = QT_TR_NOOP(
         "the unit's run log (the last 51 minutes) to a text file, with its configuration at "
         "the end; kept in the engine logbook too"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "OUT.txt", QT_TR_NOOP("the export file to write"));
             o.engine(
                 &c,
                 QT_TR_NOOP("the logbook's engine (the unit's own when known, else one named with "
                            "its welcome text)"));
         },
     .usesUnit = Always,
     .operation =
         [](OperationStart o) {
             DownloadOptions options;
             options.needsImage = true;
             options.kept = LogbookKeeper(
                 {o.app.logbookPath(), o.app.engineName(), false, o.app.settings().KeepDays});
             return DownloadRunLog(o.services, options);
         },
     .wait = UnitWait::Image,  // the export's trailer
     .answers = {.fileToSave = true},
     .output = &CommandLine::file},

    {.words = "timechart",
     .help = QT_TR_NOOP("draw an exported run log as a picture or a PDF page"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.txt", QT_TR_NOOP("the export file to read"));
             o.files(c.add_option("--png", o.line.png, QT_TR_NOOP("the chart as a picture")))
                 ->type_name("OUT.png");
             o.files(c.add_option("--pdf", o.line.pdf, QT_TR_NOOP("the chart as a PDF page")))
                 ->type_name("OUT.pdf");
             c.add_option("--from", o.from, QT_TR_NOOP("the first minute drawn (0 unless given)"))
                 ->type_name("MIN");
             c.add_option("--to", o.to, QT_TR_NOOP("the last minute drawn (51.2 unless given)"))
                 ->type_name("MIN");
             c.add_option("--overlay", o.line.overlay,
                          QT_TR_NOOP("another export's run of that cycle, dotted over the chart "
                                     "from the first run drawn"))
                 ->type_name("FILE.txt:CYCLE");
         },
     .check =
         [](const CommandLine& l) {
             if (l.png.empty() == l.pdf.empty())
                 throw UsageError{tr("timechart needs --png OUT.png or --pdf OUT.pdf")};
             const auto colon = l.overlay.rfind(':');
             if (!l.overlay.empty() && (colon == std::string::npos || colon == 0 ||
                                        !ParseNumber(l.overlay.substr(colon + 1))))
                 throw UsageError{tr("--overlay takes FILE.txt:CYCLE, not '%1'")
                                      .arg(QString::fromStdString(l.overlay))};
         },
     .draws = true,
     .run =
         [](Program*, const CommandLine& l) {
             return DrawTimeChartFile(l.file, l.png, l.pdf, l.from, l.to, l.overlay, stderr);
         }},

    {.words = "runlog", .help = QT_TR_NOOP("run logs")},
    {.words = "runlog convert",
     .help = QT_TR_NOOP("a raw run log (one byte a line) to an export file"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "RAW", QT_TR_NOOP("the raw run log to read"));
             o.files(c.add_option("OUT.txt", o.line.out, QT_TR_NOOP("the export file to write"))
                         ->required());
         },
     .run = [](Program*, const CommandLine& l) { return ConvertRawLog(l.file, l.out, stderr); }},
    {.words = "runlog runs",
     .help = QT_TR_NOOP(
         "the engine runs of an export file, one line each: cycle, start minute, seconds, "
         "time to idle, peak start EGT, largest RPM and EGT, mean pump at or above idle"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.txt", QT_TR_NOOP("the export file to read"));
             c.add_option("--idle", o.idle,
                          QT_TR_NOOP("the idle speed, for a file without the unit's configuration"))
                 ->type_name("RPM");
             o.csv(&c);
         },
     .run = [](Program*,
               const CommandLine& l) { return PrintRuns(l.file, l.idle, l.csv, stdout, stderr); }},
    {.words = "runlog stats",
     .help = QT_TR_NOOP(
         "speed, EGT, stick and pump of an export file at two minutes, their difference, and "
         "the minimum, maximum and mean between them"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.txt", QT_TR_NOOP("the export file to read"));
             c.add_option("--from", o.from, QT_TR_NOOP("the first minute, A (0 unless given)"))
                 ->type_name("MIN");
             c.add_option("--to", o.to, QT_TR_NOOP("the second minute, B (51.2 unless given)"))
                 ->type_name("MIN");
             o.csv(&c);
         },
     .run =
         [](Program*, const CommandLine& l) {
             return PrintSpanStats(l.file, l.from, l.to, l.csv, stdout, stderr);
         }},

    {.words = "logbook", .help = QT_TR_NOOP("the engine logbook: every download kept per engine")},
    {.words = "logbook engines",
     .help = QT_TR_NOOP("one line per engine: name, runs, minutes of running, flagged runs"),
     .define = [](Options& o, App& c) { o.csv(&c); },
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookEngines(LogbookOf(l), l.csv, stdout, stderr);
         }},
    {.words = "logbook runs",
     .help = QT_TR_NOOP(
         "an engine's runs in time order: the download's date and file, the values of runlog "
         "runs, and the run's flag"),
     .define =
         [](Options& o, App& c) {
             c.add_option("ENGINE", o.line.engine, QT_TR_NOOP("the engine's name"))->required();
             o.csv(&c);
         },
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookRuns(LogbookOf(l), l.engine, l.csv, stdout, stderr);
         }},
    {.words = "logbook import",
     .help = QT_TR_NOOP("add export files made before (a file already there adds nothing)"),
     .define =
         [](Options& o, App& c) {
             o.files(c.add_option("FILE.txt", o.line.files, QT_TR_NOOP("the export files to read"))
                         ->required());
             o.engine(&c,
                      QT_TR_NOOP(
                          "the engine they belong to (else the one their welcome text is known as, "
                          "or a new one named with it)"));
             c.add_option(
                  "--idle", o.idle,
                  QT_TR_NOOP("the unit's idle speed, for files without the unit's configuration "
                             "(kept for the engine; its runs measured again)"))
                 ->type_name("RPM");
             c.add_option("--full-speed", o.fullSpeed,
                          QT_TR_NOOP("the unit's full speed, kept for the engine likewise"))
                 ->type_name("RPM");
             c.add_option("--max-egt", o.maxEgt,
                          QT_TR_NOOP("the unit's maximum EGT, kept for the engine likewise"))
                 ->type_name("C");
         },
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookImport(LogbookOf(l), l.files, l.engine,
                                  {.idleRpm = l.idle, .fullRpm = l.fullSpeed, .maxEgtC = l.maxEgt},
                                  stdout, stderr);
         }},
    {.words = "logbook service",
     .help = QT_TR_NOOP(
         "record a service of the engine: its baseline and time since service start again"),
     .define =
         [](Options& o, App& c) {
             c.add_option("ENGINE", o.line.engine, QT_TR_NOOP("the engine's name"))->required();
             c.add_option("--note", o.line.note, QT_TR_NOOP("what was done"))->type_name("TEXT");
         },
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookService(LogbookOf(l), l.engine, l.note, stdout, stderr);
         }},
    {.words = "logbook vacuum",
     .help = QT_TR_NOOP(
         "free the space of kept downloads the logbook holds (it makes them again when one is "
         "opened) and of older ones, and compact the logbook; says what it freed"),
     .define = [](Options&, App&) {},
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookVacuum(LogbookOf(l), DefaultLibraryFolder(), SettingsOf(l).KeepDays,
                                  stdout, stderr);
         }},
    {.words = "logbook copy",
     .help = QT_TR_NOOP("copy this logbook to another, or another into it, as a shop moves its "
                        "logbook to a server: what the other holds already is not copied again"),
     .define =
         [](Options& o, App& c) {
             c.add_option("--to", o.line.copyTo,
                          QT_TR_NOOP("the logbook to copy into: a file or "
                                     "postgresql://USER@HOST[:PORT]/DB"))
                 ->type_name("LOGBOOK");
             c.add_option("--from", o.line.copyFrom,
                          QT_TR_NOOP("the logbook to copy from, into this one"))
                 ->type_name("LOGBOOK");
         },
     .check =
         [](const CommandLine& l) {
             if (l.copyTo.empty() == l.copyFrom.empty())
                 throw UsageError{tr("logbook copy needs --to LOGBOOK or --from LOGBOOK")};
         },
     .run =
         [](Program*, const CommandLine& l) {
             const QString here = LogbookOf(l);
             return l.copyTo.empty()
                        ? LogbookCopy(QString::fromStdString(l.copyFrom), here, stdout, stderr)
                        : LogbookCopy(here, QString::fromStdString(l.copyTo), stdout, stderr);
         }},
    {.words = "logbook report",
     .help = QT_TR_NOOP("an engine's report as a PDF page"),
     .define =
         [](Options& o, App& c) {
             c.add_option("ENGINE", o.line.engine, QT_TR_NOOP("the engine's name"))->required();
             o.files(c.add_option("--pdf", o.line.pdf, QT_TR_NOOP("the page to write"))->required())
                 ->type_name("OUT.pdf");
         },
     .draws = true,
     .run =
         [](Program*, const CommandLine& l) {
             return LogbookReport(LogbookOf(l), l.engine, l.pdf, stderr);
         }},

    {.words = "chart", .help = QT_TR_NOOP("the performance chart")},
    {.words = "chart print",
     .help = QT_TR_NOOP("a measure file's printed page, as a PDF"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.nvm", QT_TR_NOOP("the measure file to read"));
             o.files(c.add_option("--pdf", o.line.pdf, QT_TR_NOOP("the page to write"))->required())
                 ->type_name("OUT.pdf");
         },
     .draws = true,
     .run = [](Program*, const CommandLine& l) { return PrintMeasureFile(l.file, l.pdf, stderr); }},
    {.words = "chart show",
     .help = QT_TR_NOOP("a measure file drawn on the chart, as a picture"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "FILE.nvm", QT_TR_NOOP("the measure file to read"));
             o.files(
                  c.add_option("--png", o.line.png, QT_TR_NOOP("the picture to write"))->required())
                 ->type_name("OUT.png");
         },
     .draws = true,
     .run =
         [](Program*, const CommandLine& l) {
             // The unit type of the settings chooses the x axis, as in the window.
             return ShowMeasureFile(l.file, l.png, SettingsOf(l).NorvaType == "P", stderr);
         }},
    {.words = "chart record",
     .help =
         QT_TR_NOOP("record the chart's points while the engine is hot (above 100 C), as the chart "
                    "window does, until Ctrl-C"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "OUT.nvm", QT_TR_NOOP("the measure file to write"));
             c.add_option("--seconds", o.seconds, QT_TR_NOOP("or for S seconds"))->type_name("S");
         },
     .usesUnit = Always,
     .recordsChart = true,
     .output = &CommandLine::file},

    {.words = "diff",
     .help = QT_TR_NOOP(
         "what differs between two clone files, or between the unit and a clone file, one "
         "line a setting"),
     .define =
         [](Options& o, App& c) {
             o.file(&c, "A.nvc", QT_TR_NOOP("a clone file"));
             o.files(c.add_option("B.nvc", o.line.out,
                                  QT_TR_NOOP("a second clone file; the unit when left out")));
             c.add_flag("--downward", o.line.downward,
                        QT_TR_NOOP("the files come from a downward unit"));
         },
     .usesUnit = [](const CommandLine& l) { return l.out.empty(); },
     .check =
         [](const CommandLine& l) {
             if (!l.out.empty() && l.deviceGiven)
                 throw UsageError{tr("diff of two files reads no unit: leave out --device")};
             if (l.out.empty() && l.downward)
                 throw UsageError{tr("--downward is for two files; the unit says its own kind")};
         },
     .run =
         [](Program*, const CommandLine& l) {
             return DiffCloneFiles(l.file, l.out, l.downward, stdout, stderr);
         },
     .operation =
         [](OperationStart o) {
             return CompareWithFile(
                 o.services, [differs = o.differs](const QString&, const QStringList& lines) {
                     for (const QString& line : lines) std::printf("%s\n", qPrintable(line));
                     if (!lines.isEmpty()) differs();
                 });
         },
     .wait = UnitWait::Image,
     .answers = {.fileToOpen = true},
     .fromImage = true},
};

}  // namespace

std::span<const CommandEntry> Commands() {
    return CommandTable::kEntries;
}

}  // namespace norva
