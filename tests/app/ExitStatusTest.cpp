// Every command's ways to fail, run from the outside against the table of exit statuses that
// --help and the README give: the same cause, the same status, and a line that says which.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "support/Program.h"

using namespace norva::testing;

namespace {

struct Case {
    std::string line;  // the arguments, split at blanks; {dir} is a folder of test files
    int status;
    const char* says;  // a part of what is printed on standard error
};

// The units: at full rate, the other kind, none at all (nothing listens on port 1), and one
// whose engine stays cold (its EGT reads near the ambient).
QString Expand(const std::string& arg, const QString& dir) {
    QString text = QString::fromStdString(arg);
    text.replace("{dir}", dir);
    text.replace("{unit}", "sim:rate=1000");
    text.replace("{down}", "sim:falling:rate=1000");
    text.replace("{cold}", "sim:rate=1000:engine=off");
    text.replace("{none}", "tcp:127.0.0.1:1 --unit-wait 0.2");
    return text;
}

class ExitStatus : public ::testing::TestWithParam<Case> {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const auto write = [](const char* name, const QByteArray& text) {
            QFile f(dir_->filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        QByteArray clone, other, params, ramps;
        for (int a = 16; a < 256; ++a) clone += "1\r\n";
        other = clone;
        other.replace(0, 1, "2");
        for (int i = 0; i < 71; ++i) params += "1\r\n";
        for (int i = 0; i < 34; ++i) ramps += "40\r\n";
        write("good.nvc", clone);
        write("other.nvc", other);
        write("bad.nvc", "12\r\n300\r\n");
        write("good.nrv", params);
        write("good.rmp", ramps);
        write("bad.rmp", "1\r\n");
    }
    static void TearDownTestSuite() { delete dir_; }
    static QTemporaryDir* dir_;
};
QTemporaryDir* ExitStatus::dir_ = nullptr;

TEST_P(ExitStatus, SameCauseSameStatus) {
    const Case& c = GetParam();
    const Ran ran = RunNorva(Expand(c.line, dir_->path()).split(' '));
    EXPECT_EQ(ran.status, c.status) << ran.err;
    EXPECT_NE(ran.err.find(Expand(c.says, dir_->path()).toStdString()), std::string::npos)
        << ran.err;
    EXPECT_EQ(QDir(dir_->path()).entryList(QDir::Files).size(), 6);  // no file was written
}

// The option or argument naming a file the command writes: "OUT.pdf".
bool IsOutput(const norva::CommandShape::Value& value) {
    return value.names && (value.name.starts_with("OUT") || value.type.starts_with("OUT"));
}

// The command with what it needs to run: test files for its arguments, a word it takes, its
// output file (or `out` instead, for an output that cannot be made).
std::string Typical(const norva::CommandShape& command, const std::string& out = "") {
    std::string line = command.words;
    const auto output = [&](const std::string& ext) { return out.empty() ? "{dir}/o" + ext : out; };
    for (const auto& argument : command.arguments) {
        const std::string& name = argument.name;
        const std::string ext = name.substr(std::min(name.find('.'), name.size()));
        if (!argument.required) continue;
        if (!argument.choices.empty())
            line += " " + argument.choices.front();
        else if (IsOutput(argument) || (command.entry->output && argument.names))
            line += " " + output(ext);
        else if (argument.names)
            line += " {dir}/" + std::string(ext == ".nvc" || ext == ".rmp" || ext == ".nrv"
                                                ? "good" + ext
                                                : "none" + (ext.empty() ? ".buf" : ext));
        else
            line += name == "N" ? " 5" : " E";
    }
    // Its first output option: a picture or a page.
    for (const auto& option : command.options)
        if (IsOutput(option)) {
            line += " " + option.name + " " + output(option.type.substr(3));
            break;
        }
    return line;
}

bool Writes(const norva::CommandShape& command) {
    return command.entry->output ||
           std::any_of(command.options.begin(), command.options.end(), IsOutput) ||
           std::any_of(command.arguments.begin(), command.arguments.end(), IsOutput);
}

std::vector<Case> Cases() {
    std::vector<Case> cases = {
        // A command line that cannot be run.
        {"timers reset", 64, "timers needs clear-all or clear-service"},
        {"factory menus sideways", 64, "Try 'norva factory menus --help'."},
        {"timechart x.txt", 64, "timechart needs --png OUT.png or --pdf OUT.pdf"},
        {"monitor --reports 0", 64, "--reports needs a positive whole number"},
        {"monitor --seconds 86401", 64, "--seconds takes seconds from more than 0 to 86400"},
        // 1: the two sides differ.
        {"diff {dir}/good.nvc {dir}/other.nvc", 1, ""},
        // 2: the unit lost before its whole configuration came.
        {"--device sim:unplug-after=40 summary", 2, "lost while its configuration arrived ("},
        {"--device sim:unplug-after=40 clone save {dir}/o.nvc", 2, "lost while its configuration"},
        // 3: a bad file or entry, and nothing sent.
        {"--device {unit} clone write {dir}/bad.nvc", 3, "{dir}/bad.nvc:2: "},
        {"--device {unit} ramps write {dir}/bad.rmp", 3, "{dir}/bad.rmp"},
        {"--device {cold} factory fast-setup {dir}/none.nvc", 3, "no such file"},
        {"--device {down} serial 70000", 3, "70000"},
        {"--device {unit} factory max-rpm fast", 3, "\"fast\" is no speed"},
        {"--device {unit} factory cal-temp abc", 3, "not 'abc'"},
        {"summary --image {dir}/bad.nvc", 3, "{dir}/bad.nvc:2: "},
        {"ramps show {dir}/none.rmp", 3, "{dir}/none.rmp"},
        {"timechart {dir}/none.txt --png {dir}/c.png", 3, "{dir}/none.txt"},
        {"runlog convert {dir}/none.buf {dir}/o.txt", 3, "{dir}/none.buf"},
        {"chart print {dir}/none.nvm --pdf {dir}/c.pdf", 3, "{dir}/none.nvm"},
        {"chart show {dir}/none.nvm --png {dir}/c.png", 3, "{dir}/none.nvm"},
        {"runlog runs {dir}/none.txt", 3, "{dir}/none.txt"},
        {"runlog stats {dir}/none.txt", 3, "{dir}/none.txt"},
        {"diff {dir}/none.nvc {dir}/good.nvc", 3, "{dir}/none.nvc"},
        // 4: refused by the unit, or a check that failed.
        {"--device {down} params write {dir}/good.nrv", 4, "Norva Write Protected"},
        {"--device {unit} serial 5", 4, "keeps no serial number or timers"},
        {"--device {unit} timers clear-all", 4, "keeps no serial number or timers"},
        {"--device {unit} timers clear-service", 4, "keeps no serial number"},
        {"--device {cold} factory cal-temp 300", 4, "norva: Error"},
    };
    // Made from the table of commands, so that a new command is held to the table too.
    for (const norva::CommandShape& command : norva::CommandShapesOf().commands) {
        const norva::CommandEntry& entry = *command.entry;
        // 3: an output that cannot be made, refused before the unit is looked for.
        const std::string device = entry.usesUnit(norva::CommandLine()) ? "--device {unit} " : "";
        if (Writes(command))
            cases.push_back({device + Typical(command, "/nonexistent/out"), 3,
                             "/nonexistent/out: its folder does not exist"});
        // 2: no unit; every unit command shares one wait.
        if (entry.runsOnUnit())
            cases.push_back(
                {"--device {none} " + Typical(command), 2, "no unit was found within 0.2 s"});
        // 64: a unit given to a command that reads files only.
        if (entry.usesUnit == norva::Never)
            cases.push_back({"--device {unit} " + Typical(command), 64, "leave out --device"});
    }
    cases.push_back({"--screenshot /nonexistent/out", 3, "/nonexistent/out: its folder does not"});
    for (const char* command : {"summary", "monitor"})
        cases.push_back({"--device {none} " + std::string(command), 2, "no unit was found within"});
    return cases;
}

std::string Name(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (char c : info.param.line)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return std::to_string(info.index) + "_" + name.substr(0, 40);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, ExitStatus, ::testing::ValuesIn(Cases()), Name);

// The window without a display says so in one line; Qt's own options reach Qt, not the parser.
TEST(ExitStatusOfTheWindow, NoDisplayUnlessQtIsGivenAPlatform) {
    const std::vector<std::pair<QString, QString>> none = {
        {"QT_QPA_PLATFORM", ""}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}};
    Ran ran = RunNorva({}, 60000, none);
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "norva: no display: run with a desktop session or use a command\n");
    QTemporaryDir dir;
    ran = RunNorva({"-platform", "offscreen", "-style", "fusion", "--device", "sim:rate=1000",
                    "--screenshot", dir.filePath("w.png")},
                   60000, none);
    EXPECT_EQ(ran.status, 0) << ran.err;
}

// A signal in any wait ends the command at once with one line: 130 for Ctrl-C, 143 for SIGTERM.
TEST(ExitStatusOnASignal, EveryWaitEndsAtOnceAndSaysWhatStopped) {
    QTemporaryDir dir;
    struct Interrupted {
        QStringList args;
        int signal;
        const char* says;
    } const cases[] = {
        {{"--device", "tcp:127.0.0.1:1", "--unit-wait", "60", "clone", "save", dir.filePath("o")},
         SIGTERM,
         "norva: Cancelled while waiting for the unit.\n"},
        {{"--device", "sim:rate=5", "summary"},
         SIGINT,
         "norva: Cancelled while waiting for the unit's configuration ("},
        {{"--device", "sim:rate=5", "params", "save", dir.filePath("o.nrv")},
         SIGINT,
         "norva: Cancelled while reading address "},
        {{"--device", "sim:rate=5", "monitor"}, SIGINT, ""},
    };
    for (const Interrupted& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("LANG", "C.UTF-8");  // what it says is read in English
        env.remove("LC_ALL");
        env.remove("LANGUAGE");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(NORVA_PROGRAM), c.args);
        ASSERT_TRUE(process.waitForStarted());
        process.waitForFinished(1500);  // long enough to be waiting
        ASSERT_EQ(process.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(process.processId()), c.signal);
        ASSERT_TRUE(process.waitForFinished(15000));
        EXPECT_EQ(process.exitCode(), 128 + c.signal);
        EXPECT_NE(process.readAllStandardError().toStdString().find(c.says), std::string::npos);
        EXPECT_FALSE(QFile::exists(dir.filePath("o.nrv")));
    }
}

}  // namespace
