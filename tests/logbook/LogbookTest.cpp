// The engine logbook: downloads of both kinds of unit going to their engine, imports that add
// a file once and a shared run once (its longer copy kept), the engine's baseline and flags as
// the commands print them, and a logbook that is locked, damaged or of the first schema.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "logbook/LogDownload.h"
#include "logbook/Logbook.h"
#include "protocol/AddressMap.h"
#include "runlog/Download.h"
#include "runlog/Library.h"
#include "support/CraftedLog.h"
#include "support/OperationRig.h"
#include "support/Postgres.h"
#include "support/Program.h"
#include "support/SimRig.h"

using namespace norva;
using namespace norva::testing;

namespace {

// An export at `moment` as the program writes it, with the trailer of a unit that lists every
// cell: welcome text "BENCH ENGINE" / "NUMBER 2", its last shutdown (560 C, 35000 RPM, pump
// 121), 363.5 minutes and `cycles` in all, an idle speed of 20000, and `more` cells besides.
QString Export(const QTemporaryDir& dir, const char* name, const std::vector<std::string>& data,
               const char* moment = "2026-12-06 10:00:00", int cycles = 40,
               std::initializer_list<std::pair<int, uint8_t>> more = {}) {
    std::array<uint8_t, 257> image{};
    const std::string welcome = "  BENCH ENGINE     NUMBER 2     ";
    std::copy(welcome.begin(), welcome.end(), image.begin() + cell::kWelcomeFirst);
    image[cell::kAccessUpward] = cell::kFullAccessValue, image[cell::kIdleSpeed] = 20;
    image[cell::kShutdownEgt] = 140, image[cell::kShutdownRpm] = 35, image[cell::kCycles] = cycles;
    image[cell::kShutdownPump] = 31, image[cell::kTotalTimeLow] = 21810 % 256;
    image[cell::kTotalTimeMiddle] = 21810 / 256;
    for (const auto& [at, value] : more) image[size_t(at)] = value;
    std::vector<RunLogLine> lines;
    for (const std::string& record : data) lines.push_back(*RunLogRecordLine(record));
    const QString path = dir.filePath(QString::fromLatin1(name));
    const auto when = QDateTime::fromString(QString::fromLatin1(moment), "yyyy-MM-dd hh:mm:ss");
    std::string error;
    EXPECT_TRUE(WriteLines(path, ExportLines(lines, when, &image), error)) << error;
    return path;
}

LogbookExport Read(const QString& path) {
    std::string error;
    auto file = ReadLogbookExport(path.toStdString(), error);
    EXPECT_TRUE(file) << error;
    return file ? *file : LogbookExport{};
}

// Ten ordinary starts (6 lines to idle, 700 C), one 150 C hotter, one twice as slow, and one
// that never reaches idle, each in its own cycle.
std::vector<Crafted> Life() {
    std::vector<Crafted> runs;
    for (int c = 1; c <= 10; ++c) runs.push_back({c, 6, 700});
    runs.push_back({11, 6, 850});
    runs.push_back({12, 12, 700});
    runs.push_back({13, 4, 700, 0});
    return runs;
}

// An import's runs added, replaced and already known; a failed one's are all -1.
std::tuple<int, int, int> Counts(const ImportResult& r) {
    if (r.status != ImportResult::Added) return {-1, -1, -1};
    return {r.runsAdded, r.runsReplaced, r.runsKnown};
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A `logbook` command on the logbook at `book`, run as the user would.
Ran Book(const QString& book, const QStringList& args) {
    return RunNorva(QStringList{"--logbook", book, "logbook"} + args);
}

// A download from the simulated unit, logged as `target` says; waited for in real time, for the
// logbook takes it in off the interface thread.
void DownloadInto(SimRig& sim, OperationRig& rig, const LogbookTarget& target) {
    DownloadOptions options;
    options.workFolder = rig.path("work");
    options.libraryFolder = rig.path("library");
    options.kept = LogbookKeeper(target);
    ASSERT_TRUE(rig.start([options](Services s) { return DownloadRunLog(s, options); }));
    WaitReally([&] {
        sim.run(10);
        return rig.status.has_value();
    });
}

// Each test of the logbook's keeping runs on an SQLite file and on a PostgreSQL server.
enum class Store { File, Server };
class Logbooks : public ::testing::TestWithParam<Store> {
  protected:
    // A new logbook: a file in the test's folder, or a database of its own on the server.
    QString at(const char* name) {
        if (GetParam() == Store::File) return dir.filePath(QString::fromLatin1(name) + ".sqlite");
        const auto& db = databases.emplace_back(std::make_unique<PostgresDatabase>());
        EXPECT_TRUE(db->ok());
        return db->ownerUrl();
    }
    QTemporaryDir dir;
    std::vector<std::unique_ptr<PostgresDatabase>> databases;
};
INSTANTIATE_TEST_SUITE_P(Stores, Logbooks, ::testing::Values(Store::File, Store::Server),
                         [](const auto& store) {
                             return store.param == Store::File ? "SQLite" : "PostgreSQL";
                         });

}  // namespace

// A downward unit is known by its serial number, an upward one by its welcome text; the window
// asks for a new unit's engine name once, and the next download of the same unit goes to it
// with the runs both downloads hold counted once, measured with the image held (a downward
// unit's trailer lists no idle speed); a backup is recorded to it.
TEST_P(Logbooks, DownloadsGoToTheUnitsEngine) {
    for (const bool downward : {false, true}) {
        SimRig sim(downward);
        OperationRig rig(sim.link);
        const QString book = at(downward ? "downward" : "upward");
        sim.run(1000);
        rig.dialogs.answerInput(QStringLiteral("Bench engine"));
        for (const char* name : {"one", "two"}) {
            rig.dialogs.answerSaveFile(rig.path(name));
            DownloadInto(sim, rig, {book, {}, true});
            ASSERT_EQ(rig.status, OpStatus::Done) << rig.lastMessage().toStdString();
            sim.run(20000);
        }
        EXPECT_EQ(rig.dialogs.calls(DialogCall::Kind::Input).size(), 1u);
        Logbook logbook(book);
        const auto engines = logbook.engines();
        ASSERT_EQ(engines.size(), 1u);
        const auto id = engines[0].id;
        EXPECT_EQ(engines[0].name, QStringLiteral("Bench engine"));
        const auto& m = sim.unit().memory();
        const int serial = m[60] * 256 + m[59];
        EXPECT_EQ(engines[0].serial, downward ? std::optional(serial) : std::nullopt);
        EXPECT_EQ(logbook.downloads(id).size(), 2u);
        // The two logs overlap but for the last 20 seconds: one run more at most, never fewer.
        const auto first = FindRuns(Read(rig.path("one.txt")).data.lines, m[50] * 1000);
        EXPECT_LE(logbook.runs(id).size() - first.size(), 1u) << first.size();
        const auto life = logbook.life(id);
        EXPECT_GE(life.totals.starts, 3) << downward;
        EXPECT_TRUE(life.baseline.lightToIdleS) << downward;
        // Kept in the library byte for byte, by its serial number where the unit has one.
        const auto kept = KeptDownloads(rig.path("library"));
        EXPECT_EQ(kept[0].path.contains(QStringLiteral("_serial-%1.txt").arg(serial)), downward);
        EXPECT_TRUE(Bytes(kept[0].path) == Bytes(rig.path("one.txt")) ||
                    Bytes(kept[0].path) == Bytes(rig.path("two.txt")));
        RecordEvent(book, std::span<const uint8_t>(m.data(), 256), downward, "backup", "b.nvc", "");
        ASSERT_EQ(logbook.events(id).size(), 1u);
        EXPECT_EQ(logbook.events(id)[0].file, QStringLiteral("b.nvc"));
    }
}

// The same file twice adds nothing; a run in two downloads counts once, the longer copy kept,
// whichever came first.
TEST_P(Logbooks, ImportsAddEachFileAndEachRunOnce) {
    Logbook book(at("l"));
    ASSERT_TRUE(book.isOpen()) << book.error().toStdString();
    const auto engine = book.addEngine(QStringLiteral("E"), {});
    ASSERT_TRUE(engine);
    // The older download ends in the middle of run 4; the newer has lost the start of run 3.
    auto older = Lines({{3, 6, 700}, {4, 6, 700, 2, 0}});
    auto newer = Lines({{3, 6, 700}, {4, 6, 700, 20}, {5, 6, 700}});
    newer.erase(newer.begin(), newer.begin() + 3);
    const auto a = Read(Export(dir, "a.txt", older, "2026-12-06 10:00:00"));
    const auto b = Read(Export(dir, "b.txt", newer, "2026-12-06 11:00:00"));
    EXPECT_EQ(Counts(book.import(a, engine->id)), std::tuple(2, 0, 0));
    EXPECT_EQ(book.import(a, engine->id).status, ImportResult::AlreadyThere);
    // Run 5 added, run 4 replaced (longer here), run 3 known (longer in the older one).
    EXPECT_EQ(Counts(book.import(b, engine->id)), std::tuple(1, 1, 1));
    std::vector<std::tuple<int, int, bool>> kept;  // cycle, lines, from b.txt
    for (const LoggedRun& r : book.runs(engine->id))
        kept.emplace_back(r.run.cycle, r.run.lineCount, r.downloadFile.endsWith("b.txt"));
    EXPECT_EQ(kept, (std::vector<std::tuple<int, int, bool>>{
                        {3, 12, false}, {4, 26, true}, {5, 12, true}}));
    // What the trailer the run log writes says, read back.
    EXPECT_EQ(
        std::pair(book.totals(engine->id).unitCycles, book.totals(engine->id).unitTotalMinutes),
        std::pair(std::optional(40), std::optional(363.5)));
    EXPECT_EQ(book.downloads(engine->id)[1].totals.shutdownPump, 121);
    // The other way round: the longer copy of run 3 replaces the newer's, run 4 is known.
    Logbook reverse(at("r"));
    const qint64 g = reverse.addEngine(QStringLiteral("E"), {})->id;
    EXPECT_EQ(Counts(reverse.import(b, g)), std::tuple(3, 0, 0));
    EXPECT_EQ(Counts(reverse.import(a, g)), std::tuple(0, 1, 1));
    std::vector<int> lengths;
    for (const LoggedRun& r : reverse.runs(g)) lengths.push_back(r.run.lineCount);
    EXPECT_EQ(lengths, (std::vector<int>{12, 26, 12}));
}

// The commands on a crafted life, byte for byte: the baseline of the first ten measured
// starts, a hot start and a slow one flagged, a run without a measured start not.
TEST_P(Logbooks, CommandsPrintTheEnginesLife) {
    const QString book = at("l");
    const QString file = Export(dir, "life.txt", Lines(Life()));
    Ran ran = Book(book, {"import", file});
    ASSERT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out, file.toStdString() +
                           ": BENCH ENGINE NUMBER 2, 13 runs added, 0 replaced, "
                           "0 already there\n");
    EXPECT_EQ(Book(book, {"import", file, "--engine", "Other"}).out,
              file.toStdString() + ": already in the logbook\n");
    EXPECT_EQ(Book(book, {"engines", "--csv"}).out,
              "engine,runs,minutes,flagged,events,last_service,minutes_since_service,shift\n"
              "BENCH ENGINE NUMBER 2,13,1.3,2,1,,1.3,\n");
    // An ordinary run measured, the hot and the slow start flagged, the failed one named.
    const QStringList runs =
        QString::fromStdString(Book(book, {"runs", "BENCH ENGINE NUMBER 2", "--csv"}).out)
            .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(runs.size(), 14);
    EXPECT_EQ(runs[0],
              "date,download,cycle,start_min,duration_s,time_to_idle_s,peak_start_egt_c,max_rpm,"
              "max_egt_c,mean_pump_permille,light_to_idle_s,idle_egt_c,idle_pump_permille,"
              "full_egt_c,full_pump_permille,coast_down_s,failed_before,events,flag");
    EXPECT_EQ(runs[1], "2026-12-06 10:00:00,life.txt,1,0.0,6.0,3.0,700,65000,700,403,2.5,,,,,,0,,");
    EXPECT_TRUE(runs[11].endsWith(",0,,start EGT 150 C above normal")) << runs[11].toStdString();
    EXPECT_TRUE(runs[12].endsWith(",0,,idle after 2.00x normal")) << runs[12].toStdString();
    EXPECT_TRUE(runs[13].contains(",,,,,,0,failed start (reached 5000 RPM) at minute ") &&
                runs[13].endsWith(","))
        << runs[13].toStdString();
    ran = Book(book, {"report", "BENCH ENGINE NUMBER 2", "--pdf", dir.filePath("r.pdf")});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_GT(QFile(dir.filePath("r.pdf")).size(), 1000);
    // Not an export: named with its line, nothing added.
    std::string error;
    ASSERT_TRUE(WriteLines(
        dir.filePath("bad.txt"),
        {"\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\"", "1,2,3"}, error));
    ran = Book(book, {"import", file, dir.filePath("bad.txt")});
    EXPECT_EQ(ran.status, 3);
    EXPECT_NE(ran.err.find("bad.txt:2: "), std::string::npos) << ran.err;
    EXPECT_EQ(Book(book, {"runs", "nobody"}).status, 3);
    EXPECT_EQ(Book(book, {"runs", ""}).status, 3);
}

// A logbook another connection holds locked, or a damaged file, is named in one message; the
// program goes on without it (the download is not held up).
TEST(Logbook, LockedOrDamagedIsNamedAndSkipped) {
    QTemporaryDir dir;
    const QString path = dir.filePath("l.sqlite");
    const auto life = Read(Export(dir, "life.txt", Lines(Life())));
    {
        Logbook first(path);
        ASSERT_TRUE(first.isOpen());
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        Logbook second(path);
        const auto r = second.import(life, 1);
        EXPECT_EQ(r.status, ImportResult::Failed);
        EXPECT_TRUE(r.error.contains(path) && r.error.contains(QStringLiteral("locked")))
            << r.error.toStdString();
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase("holder");
    const QString damaged = dir.filePath("d.sqlite");
    std::string error;
    ASSERT_TRUE(WriteLines(damaged, {std::string(8192, 'x')}, error));
    EXPECT_FALSE(Logbook(damaged).isOpen());
    SimRig sim;
    OperationRig rig(sim.link);
    sim.run(1000);
    rig.dialogs.answerSaveFile(rig.path("run"));
    DownloadInto(sim, rig, {damaged, QStringLiteral("E"), false});
    EXPECT_EQ(rig.status, OpStatus::Done);
    const auto messages = rig.dialogs.messages();
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [&](const QString& m) { return m.contains(damaged); }),
              1);
}

// A logbook of the first schema (no events, no run positions) is brought up to date in place.
TEST(Logbook, MigratesFromTheFirstSchema) {
    QTemporaryDir dir;
    const QString path = dir.filePath("v1.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v1");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql :
             {"CREATE TABLE engines(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, serial "
              "INTEGER, welcome TEXT NOT NULL DEFAULT '')",
              "CREATE TABLE downloads(id INTEGER PRIMARY KEY, engine_id INTEGER NOT NULL, file "
              "TEXT NOT NULL, sha256 TEXT NOT NULL UNIQUE, moment TEXT NOT NULL, unit_kind TEXT "
              "NOT NULL DEFAULT '', cycles INTEGER, total_minutes REAL, shutdown_cause TEXT NOT "
              "NULL DEFAULT '', shutdown_rpm INTEGER, shutdown_egt INTEGER, shutdown_pump INTEGER)",
              "CREATE TABLE runs(id INTEGER PRIMARY KEY, download_id INTEGER NOT NULL, started "
              "TEXT NOT NULL, cycle INTEGER NOT NULL, first_line INTEGER NOT NULL, line_count "
              "INTEGER NOT NULL, idle_line INTEGER, peak_start_egt INTEGER, max_rpm INTEGER NOT "
              "NULL, max_egt INTEGER NOT NULL, mean_pump INTEGER, idle_known INTEGER NOT NULL, "
              "start_cut INTEGER NOT NULL, samples BLOB NOT NULL)",
              "INSERT INTO engines VALUES(1, 'Old', NULL, 'OLD')",
              "INSERT INTO downloads(id, engine_id, file, sha256, moment) VALUES(1, 1, 'o.txt', "
              "'ab', '2025-01-01 10:00:00')",
              "INSERT INTO runs VALUES(1, 1, '2025-01-01 09:00', 7, 90, 10, 96, 700, 70000, 700, "
              "400, 1, 0, 'x')",
              "INSERT INTO runs VALUES(2, 1, '2025-01-01 08:00', 6, 20, 10, 26, 700, 70000, 700, "
              "400, 1, 0, 'y')",
              "PRAGMA user_version = 1"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
    Logbook book(path);
    ASSERT_TRUE(book.isOpen()) << book.error().toStdString();
    const auto runs = book.runs(1);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].run.cycle, 6);
    EXPECT_EQ(std::pair(runs[0].position, runs[1].position), std::pair(0, 1));
    EXPECT_TRUE(book.addEvent(
        1, {QStringLiteral("backup"), QDateTime::currentDateTime(), QStringLiteral("b.nvc"), {}}));
    EXPECT_EQ(book.events(1).size(), 1u);
}

// The normal start: sample by sample from light-off, the median of the baseline's starts.
TEST_P(Logbooks, TheNormalStartIsTheMedianOfTheBaselinesStarts) {
    Logbook book(at("l"));
    const qint64 id = book.addEngine(QStringLiteral("E"), {})->id;
    const auto file = Read(Export(dir, "n.txt", Lines({{1, 6, 700}, {2, 6, 760}, {3, 6, 720}})));
    ASSERT_EQ(book.import(file, id).status, ImportResult::Added);
    const auto normal = book.normalStart(id);
    ASSERT_EQ(normal.size(), 11u);  // 5 samples to idle, 6 running
    EXPECT_EQ(std::tuple(normal[0].temp, normal[5].rpm, normal.back().pump),
              std::tuple(720, 60000, 405));
}

// Four programs importing into one logbook at once, a new one too: each waits for the one
// before it where they write the same engine, and every import lands; the same file imported
// by two of them counts once.
TEST_P(Logbooks, FourProgramsImportAtOnce) {
    QStringList files;
    for (int k = 0; k < 3; ++k)
        files << Export(dir, QStringLiteral("%1.txt").arg(k).toLatin1(), Lines({{k + 1, 6, 700}}),
                        QStringLiteral("2026-12-06 1%1:00:00").arg(k).toLatin1());
    files << files[0];
    const QString book = at("shared");  // first: the server's password file goes to the programs
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program[4];
    for (int k = 0; k < 4; ++k) {
        program[k].setProcessEnvironment(env);
        program[k].start(QStringLiteral(NORVA_PROGRAM),
                         {"--logbook", book, "logbook", "import", files[k]});
    }
    for (QProcess& p : program) {
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    Logbook shared(book);
    ASSERT_TRUE(shared.isOpen()) << shared.error().toStdString();
    const auto engines = shared.engines();
    ASSERT_EQ(engines.size(), 1u);
    EXPECT_EQ(shared.downloads(engines[0].id).size(), 3u);
    EXPECT_EQ(shared.runs(engines[0].id).size(), 3u);
}

// A page overwritten in the middle of the file: every command names the damage and exits 3,
// none reads it as an empty logbook. Names are shown as the terminal can show them, and an
// impossible cycle count in a trailer is left unknown.
TEST(Logbook, DamageIsNamedNeverReadAsEmpty) {
    QTemporaryDir dir;
    const QString book = dir.filePath("l.sqlite");
    QString file = Export(dir, "life.txt", Lines(Life()));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray text =
            f.readAll().replace("Cycles:        40 ", "Cycles: 99999999999999999999 ");
        f.resize(0);
        f.write(text);
    }
    EXPECT_FALSE(Read(file).totals.cycles);
    ASSERT_EQ(Book(book, {"import", file, "--engine", "E\x1b[2Jx"}).status, 0);
    EXPECT_EQ(Book(book, {"engines"}).out, "E\\x1B[2Jx  13 runs  1.3 min  2 flagged  1 event\n");
    Ran blank = Book(book, {"import", file, "--engine", "  "});
    EXPECT_EQ(blank.status, 3);
    EXPECT_EQ(blank.err, "norva: --engine needs a name, not blanks\n");
    {
        QFile f(book);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 4 * 4096);
        f.seek(3 * 4096);
        f.write(QByteArray(f.size() - 3 * 4096, '\x5a'));
    }
    for (const QStringList& command : {QStringList{"engines"},
                                       {"runs", "E\x1b[2Jx"},
                                       {"report", "E\x1b[2Jx", "--pdf", dir.filePath("r.pdf")}}) {
        const Ran ran = Book(book, command);
        EXPECT_EQ(ran.status, 3) << command.join(' ').toStdString();
        EXPECT_NE(ran.err.find(book.toStdString() + " is damaged (SQLite: "), std::string::npos)
            << ran.err;
        EXPECT_EQ(ran.out, "");
    }
}

// Units whose welcome texts match are still told apart: another serial number, or the other
// kind of unit, gets an engine of its own, never merged into the first.
TEST_P(Logbooks, AnotherUnitWithTheSameWelcomeTextGetsItsOwnEngine) {
    const QString book = at("l");
    const QString file = Export(dir, "life.txt", Lines(Life()));
    FakeBackend bus;
    Link link(bus);
    OperationRig rig{link};
    const QString welcome = QStringLiteral("BENCH ENGINE NUMBER 2");
    const auto log = [&](std::optional<int> serial, const char* kind) {
        Task<> t = LogDownload(rig.services(), {book, {}, false}, file, {serial, welcome},
                               QString::fromLatin1(kind), {})
                       .started();
        EXPECT_TRUE(WaitReally([&] { return t.done(); }));
    };
    log(1000, "downward");
    log(2000, "downward");
    log(std::nullopt, "upward");
    log(2000, "downward");  // goes where the first download of its unit went
    Logbook logbook(book);
    std::vector<std::pair<QString, std::optional<int>>> engines;
    for (const Engine& e : logbook.engines()) engines.emplace_back(e.name, e.serial);
    EXPECT_EQ(engines, (std::vector<std::pair<QString, std::optional<int>>>{
                           {welcome, 1000},
                           {welcome + " (serial 2000)", 2000},
                           {welcome + " (upward unit)", std::nullopt}}));
    EXPECT_TRUE(rig.lastMessage().contains("is another unit's engine"))
        << rig.lastMessage().toStdString();
    // Renaming to a name another engine has says so.
    EXPECT_FALSE(logbook.renameEngine(logbook.engines()[1].id, welcome));
    EXPECT_EQ(logbook.error(), "another engine is named so");
}

// The limits a download's runs are measured with: the image the program held (a downward
// unit's trailer lists no idle speed), else the engine's, given once and kept; runs logged
// without them are measured again when they come. At the unit's own EGT limit a start is hot
// whatever the baseline.
TEST_P(Logbooks, EveryUnitIsMeasuredWithTheLimitsItHad) {
    Logbook book(at("l"));
    const auto engine = book.addEngine(QStringLiteral("E"), {.serial = 7, .welcome = {}});
    ASSERT_TRUE(engine);
    // Exports without a trailer, as a downward unit's list no idle speed.
    auto bare = [&](const char* name, const std::vector<Crafted>& runs, const char* moment) {
        std::string error;
        EXPECT_TRUE(WriteLines(dir.filePath(name), BareExport(runs, moment), error));
        return Read(dir.filePath(name));
    };
    const auto old = bare("old.txt", {{1, 6, 700}}, "2026-12-01 10:00:00");
    ASSERT_EQ(book.import(old, engine->id).status, ImportResult::Added);
    EXPECT_FALSE(book.runs(engine->id)[0].health.measured);  // nothing to measure it with

    std::vector<uint8_t> image(256, 0);
    image[50] = 20, image[51] = 150, image[53] = 200;  // idle 20000, full 150000, 800 C
    const auto held = bare("held.txt", {{2, 6, 700}, {3, 6, 820}}, "2026-12-02 10:00:00");
    ASSERT_EQ(book.import(held, engine->id, QStringLiteral("downward"), image).status,
              ImportResult::Added);
    const auto runs = book.runs(engine->id);
    ASSERT_EQ(runs.size(), 3u);
    for (const LoggedRun& r : runs) EXPECT_TRUE(r.health.measured) << r.run.cycle;
    EXPECT_EQ(runs[0].limits.idleRpm, 20000);  // the old one, measured again
    EXPECT_EQ(runs[2].health.flag, "hot start 820 C (limit 800 C)");
    EXPECT_EQ(book.downloads(engine->id)[1].limits.maxEgtC, 800);

    // Given by hand: kept for the engine, the newest given wins.
    ASSERT_TRUE(book.setEngineLimits(engine->id, {.idleRpm = 4000, .fullRpm = {}, .maxEgtC = {}}));
    EXPECT_EQ(book.engineNamed(QStringLiteral("E"))->limits,
              (EngineLimits{.idleRpm = 4000, .fullRpm = 150000, .maxEgtC = 800}));
    EXPECT_EQ(*book.runs(engine->id)[0].run.idleLine, 2);  // 5000 RPM is above 4000
}

// After cycle 255 comes 0: the newest runs stand first in the file, yet they are the newest,
// whole, and the oldest run (its start overwritten) is the one cut.
TEST_P(Logbooks, ACycleCountThatWrappedKeepsTimeOrder) {
    Logbook book(at("l"));
    const auto engine = book.addEngine(QStringLiteral("E"), {});
    // The ring as the export lays it out: cycles 0 and 1 (newest), then 254 (cut) and 255.
    auto lines = Lines({{0, 6, 700}, {1, 6, 700}});
    const auto older = Lines({{254, 6, 700}, {255, 6, 700}});
    lines.insert(lines.end(), older.begin() + 3, older.end());  // 254's start overwritten
    const auto file = Read(Export(dir, "w.txt", lines));
    ASSERT_EQ(book.import(file, engine->id).status, ImportResult::Added);
    std::vector<std::pair<int, bool>> order;  // cycle, start cut
    for (const LoggedRun& r : book.runs(engine->id))
        order.emplace_back(r.run.cycle, r.run.startCut);
    EXPECT_EQ(order, (std::vector<std::pair<int, bool>>{
                         {254, true}, {255, false}, {0, false}, {1, false}}));
}

// A service starts the baseline again: starts that would stand out against the old normal are
// the new normal. Five starts in a row drifting from it raise a shift, each alone too small.
TEST_P(Logbooks, AServiceRestartsTheBaselineAndAShiftIsSeen) {
    const QString path = at("l");
    std::vector<Crafted> before, after;
    for (int c = 1; c <= 10; ++c) before.push_back({c, 6, 700});
    for (int c = 11; c <= 15; ++c) before.push_back({c, 6, 760});  // +60 C: a shift, no flag
    for (int c = 16; c <= 25; ++c) after.push_back({c, 6, 900});
    const QString a = Export(dir, "a.txt", Lines(before), "2026-01-01 10:00:00");
    ASSERT_EQ(Book(path, {"import", a}).status, 0);
    EXPECT_EQ(Book(path, {"engines"}).out,
              "BENCH ENGINE NUMBER 2  15 runs  1.5 min  1 flagged  0 events  shift: start EGT "
              "+60 C over the last 5 starts\n");
    const Ran ran = Book(path, {"service", "BENCH ENGINE NUMBER 2", "--note", "bearings"});
    ASSERT_EQ(ran.status, 0) << ran.err;
    EXPECT_NE(ran.out.find("service recorded"), std::string::npos);
    const QString b = Export(dir, "b.txt", Lines(after), "2099-01-01 10:00:00");
    ASSERT_EQ(Book(path, {"import", b}).status, 0);
    Logbook book(path);
    const auto e = book.engines().at(0);
    const EngineLife life = book.life(e.id);
    EXPECT_EQ(life.baseline.peakStartEgt, 900);  // the service's own
    EXPECT_EQ(life.totals.runsSinceService, 10);
    EXPECT_EQ(life.totals.shift, "");
    EXPECT_EQ(life.totals.flagged, 1);  // the shift before the service only
    EXPECT_EQ(book.events(e.id, QStringLiteral("service")).at(0).detail, "bearings");
}

// The logbook keeps each download itself: a kept copy it holds may go, and is made again byte
// for byte; vacuum removes those and the kept ones older than a year, and says so.
TEST_P(Logbooks, TheLogbookKeepsTheDownloadItselfAndVacuumSaysWhatItFreed) {
    const QString library = NorvaHome().filePath(QStringLiteral("data/norva/runlogs"));
    QDir(library).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(library));
    std::string error;
    const auto write = [&](const char* name, int cycle) {
        const QString path = QDir(library).filePath(QString::fromLatin1(name));
        EXPECT_TRUE(WriteLines(path, BareExport({{cycle, 6, 700}}, "2026-12-06 10:00:00"), error));
        return path;
    };
    const QString held = write("2026-12-01_10-00-00.txt", 1);
    const QString old = write("2025-01-01_10-00-00.txt", 2);
    const QString recent = write("2026-12-02_10-00-00.txt", 3);
    const QByteArray bytes = Bytes(held);
    const QString path = at("l");
    ASSERT_EQ(Book(path, {"import", held}).status, 0);
    const Ran ran = Book(path, {"vacuum"});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_NE(ran.out.find(": 1 kept downloads the logbook holds (made again when opened), 1 older "
                           "than 365 days; the logbook " +
                           Logbook(path).name().toStdString() + " went from "),
              std::string::npos)
        << ran.out;
    EXPECT_EQ(std::tuple(QFile::exists(held), QFile::exists(old), QFile::exists(recent)),
              std::tuple(false, false, true));
    Logbook book(path);
    const auto download = book.downloads(book.engines().at(0).id).at(0);
    ASSERT_TRUE(book.writeExport(download.id, held)) << book.error().toStdString();
    EXPECT_EQ(Bytes(held), bytes);
}

// A shop's server: a role that may only read lists, and is refused an import in one sentence;
// a password is never taken in the URL nor echoed, and one nowhere to be found is said; sslmode
// is honoured; a server that does not answer is named by host and database.
TEST(LogbookServer, ReadOnlyRolesPasswordsAndServersAway) {
    PostgresDatabase db;
    ASSERT_TRUE(db.ok());
    QTemporaryDir dir;
    const QString file = Export(dir, "life.txt", Lines(Life()));
    ASSERT_EQ(Book(db.ownerUrl(), {"import", file}).status, 0);
    EXPECT_EQ(Book(db.readerUrl(), {"engines"}).status, 0);
    const Ran refused = Book(db.readerUrl(), {"import", file});
    EXPECT_EQ(refused.err, "norva: The logbook at 127.0.0.1/" + db.name().toStdString() +
                               " is read-only for norva_reader: nothing was imported.\n");
    const QString withPassword = QString(db.ownerUrl()).replace("owner@", "owner:owner-pw@");
    const auto logbook = [](const QString& url, QString passwords = {}) {
        return RunNorva({"--logbook", url, "logbook", "engines"}, 60000,
                        {{"PGPASSFILE", passwords.isEmpty() ? qgetenv("PGPASSFILE") : passwords}});
    };
    const std::pair<Ran, const char*> refusals[] = {
        {refused, "read-only"},
        {logbook(withPassword), "URL holds a password"},
        {logbook(db.ownerUrl(), "/nonexistent"), "no password supplied"},
        {logbook(db.ownerUrl() + "?sslmode=require"), "SSL"},
        {logbook("postgresql://norva_owner@127.0.0.1:1/away"),
         "norva: The logbook 127.0.0.1/away cannot be used: "}};
    for (const auto& [ran, says] : refusals) {
        EXPECT_EQ(std::pair(ran.status, ran.out), std::pair(3, std::string()));
        EXPECT_NE(ran.err.find(says), std::string::npos) << ran.err;
        EXPECT_EQ(ran.err.find("owner-pw"), std::string::npos) << ran.err;
    }
}

// A logbook copied to the server and back lists the same engines and runs; copied again, it
// adds nothing.
TEST(LogbookServer, CopyToTheServerAndBackKeepsEverything) {
    PostgresDatabase db;
    ASSERT_TRUE(db.ok());
    QTemporaryDir dir;
    const QString here = dir.filePath("here.sqlite"), back = dir.filePath("back.sqlite");
    ASSERT_EQ(Book(here, {"import", Export(dir, "life.txt", Lines(Life()))}).status, 0);
    ASSERT_EQ(Book(here, {"service", "BENCH ENGINE NUMBER 2"}).status, 0);
    for (const char* added : {": 1 engines, 1 downloads with 13 runs, 1 events; 0 downloads",
                              ": 0 engines, 0 downloads with 0 runs, 0 events; 1 downloads"})
        EXPECT_NE(Book(here, {"copy", "--to", db.ownerUrl()}).out.find(added), std::string::npos);
    ASSERT_EQ(Book(back, {"copy", "--from", db.ownerUrl()}).status, 0);
    for (const QStringList& args :
         {QStringList{"engines", "--csv"}, QStringList{"runs", "BENCH ENGINE NUMBER 2", "--csv"}})
        EXPECT_EQ(Book(back, args).out, Book(here, args).out);
}
