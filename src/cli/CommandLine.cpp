#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

#include "base/HelpFormatter.h"
#include "base/NumberText.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"

namespace norva {

namespace {

bool ToPositive(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(out) && out > 0;
}

// A text of the table or of its options in the user's language. Before the application exists
// (the first parse, which only looks for a command to run) it stays as written.
std::string Translated(const std::string& english) {
    return QCoreApplication::translate("norva::CommandLine", english.c_str()).toStdString();
}

// One line a command, from what the parser knows of it: "norva clone write [--no-backup]
// [--dry-run] FILE.nvc". The command's own help says what each part means.
std::string Synopses(const CLI::App& app, const std::string& path = "norva") {
    std::string text =
        path == "norva"
            ? QCoreApplication::translate("norva::CommandLine", "Commands:").toStdString() + "\n"
            : "";
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
        // In columns as the options are, which the manual page keeps one a line too.
        std::string line = "  " + path;
        if (options.empty() && positionals.empty())
            options =
                " " +
                QCoreApplication::translate("norva::CommandLine", "(no options)").toStdString();
        line.resize(std::max(line.size() + 1, kHelpColumn - 1), ' ');
        return line + options + positionals + "\n";
    }
    for (const CLI::App* command : commands)
        text += Synopses(*command, path + " " + command->get_name());
    return text;
}

// The table's commands as CLI11 subcommands, each filling the one CommandLine. The values are
// checked after parsing, so that every refusal reads the same way.
class Parser {
    Q_DECLARE_TR_FUNCTIONS(norva::CommandLine)

  public:
    explicit Parser(CommandLine& line)
        : line_(line),
          options_(line),
          app_(tr("Ground support for the NORVA engine control unit: the main window, or one "
                  "command without windows.")
                   .toStdString(),
               "norva") {
        app_.formatter(formatter());  // the commands' too
        app_.fallthrough();           // the global options may come after the command too
        app_.require_subcommand(0, 1);
        app_.option_defaults()->group(tr("Options").toStdString());
        app_.set_help_flag("-h,--help",
                           tr("print this help, or a command's with COMMAND --help").toStdString());
        app_.add_flag("--version", version_, tr("print the program's version").toStdString());
        app_.add_option("--device", device_,
                        tr("hid (default), sim[:OPTION]..., tcp:HOST:PORT or "
                           "replay:FILE.txt[:speed=N]; the simulated unit's options: downward, "
                           "rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, "
                           "refuse-writes=A,B-C, unplug-after=N, engine=off; a replay plays an "
                           "exported run log N times real time (1 to 32)")
                            .toStdString())
            ->type_name("SPEC");
        options_
            .files(app_.add_option(
                "--config", line_.config,
                tr("settings file instead of the user's norva10.ini").toStdString()))
            ->type_name("FILE");
        options_
            .files(app_.add_option(
                "--logbook", line_.logbook,
                tr("the engine logbook: a file, or a shop's server as "
                   "postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (its password in "
                   "~/.pgpass or PGPASSWORD); the settings' [Logbook] Url, else the user's "
                   "logbook.sqlite, unless given")
                    .toStdString()))
            ->type_name("LOGBOOK");
        app_.add_option(
                "--unit-wait", unitWait_,
                tr("how long a command looks for the unit (10 s unless given)").toStdString())
            ->type_name("SECONDS");
        app_.add_option("--language", line_.language,
                        tr("the language of the windows and messages, e.g. de, es or fr (the "
                           "system's unless given; English where the program has none)")
                            .toStdString())
            ->type_name("LANG");
        options_
            .files(app_.add_option(
                "--screenshot", line_.screenshot,
                tr("open the main window, wait for the unit's configuration (at most 15 s), save "
                   "a picture of the window and exit")
                    .toStdString()))
            ->type_name("PNG");
        for (const CommandEntry& entry : Commands()) add(entry);
        app_.footer(Synopses(app_) + "\n" + exitTable());
    }

    CLI::App& app() { return app_; }
    const CommandOptions& options() const { return options_; }
    bool version() const { return version_; }
    bool noBackup() const { return options_.noBackup; }

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
                throw UsageError{tr("--unit-wait takes seconds from more than 0 to 3600, not '%1'")
                                     .arg(QString::fromStdString(unitWait_))};
            line_.unitWaitSeconds = *seconds;
        }
        if (line_.command && !line_.screenshot.empty())
            throw UsageError{tr("--screenshot is for the main window only")};
        const CommandEntry* command = line_.command;
        const auto readsFiles = [&] {
            if (line_.deviceGiven && command && !UsesUnit(line_))
                throw UsageError{tr("this command reads files, not a unit: leave out --device")};
        };
        if (command && command->usesUnit == Never) readsFiles();
        if (command && command->check) command->check(line_);
        readsFiles();
        const CommandOptions& o = options_;
        if (!o.from.empty()) line_.from = minutes("--from", o.from);
        if (!o.to.empty()) line_.to = minutes("--to", o.to);
        // `refusal`: "%1 needs …, a whole number, not '%2'"
        const auto whole = [](const char* option, const std::string& text, const QString& refusal) {
            double number = 0;
            if (!ToPositive(text, number) || number != std::floor(number) || number > 1e6)
                throw UsageError{refusal.arg(QLatin1String(option), QString::fromStdString(text))};
            return static_cast<int>(number);
        };
        const QString speed = tr("%1 needs a speed in RPM, a whole number, not '%2'");
        if (!o.idle.empty()) line_.idle = whole("--idle", o.idle, speed);
        if (!o.fullSpeed.empty()) line_.fullSpeed = whole("--full-speed", o.fullSpeed, speed);
        if (!o.maxEgt.empty())
            line_.maxEgt = whole("--max-egt", o.maxEgt,
                                 tr("%1 needs a temperature in C, a whole number, not '%2'"));
        if (!o.reports.empty() && !o.seconds.empty())
            throw UsageError{tr("give either --reports or --seconds, not both")};
        if (!o.reports.empty()) {
            double number = 0;
            if (!ToPositive(o.reports, number) || number != std::floor(number))
                throw UsageError{tr("--reports needs a positive whole number, not '%1'")
                                     .arg(QString::fromStdString(o.reports))};
            line_.monitorOptions.reports = static_cast<long long>(number);
        }
        if (!o.seconds.empty()) {
            double number = 0;
            // A day at most: longer ones overflowed the timer, and no run takes that long.
            if (!ToPositive(o.seconds, number) || number > 86400)
                throw UsageError{
                    tr("--seconds takes seconds from more than 0 to 86400 (a day), not '%1'")
                        .arg(QString::fromStdString(o.seconds))};
            line_.seconds = number;
        }
    }

  private:
    static double minutes(const char* name, const std::string& text) {
        const auto value = ParseNumber(text);
        if (!value)
            throw UsageError{tr("%1 needs a number of minutes, not '%2'")
                                 .arg(QLatin1String(name), QString::fromStdString(text))};
        return *value;
    }

    // CLI11's formatter with its headings in the user's language.
    static std::shared_ptr<HelpFormatter> formatter() {
        auto formatter = std::make_shared<HelpFormatter>();
        const std::pair<const char*, QString> labels[] = {{"Usage", tr("Usage")},
                                                          {"OPTIONS", tr("OPTIONS")},
                                                          {"SUBCOMMAND", tr("SUBCOMMAND")},
                                                          {"SUBCOMMANDS", tr("SUBCOMMANDS")},
                                                          {"Positionals", tr("Positionals")},
                                                          {"REQUIRED", tr("REQUIRED")}};
        for (const auto& [key, text] : labels) formatter->label(key, text.toStdString());
        return formatter;
    }

    // The table as --help and the README give it.
    static std::string exitTable() {
        return QCoreApplication::translate(
                   "norva::CommandLine",
                   "Exit status:\n"
                   "  0    done\n"
                   "  1    diff: the two sides differ\n"
                   "  2    no unit, the unit was lost, or it did not answer; the window: no "
                   "display\n"
                   "  3    a bad file, entry or output path (nothing was sent)\n"
                   "  4    refused by the unit, or a check failed (write protected, the other "
                   "kind\n"
                   "       of unit, a write the unit does not hold, a calibration that gives "
                   "Error)\n"
                   "  64   a command line that cannot be run\n"
                   "  130  interrupted by Ctrl-C (SIGINT); 143 by SIGTERM\n")
            .toStdString();
    }

    // An entry under its group ("clone write" under "clone"); a group needs one of its commands.
    void add(const CommandEntry& entry) {
        const std::string words = entry.words;
        const auto blank = words.rfind(' ');
        CLI::App* parent =
            blank == std::string::npos ? &app_ : app_.get_subcommand(words.substr(0, blank));
        CLI::App* sub = parent->add_subcommand(words.substr(blank + 1), Translated(entry.help));
        sub->group(tr("Subcommands").toStdString());
        sub->footer(globals(entry) + "\n" + exitTable());
        if (entry.isGroup()) {
            sub->require_subcommand(1);
            return;
        }
        entry.define(options_, *sub);
        for (CLI::Option* option : sub->get_options())
            if (option != sub->get_help_ptr())
                option->description(Translated(option->get_description()));
        sub->parse_complete_callback([this, &entry] { line_.command = &entry; });
    }

    // The program's options a command takes too: CLI11 keeps them on the program, so its help
    // would not show them. A command that reads files only refuses --device and --unit-wait.
    std::string globals(const CommandEntry& entry) const {
        std::string text =
            QCoreApplication::translate("norva::CommandLine",
                                        "Global options (before or after the command):")
                .toStdString() +
            "\n";
        for (const char* name :
             {"--device", "--unit-wait", "--config", "--logbook", "--language"}) {
            const bool unit = name == std::string("--device") || name == std::string("--unit-wait");
            if (unit && !entry.isGroup() && entry.usesUnit == Never) continue;
            text += HelpFormatter().make_option(app_.get_option(name), false);
        }
        return text;
    }

    CommandLine& line_;
    CommandOptions options_;
    CLI::App app_;
    bool version_ = false;
    std::string device_, unitWait_;
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
    return QCoreApplication::translate("norva::CommandLine", "%1 needs %2")
        .arg(QString::fromStdString(CommandPath(group).substr(std::string("norva ").size())),
             QString::fromStdString(choices))
        .toStdString();
}

// --language as typed: CLI11 refuses some command lines before it stores any value.
std::string LanguageIn(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--language" && i + 1 < args.size()) return args[i + 1];
        if (args[i].starts_with("--language=")) return args[i].substr(std::strlen("--language="));
    }
    return {};
}

// CLI11's refusal in the user's language. CLI11 writes its messages in English only, so they are
// read back by their shape (CLI11 2.1's, each made by one of its error classes); one of another
// shape is said as CLI11 wrote it.
std::string CliRefusal(const CLI::ParseError& error) {
    const QString what = QString::fromStdString(error.what());
    const auto shaped = [&](const char* pattern) {
        return QRegularExpression(QLatin1String(pattern)).match(what);
    };
    QString said;
    if (const auto m = shaped("^The following arguments? (?:was|were) not expected: (.*)$");
        m.hasMatch())
        said = QCoreApplication::translate("norva::CommandLine", "not expected here: %1")
                   .arg(m.captured(1));
    else if (const auto m = shaped("^(\\S+) is required$"); m.hasMatch())
        said =
            QCoreApplication::translate("norva::CommandLine", "%1 is required").arg(m.captured(1));
    else if (const auto m = shaped("^(\\S+): \\d+ required (\\S+) missing$"); m.hasMatch())
        said = QCoreApplication::translate("norva::CommandLine", "%1 needs its value %2")
                   .arg(m.captured(1), m.captured(2));
    else if (const auto m = shaped("^(\\S+): (.*) not in \\{(.*)\\}$"); m.hasMatch())
        said = QCoreApplication::translate("norva::CommandLine", "%1 is one of %2, not '%3'")
                   .arg(m.captured(1), m.captured(3).replace(QLatin1Char(','), QLatin1String(", ")),
                        m.captured(2));
    else if (const auto m = shaped("^Could not convert: (\\S+) = (.*)$"); m.hasMatch())
        said = QCoreApplication::translate("norva::CommandLine", "%1 takes no value, not '%2'")
                   .arg(m.captured(1), m.captured(2));
    else
        said = what;
    return said.toStdString();
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args,
                                   const std::string& version) {
    CommandLine line;
    Parser parser(line);
    ParsedCommandLine parsed;
    parsed.language = LanguageIn(args);
    const auto usage = [&](const std::string& what) {
        // One line that says what is wrong, not the whole usage under it.
        parsed.exitStatus = exitstatus::kUsage;
        parsed.err = "norva: " + what + "\n" +
                     QCoreApplication::translate("norva::CommandLine", "Try '%1 --help'.")
                         .arg(QString::fromStdString(CommandPath(Deepest(parser.app()))))
                         .toStdString() +
                     "\n";
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
        return usage(CliRefusal(e));
    } catch (const UsageError& e) {
        return usage(e.what);
    }
    line.backup = !parser.noBackup();
    parsed.line = std::move(line);
    return parsed;
}

namespace {

CommandShape::Value ShapeOf(CLI::Option* option, const CommandOptions& options) {
    CommandShape::Value value;
    value.name = option->get_name(false, true);
    value.name = value.name.substr(value.name.rfind(',') + 1);  // "--help", not "-h,--help"
    value.type = option->get_type_name();
    value.takesValue = option->get_expected_max() != 0;
    value.names = options.namesFiles(option);
    value.required = option->get_required();
    // CLI11 describes a check of the words allowed as "{restricted,full}".
    for (int i = 0;; ++i) {
        std::string description;
        try {
            description = option->get_validator(i)->get_description();
        } catch (const CLI::OptionNotFound&) {
            break;
        }
        if (description.size() < 2 || description.front() != '{') continue;
        std::stringstream words(description.substr(1, description.size() - 2));
        for (std::string word; std::getline(words, word, ',');) value.choices.push_back(word);
    }
    return value;
}

}  // namespace

CommandShapes CommandShapesOf() {
    CommandLine line;
    Parser parser(line);
    CommandShapes shapes;
    for (CLI::Option* option : parser.app().get_options())
        shapes.globals.push_back(ShapeOf(option, parser.options()));
    for (const CommandEntry& entry : Commands()) {
        if (entry.isGroup()) continue;
        CLI::App* sub = &parser.app();
        std::stringstream words(entry.words);
        for (std::string word; words >> word;) sub = sub->get_subcommand(word);
        CommandShape& shape = shapes.commands.emplace_back();
        shape.words = entry.words;
        shape.entry = &entry;
        for (CLI::Option* option : sub->get_options()) {
            if (option == sub->get_help_ptr()) continue;
            (option->nonpositional() ? shape.options : shape.arguments)
                .push_back(ShapeOf(option, parser.options()));
        }
    }
    return shapes;
}

bool UsesUnit(const CommandLine& line) {
    return line.command ? line.command->usesUnit(line) : !line.screenshot.empty();
}

}  // namespace norva
