// The engine runs of an export: found on crafted files, printed by `runlog runs`, listed beside
// the time chart; a replay's refusals; and the library of downloads.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "runlog/Library.h"
#include "runlog/Runs.h"
#include "runlog/TimeChart.h"
#include "runlog/TimeChartWindow.h"
#include "support/Program.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;

namespace {

constexpr const char* kHeader =
    "\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\",#2026-12-06 10:00:00#";

// Data lines of (cycle, temp, rpm, pump); `stretch` repeats one line.
struct Stretch {
    int count, cycle, temp, rpm, pump;
};
std::vector<std::string> Lines(const std::vector<Stretch>& stretches) {
    std::vector<std::string> lines;
    for (const Stretch& s : stretches)
        for (int k = 0; k < s.count; ++k)
            lines.push_back(RunLogRecord({s.cycle, 0, 0, s.temp, s.rpm, 500, s.pump}));
    return lines;
}
std::vector<RunLogLine> Parsed(const std::vector<std::string>& records) {
    std::vector<RunLogLine> lines;
    for (const std::string& record : records) lines.push_back(*RunLogRecordLine(record));
    return lines;
}

// An export of those lines, with a trailer naming the idle speed (thousands) when given, and
// the full speed of 150.
QString Export(const QTemporaryDir& dir, const std::vector<std::string>& data,
               std::optional<int> idleThousands, const char* name = "run.txt") {
    std::vector<std::string> lines{kHeader};
    lines.insert(lines.end(), data.begin(), data.end());
    if (idleThousands) {
        lines.insert(lines.end(), {"", std::string(54, '*'), "", "Cycles:        7 "});
        std::array<int, 256> cells{};
        cells[50] = *idleThousands, cells[51] = 150;
        for (int k = 0; k <= 255; ++k) {
            char cell[32];
            std::snprintf(cell, sizeof cell, "%d,\"%X\"", k, cells[k]);
            lines.push_back(cell);
        }
    }
    const QString path = dir.filePath(name);
    std::string error;
    EXPECT_TRUE(WriteLines(path, lines, error)) << error;
    return path;
}

// A start (12 lines up to idle, hottest 780 at the 5th), 8 lines at idle and above, a stop.
const std::vector<Stretch> kStart = {{4, 3, 300, 5000, 0},
                                     {1, 3, 780, 15000, 50},
                                     {7, 3, 650, 30000, 100},
                                     {2, 3, 600, 35000, 450},
                                     {6, 3, 690, 120000, 451}};

}  // namespace

TEST(Runs, SplitByStopsAndCyclesAndMeasuredAgainstIdle) {
    std::vector<Stretch> log = {{6, 3, 20, 0, 0}};        // stopped: lines 1..6
    log.insert(log.end(), kStart.begin(), kStart.end());  // run 1: lines 7..26
    log.push_back({594, 3, 20, 0, 0});                    // stopped up to line 620
    // Line 621 on: one cycle, then the next without a stop between (two runs), then a start
    // that never reaches idle.
    log.insert(log.end(), {{10, 3, 500, 40000, 300},
                           {15, 4, 510, 41000, 301},
                           {2, 4, 20, 0, 0},
                           {25, 4, 400, 20000, 0}});
    const auto lines = Parsed(Lines(log));
    const auto runs = FindRuns(lines, 35000);
    ASSERT_EQ(runs.size(), 4u);
    // Start minute rounded half up: line 7 (0.05) is 0.1, line 621 (5.17) is 5.2, line 631 (5.25)
    // is 5.3; 20 lines are 10.0 s. To idle: 0.5 x (line 19 - line 7); the mean pump of 450 (x2) and
    // 451 (x6) is 450.75 -> 451.
    EXPECT_EQ(RunCsvLine(runs[0]), "3,0.1,10.0,6.0,780,120000,780,451");
    EXPECT_EQ(RunCsvLine(runs[1]), "3,5.2,5.0,0.0,500,40000,500,300");
    EXPECT_EQ(RunCsvLine(runs[2]), "4,5.3,7.5,0.0,510,41000,510,301");
    EXPECT_EQ(RunCsvLine(runs[3]), "4,5.4,12.5,,,20000,400,");
    EXPECT_EQ(RunText(runs[3]),
              "cycle 4  minute 5.4  12.5 s  idle not reached  max 20000 RPM  max EGT 400 C");
    EXPECT_EQ(RunText(runs[0]),
              "cycle 3  minute 0.1  10.0 s  idle after 6.0 s  start EGT 780 C  max 120000 RPM  "
              "max EGT 780 C  mean pump 45.1 %");

    // Without an idle speed the start and the pump are left empty.
    const auto unknown = FindRuns(lines, std::nullopt);
    EXPECT_EQ(RunCsvLine(unknown[0]), "3,0.1,10.0,,,120000,780,");
    EXPECT_NE(RunText(unknown[0]).find("idle speed unknown"), std::string::npos);

    // Half away from zero: 450 and 451 give 450.5 -> 451.
    const auto half =
        FindRuns({{1, 0, 0, 500, 40000, 0, 450}, {1, 0, 0, 500, 40000, 0, 451}}, 35000);
    EXPECT_EQ(half[0].meanPump, 451);
    EXPECT_TRUE(FindRuns({{1, 0, 0, 20, 0, 0, 0}}, 35000).empty());

    // One sample of 0 RPM or of no data inside a run is a dropout: still one run, its start
    // measured from its first line.
    for (const int gap : {0, 255000}) {
        std::vector<RunLogLine> run(21, RunLogLine{7, 0, 0, 600, 40000, 500, 450});
        run[0].rpm = 0;                                  // stopped before it
        for (int k = 1; k < 7; ++k) run[k].rpm = 20000;  // idle from line 8 on
        run[13].rpm = gap;
        const auto one = FindRuns(run, 35000);
        ASSERT_EQ(one.size(), 1u) << gap;
        EXPECT_EQ(RunCsvLine(one[0]), "7,0.0,10.0,3.0,600,40000,600,450") << gap;
    }
    // A sample never written (RPM byte 255) at the end is no data: it ends the run and counts
    // in no value.
    auto erased = Lines({{1, 3, 20, 0, 0}});
    const auto start = Lines(kStart);
    erased.insert(erased.end(), start.begin(), start.end());
    erased.push_back("55,13,255,1020,255000,1000,1000");
    const auto cut = FindRuns(Parsed(erased), 35000);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(RunCsvLine(cut[0]), "3,0.0,10.0,6.0,780,120000,780,451");
}

TEST(Runs, TheFileIsReadStrictlyAndOnlyTheTrailersImage) {
    QTemporaryDir dir;
    std::string error;
    auto file = ReadRunLogExport(Export(dir, Lines(kStart), 35).toStdString(), error);
    ASSERT_TRUE(file) << error;
    EXPECT_EQ(file->lines.size(), 20u);
    EXPECT_EQ(file->idleCell, 35);  // written as "23", in hexadecimal
    EXPECT_EQ(file->cells[51], 150);
    EXPECT_EQ(IdleRpm(*file, 20000), 35000);  // the file's own wins over the one given
    file = ReadRunLogExport(Export(dir, Lines(kStart), std::nullopt).toStdString(), error);
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->idleCell);
    EXPECT_EQ(IdleRpm(*file, 20000), 20000);
    file = ReadRunLogExport(Export(dir, Lines(kStart), 0, "zero.txt").toStdString(), error);
    ASSERT_TRUE(file);
    EXPECT_EQ(IdleRpm(*file, std::nullopt), std::nullopt);  // a cell never written: unknown

    auto bad = Lines(kStart);
    bad[3] = "3,0,0,300,5000,500";  // six numbers on line 5
    const QString path = Export(dir, bad, 35, "bad.txt");
    EXPECT_FALSE(ReadRunLogExport(path.toStdString(), error));
    EXPECT_EQ(error.rfind(path.toStdString() + ":5: expected seven whole numbers", 0), 0u) << error;
    // The time chart reads as strictly: a value beyond the program's range is no number.
    for (const char* line :
         {"3,0,0,300.5,5000,500,0", "3,0,0,300,2147483648,500,0", "3,0,0,300,1e308,500,0"}) {
        bad[3] = line;
        EXPECT_FALSE(ReadRunLogExport(Export(dir, bad, 35, "bad.txt").toStdString(), error));
        EXPECT_NE(error.find(":5: "), std::string::npos);
        EXPECT_FALSE(ReadExportFile(dir.filePath("bad.txt").toStdString(), error));
        EXPECT_NE(error.find(":5: "), std::string::npos) << line;
    }
    WriteLines(dir.filePath("plain.txt"), Lines(kStart), error);
    EXPECT_FALSE(ReadRunLogExport(dir.filePath("plain.txt").toStdString(), error));
    EXPECT_NE(error.find("plain.txt:1: not a run-log export"), std::string::npos) << error;
}

TEST(Runs, TheCommandPrintsOneLinePerRun) {
    QTemporaryDir dir;
    std::vector<Stretch> log = kStart;
    log.push_back({3, 3, 20, 0, 0});
    log.insert(log.end(), kStart.begin(), kStart.end());
    const QString trailer = Export(dir, Lines(log), 0x23);  // idle 35 000 from the file
    Ran ran = RunNorva({"runlog", "runs", trailer, "--csv", "--idle", "10000"});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out,
              "cycle,start_min,duration_s,time_to_idle_s,peak_start_egt_c,max_rpm,max_egt_c,"
              "mean_pump_permille\n"
              "3,0.0,10.0,,,120000,780,451\n"  // turning when the log begins: no start
              "3,0.2,10.0,6.0,780,120000,780,451\n");
    const QString bare = Export(dir, Lines(log), std::nullopt, "bare.txt");
    ran = RunNorva({"runlog", "runs", bare, "--idle", "15000"});
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out.substr(0, ran.out.find('\n')),
              "cycle 3  minute 0.0  10.0 s  idle after \u2013  start EGT \u2013  max 120000 RPM  "
              "max EGT 780 C  mean pump 27.2 %");
    EXPECT_EQ(std::count(ran.out.begin(), ran.out.end(), '\n'), 2);
}

TEST(Runs, TheLibraryKeepsEveryDownloadAndOffersTheNewestFirst) {
    QTemporaryDir dir;
    const QDateTime monday(QDate(2026, 11, 30), QTime(9, 5, 0));
    const QString name = KeptName(monday, std::nullopt);
    EXPECT_EQ(name, "2026-11-30_09-05-00.txt");
    std::string error;
    const std::vector<std::string> lines{kHeader};
    EXPECT_TRUE(KeepDownload(dir.path(), name, lines, error).endsWith("2026-11-30_09-05-00.txt"));
    // A second download within the same second is kept beside the first.
    EXPECT_TRUE(KeepDownload(dir.path(), name, lines, error).endsWith("2026-11-30_09-05-00-2.txt"));
    KeepDownload(dir.path(), KeptName(monday.addDays(6), 1000), lines, error);
    const auto kept = KeptDownloads(dir.path());
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].title, "2026-12-06 09:05:00  serial 1000");
    EXPECT_EQ(kept[2].title, "2026-11-30 09:05:00");
    EXPECT_EQ(KeptDownloads(dir.path(), 2).size(), 2u);
    WriteLines(dir.filePath("file"), lines, error);
    EXPECT_TRUE(KeepDownload(dir.filePath("file/below"), name, lines, error).isEmpty());
    EXPECT_FALSE(error.empty());
}

TEST(Runs, TheTimeChartListsTheRunsAndShowsTheChosenOne) {
    QTemporaryDir dir;
    std::vector<Stretch> log = {{600, 2, 20, 0, 0}};  // ten stopped minutes
    log.insert(log.end(), kStart.begin(), kStart.end());
    const QString path = Export(dir, Lines(log), 35);
    ScriptedDialogs dialogs;
    TimeChartWindow window(dialogs, dir.filePath("norva10.ini"), nullptr, dir.filePath("library"));
    EXPECT_FALSE(window.recentMenu()->actions().first()->isEnabled());  // nothing kept yet
    std::string error;
    KeepDownload(dir.filePath("library"), "2026-12-06_10-00-00.txt",
                 {kHeader, RunLogRecord({3, 0, 0, 500, 40000, 0, 0})}, error);
    emit window.recentMenu()->aboutToShow();
    ASSERT_EQ(window.recentMenu()->actions().size(), 1);
    window.recentMenu()->actions().first()->trigger();
    EXPECT_EQ(window.lines().size(), 1u);
    EXPECT_EQ(window.RunList->topLevelItemCount(), 1);

    window.showFile(path);
    ASSERT_EQ(window.runs().size(), 1u);
    EXPECT_EQ(window.RunList->topLevelItem(0)->text(3), "6.0");
    window.RunList->setCurrentItem(window.RunList->topLevelItem(0));
    // Lines 601..620 are minutes 5.0 to 5.17: half a minute either side, in tenths.
    EXPECT_EQ(window.Text2->text(), "4.5");
    EXPECT_EQ(window.Text1->text(), "5.7");

    // A file that is not an export still draws; the list says why it is empty.
    const QString plain = dir.filePath("plain.txt");
    WriteLines(plain, {"1,2,3,4,5,6,7"}, error);
    window.showFile(plain);
    EXPECT_EQ(window.RunList->topLevelItemCount(), 0);
    EXPECT_TRUE(window.RunNote->text().contains("plain.txt:1:"));
}

// What the replay plays is checked on the dials in-process; here the command line's refusals: a
// write to a recording, a damaged export, one with nothing to play.
TEST(Runs, AReplayIsRefusedWhatItCannotDo) {
    QTemporaryDir dir;
    const auto data = Lines(kStart);
    const Ran write =
        RunNorva({"--device", "replay:" + Export(dir, data, 35), "factory", "menus", "restricted"});
    EXPECT_EQ(write.status, 4);
    EXPECT_EQ(write.err, "norva: A replay is playing: stop it to write to a unit.\n");
    auto bad = data;
    bad[1] = "7,0,0,1,2";
    const Ran refused = RunNorva({"--device", "replay:" + Export(dir, bad, 35, "bad.txt"),
                                  "monitor", "--csv", "--reports", "1"});
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("bad.txt:3: expected seven whole numbers"), std::string::npos)
        << refused.err;
    // Nothing to play is refused at once, not waited for.
    const QString empty = Export(dir, {}, std::nullopt, "empty.txt");
    const Ran none = RunNorva({"--device", "replay:" + empty, "monitor", "--reports", "1"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.err,
              "norva: " + empty.toStdString() + ": the export holds no samples to replay\n");
}
