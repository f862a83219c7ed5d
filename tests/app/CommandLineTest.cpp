#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "support/MarkingTranslator.h"

using namespace norva;

namespace {
std::optional<CommandLine> Parse(std::vector<std::string> args, std::string* error = nullptr) {
    ParsedCommandLine parsed = ParseCommandLine(args);
    if (error) *error = parsed.err;
    if (!parsed.line) EXPECT_EQ(parsed.exitStatus, 64) << parsed.err;
    return parsed.line;
}
std::string Words(const CommandLine& line) {
    return line.command ? line.command->words : "";
}
std::vector<std::string> Split(const std::string& words) {
    std::vector<std::string> args;
    std::stringstream in(words);
    for (std::string word; in >> word;) args.push_back(word);
    return args;
}
// The words of a help or a refusal left once the marked (translated) texts are taken out, but
// names: the program's, the commands', options and placeholders.
std::string Unmarked(const std::string& text, const std::set<QString>& names) {
    QString rest = QString::fromStdString(text);
    rest.remove(QRegularExpression(QStringLiteral("\u00AB[^\u00BB]*\u00BB")));
    std::string left;
    for (QString token :
         rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        token.remove(QRegularExpression(QStringLiteral("^[\\[(]+|[\\]),.:]+$")));
        if (token.isEmpty() || token.startsWith('-') || token[0].isUpper() || names.count(token) ||
            !token.contains(QRegularExpression(QStringLiteral("[a-z]{2}"))))
            continue;
        left += token.toStdString() + " ";
    }
    return left;
}
size_t Widest(const std::string& text) {
    size_t widest = 0;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) widest = std::max(widest, line.size());
    return widest;
}
}  // namespace

TEST(CommandLine, TheUsbUnitAndTheWindowByDefaultAndMonitorOptions) {
    auto line = Parse({});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->device.kind, DeviceChoice::Kind::Hid);
    EXPECT_EQ(Words(*line), "");
    line = Parse({"--device", "sim:falling", "monitor", "--reports", "20", "--csv"});
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->device.sim.downward);
    EXPECT_EQ(Words(*line), "monitor");
    EXPECT_EQ(line->monitorOptions.reports, 20);
    EXPECT_TRUE(line->monitorOptions.csv);
    EXPECT_DOUBLE_EQ(Parse({"monitor", "--seconds", "2.5"})->seconds, 2.5);
}

TEST(CommandLine, OptionsInAnyOrderAfterTheCommandAndAHelpForEach) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"clone", "write", "--dry-run", "unit.nvc", "--device", "sim"},
             {"--device", "sim", "clone", "write", "unit.nvc", "--no-backup", "--dry-run"}}) {
        auto line = Parse(args);
        ASSERT_TRUE(line);
        EXPECT_EQ(Words(*line), "clone write");
        EXPECT_EQ(line->file, "unit.nvc");
        EXPECT_TRUE(line->dryRun);
        EXPECT_EQ(line->device.kind, DeviceChoice::Kind::Sim);
    }
    EXPECT_FALSE(Parse({"clone", "write", "unit.nvc", "--no-backup"})->backup);
    // Every command of the table has its help in 80 columns, with the options of the program it
    // takes too, and the program's lists it.
    const std::string all = ParseCommandLine({"--help"}).out;
    EXPECT_LE(Widest(all), 80u) << all;
    for (const CommandShape& command : CommandShapesOf().commands) {
        std::vector<std::string> args = Split(command.words);
        args.push_back("--help");
        const ParsedCommandLine help = ParseCommandLine(args);
        EXPECT_EQ(help.exitStatus, 0);
        EXPECT_NE(help.out.find("Usage: norva " + command.words), std::string::npos) << help.out;
        EXPECT_LE(Widest(help.out), 80u) << help.out;
        EXPECT_EQ(help.out.find("  --unit-wait SECONDS") != std::string::npos,
                  command.entry->usesUnit != Never)
            << help.out;
        const auto listed = all.find("  norva " + command.words);
        ASSERT_NE(listed, std::string::npos) << command.words;
        EXPECT_TRUE(std::isspace(all[listed + 8 + command.words.size()])) << command.words;
    }
    std::string error;
    EXPECT_FALSE(Parse({"factory", "menus", "all"}, &error));
    EXPECT_NE(error.find("Try 'norva factory menus --help'."), std::string::npos) << error;
    EXPECT_FALSE(Parse({"ramps", "show", "r.rmp", "--dry-run"}, &error));
    EXPECT_EQ(ParseCommandLine({"--version"}, "1.2").out, "norva 1.2\n");
}

TEST(CommandLine, HelpAndRefusalsCanBeTranslated) {
    const MarkingTranslator marks;
    std::set<QString> names = {"norva"};
    std::vector<std::vector<std::string>> helps = {{"--help"}};
    for (const CommandShape& command : CommandShapesOf().commands) {
        std::vector<std::string> args = Split(command.words);
        for (const std::string& word : args) names.insert(QString::fromStdString(word));
        if (args.size() > 1) helps.push_back({args[0], "--help"});
        args.push_back("--help");
        helps.push_back(args);
    }
    for (const auto& args : helps) {
        const std::string help = ParseCommandLine(args).out;
        EXPECT_EQ(Unmarked(help, names), "") << help;
    }
    const QString refusals = QStringLiteral(
        "bogus; clone; clone save; timechart --png; factory menus all; monitor --csv=x; "
        "--device bad:x monitor; --device tcp:x monitor; --device replay: monitor; "
        "--device replay:f.txt:speed=99 monitor; --unit-wait 0 monitor; monitor --reports x; "
        "monitor --seconds x; monitor --reports 1 --seconds 1; logbook import f.txt --idle x; "
        "timechart f.txt --png a.png --from x; timechart f.txt; summary --image a.nvc --device "
        "sim; "
        "diff a.nvc b.nvc --device sim; diff a.nvc --downward; --screenshot a.png monitor; "
        "ramps show r.rmp --device sim; logbook copy");
    for (const QString& line : refusals.split(QStringLiteral("; "))) {
        const ParsedCommandLine refused = ParseCommandLine(Split(line.toStdString()));
        EXPECT_EQ(refused.exitStatus, 64) << line.toStdString();
        EXPECT_EQ(Unmarked(refused.err, names), "") << refused.err;
    }
}

TEST(DeviceChoice, AllThreeWaysToReachAUnit) {
    std::string error;
    auto choice = ParseDevice("tcp:127.0.0.1:5050", error);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->kind, DeviceChoice::Kind::Tcp);
    EXPECT_EQ(choice->host, "127.0.0.1");
    EXPECT_EQ(choice->port, 5050);
    choice = ParseDevice("sim:rate=1000", error);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->sim.rate, 1000);
    EXPECT_FALSE(choice->sim.downward);
    choice = ParseDevice("sim", error);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->sim.rate, 50);
    EXPECT_EQ(choice->sim.answerReports, 4);
    // Options in any order.
    choice =
        ParseDevice("sim:engine=off:burst=8:falling:answer=1:preamble=525:unplug-after=9", error);
    ASSERT_TRUE(choice) << error;
    EXPECT_TRUE(choice->sim.engineOff && choice->sim.downward);
    EXPECT_EQ(choice->sim.burst, 8);
    EXPECT_EQ(choice->sim.answerReports, 1);
    EXPECT_EQ(choice->sim.preamble, 525);
    EXPECT_EQ(choice->sim.unplugAfter, 9);
    // A file's name may hold colons.
    choice = ParseDevice("replay:a:b.txt:speed=32", error);
    ASSERT_TRUE(choice) << error;
    EXPECT_EQ(choice->file, "a:b.txt");
    EXPECT_EQ(choice->speed, 32);
    for (const char* bad : {"tcp:host", "tcp::80", "tcp:host:0", "tcp:host:70000", "tcp:host:x",
                            "sim:rate=0", "sim:rate=1001", "sim:upside", "hidraw", "sim:answer=0",
                            "sim:burst=x", "sim:silent-after=-1", "sim:engine=hot", "replay:",
                            "replay:a.txt:speed=0", "replay:a.txt:speed=33", "replay::speed=2"}) {
        EXPECT_FALSE(ParseDevice(bad, error)) << bad;
        EXPECT_NE(error.find(bad), std::string::npos) << error;
    }
}

TEST(CommandLine, SummaryOfAUnitOrOfAFileNotBoth) {
    auto line = Parse({"summary", "--image", "unit.nvc"});
    ASSERT_TRUE(line);
    EXPECT_EQ(Words(*line), "summary");
    EXPECT_EQ(line->summaryImage, "unit.nvc");
    std::string error;
    EXPECT_FALSE(Parse({"--device", "sim", "summary", "--image", "unit.nvc"}, &error));
    EXPECT_NE(error.find("--device"), std::string::npos);
    EXPECT_FALSE(Parse({"monitor", "summary"}, &error));
    EXPECT_FALSE(Parse({"--screenshot", "a.png", "summary"}, &error));
}
