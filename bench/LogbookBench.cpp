// The engine logbook: importing one full export and a thousand of them (each run measured, its
// events found), listing an engine of ten thousand runs with their flags and events, and its
// report as a PDF page; the same on a shop's PostgreSQL server, with four programs at once.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <optional>

#include "base/NumberedLines.h"
#include "base/Platform.h"
#include "cli/LogbookCommands.h"
#include "logbook/EngineReport.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookWindow.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;

namespace {
// A full export (6144 lines; the trailer's idle speed 35000, full speed 150000, maximum EGT
// 700 C) of 25 runs of 200 lines and a stop of 45 between them, every fifth run 2 s over the
// EGT limit; `n` makes its samples and cycles its own.
std::vector<std::string> FullExport(int n) {
    std::vector<std::string> out{std::string(kRunLogColumns) + ",#2026-12-06 10:00:00#"};
    for (int k = 0; k < kRunLogLines; ++k) {
        const int run = k / 245;
        const int at = k % 245;
        const int rpm = at < 5 || at >= 205 || run >= 25 ? 0
                        : at < 20                        ? 8000 + at * 1000
                                                         : 60000 + at * 100;
        const int temp = at < 20                                 ? 300 + at * 20 + (n % 7) * 10
                         : run % 5 == 0 && at >= 100 && at < 104 ? 760
                                                                 : 600 + n % 50;
        out.push_back(
            RunLogRecord({(n * 25 + run) % 256, k / 6 % 256, 0, temp, rpm, 500, 400 + n % 100}));
    }
    out.insert(out.end(), {"", std::string(54, '*'), "", "  BENCH ENGINE  ", "                ", "",
                           "Cycles:        7 ", "50,\"23\"", "51,\"96\"", "53,\"AF\""});
    return out;
}

// Each iteration writes a new full export (its samples and cycles from `n` on) and imports it.
void ImportNewExports(benchmark::State& state, Logbook& book, qint64 engine,
                      const QTemporaryDir& dir, int n) {
    std::string error;
    const std::string path = dir.filePath(QStringLiteral("export.txt")).toStdString();
    for (auto _ : state) {
        state.PauseTiming();
        WriteLines(QString::fromStdString(path), FullExport(n++), error);
        state.ResumeTiming();
        if (book.import(*ReadLogbookExport(path, error), engine).status != ImportResult::Added)
            state.SkipWithError("not added");
    }
}

LogbookExport Written(const QTemporaryDir& dir, int n) {
    std::string error;
    const QString path = dir.filePath(QStringLiteral("export.txt"));
    WriteLines(path, FullExport(n), error);
    return *ReadLogbookExport(path.toStdString(), error);
}
}  // namespace

// Reading the file (with its SHA-256) and adding it, into a logbook of a hundred before it.
static void BM_LogbookImportOneFullExport(benchmark::State& state) {
    QTemporaryDir dir;
    Logbook book(dir.filePath(QStringLiteral("l.sqlite")));
    const qint64 engine = book.addEngine(QStringLiteral("E"), {})->id;
    for (int n = 0; n < 100; ++n) book.import(Written(dir, n), engine);
    ImportNewExports(state, book, engine, dir, 100);
}
BENCHMARK(BM_LogbookImportOneFullExport)->Unit(benchmark::kMillisecond)->Iterations(50);

static void BM_LogbookImport1000Exports(benchmark::State& state) {
    std::string error;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        Logbook book(dir.filePath(QStringLiteral("l.sqlite")));
        const qint64 engine = book.addEngine(QStringLiteral("E"), {})->id;
        const std::string path = dir.filePath(QStringLiteral("export.txt")).toStdString();
        state.ResumeTiming();
        for (int n = 0; n < 1000; ++n) {
            state.PauseTiming();
            WriteLines(QString::fromStdString(path), FullExport(n), error);
            state.ResumeTiming();
            book.import(*ReadLogbookExport(path, error), engine);
        }
        state.PauseTiming();
        // What the database takes a download (25 runs), its write-ahead log folded in.
        book.checkpoint();
        state.counters["db_bytes_per_download"] =
            double(QFileInfo(dir.filePath(QStringLiteral("l.sqlite"))).size()) / 1000;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LogbookImport1000Exports)->Unit(benchmark::kSecond)->Iterations(1);

// `logbook import` of 1,000 files in one call, as a process of its own: its peak memory (the
// files are read, added and let go one at a time).
static void BM_LogbookImport1000FilesPeakMemory(benchmark::State& state) {
    QTemporaryDir dir;
    std::string error;
    std::vector<std::string> args{
        QCoreApplication::applicationDirPath().toStdString() + "/norva", "--logbook",
        dir.filePath(QStringLiteral("l.sqlite")).toStdString(), "logbook", "import"};
    for (int n = 0; n < 1000; ++n) {
        const QString path = dir.filePath(QStringLiteral("e%1.txt").arg(n));
        WriteLines(path, FullExport(n), error);
        args.push_back(path.toStdString());
    }
    for (auto _ : state) {
        const auto usage = RunMeasured(args);
        if (!usage || !usage->succeeded) {
            state.SkipWithError("import failed");
            continue;
        }
        state.counters["peak_MiB"] = usage->peakMiB;
        state.counters["cpu_s"] = usage->cpuSeconds;
    }
}
BENCHMARK(BM_LogbookImport1000FilesPeakMemory)->Unit(benchmark::kSecond)->Iterations(1);

namespace {
// An engine of 10,000 runs: 400 exports of 25.
struct BigEngine {
    QTemporaryDir dir;
    Logbook book{dir.filePath(QStringLiteral("l.sqlite"))};
    Engine engine = *book.addEngine(QStringLiteral("E"), {});
    BigEngine() {
        for (int n = 0; n < 400; ++n) book.import(Written(dir, n), engine.id);
    }
};
BigEngine& Big() {
    static BigEngine big;
    return big;
}
}  // namespace

static void BM_LogbookListEngineOf10000Runs(benchmark::State& state) {
    BigEngine& big = Big();
    for (auto _ : state) {
        const auto runs = big.book.runs(big.engine.id);
        if (runs.size() != 10000) state.SkipWithError("not 10,000 runs");
        if (runs[0].analysis.events.empty()) state.SkipWithError("no events");
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(BM_LogbookListEngineOf10000Runs)->Unit(benchmark::kMillisecond);

// `logbook engines` over a shop's logbook: 1,000 engines of 12 runs each (the lines printed to
// /dev/null).
static void BM_LogbookEnginesOf1000Engines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("l.sqlite"));
    {
        Logbook book(path);
        std::string error;
        const QString file = dir.filePath(QStringLiteral("export.txt"));
        for (int n = 0; n < 1000; ++n) {
            auto lines = FullExport(n);
            // 12 runs: the rest of the log stands.
            for (size_t k = 1 + 12 * 245; k <= size_t(kRunLogLines); ++k)
                lines[k] = RunLogRecord({(n * 25 + 12) % 256, 0, 0, 20, 0, 0, 0});
            WriteLines(file, lines, error);
            const auto engine = book.addEngine(QStringLiteral("Engine %1").arg(n), {});
            book.import(*ReadLogbookExport(file.toStdString(), error), engine->id);
        }
    }
    std::FILE* none = std::fopen("/dev/null", "w");
    for (auto _ : state)
        if (LogbookEngines(path, false, none, none) != 0) state.SkipWithError("failed");
    std::fclose(none);
}
BENCHMARK(BM_LogbookEnginesOf1000Engines)->Unit(benchmark::kMillisecond);

static void BM_LogbookEngineReportPdf(benchmark::State& state) {
    BigEngine& big = Big();
    QTemporaryDir dir;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(QStringLiteral("report.pdf")));
        PrintEngineReport(writer, big.engine, big.book.life(big.engine.id));
    }
}
BENCHMARK(BM_LogbookEngineReportPdf)->Unit(benchmark::kMillisecond);

namespace {
// An engine of about 100,000 runs: one export of 25 taken in, its runs copied 12 times over.
struct HugeEngine {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("l.sqlite"));
    HugeEngine() {
        Logbook book(path);
        const qint64 engine = book.addEngine(QStringLiteral("E"), {})->id;
        book.import(Written(dir, 0), engine);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "huge");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        for (int k = 0; k < 12; ++k)
            q.exec(QStringLiteral(
                "INSERT INTO runs(download_id, position, started, cycle, first_line, line_count,"
                " idle_line, peak_start_egt, max_rpm, max_egt, mean_pump, idle_known, start_cut,"
                " samples, head, tail, light_line, events, hash, end_cut) SELECT download_id,"
                " position, started, cycle, first_line, line_count, idle_line, peak_start_egt,"
                " max_rpm, max_egt, mean_pump, idle_known, start_cut, samples, head, tail,"
                " light_line, events, hash, end_cut FROM runs"));
        db.close();
    }
    ~HugeEngine() { QSqlDatabase::removeDatabase("huge"); }
};
}  // namespace

// Opening the logbook window on that engine: how long the interface thread is kept from its
// events at most (a 1 ms timer's lateness) until the runs are shown and both trends drawn.
static void BM_LogbookWindowOpens100000Runs(benchmark::State& state) {
    static HugeEngine huge;
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        double longest = 0;
        QElapsedTimer tick;
        QTimer watch;
        watch.setTimerType(Qt::PreciseTimer);
        watch.setInterval(1);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            longest = std::max(longest, tick.nsecsElapsed() / 1e6 - 1);
            tick.restart();
        });
        tick.start();
        watch.start();
        QElapsedTimer clock;
        clock.start();
        LogbookWindow window(huge.path, dialogs, {});
        window.show();
        while (window.loading() || window.Runs->model()->rowCount() == 0) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (clock.elapsed() > 60000) break;
        }
        QCoreApplication::processEvents();  // the trends drawn
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        state.counters["runs"] = window.Runs->model()->rowCount();
        state.counters["longest_block_ms"] = longest;
    }
}
BENCHMARK(BM_LogbookWindowOpens100000Runs)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

namespace {
// A shop's server for the benchmarks below: NORVA_BENCH_POSTGRES=postgresql://USER@HOST:PORT
// names it (a role that may make databases, its password in ~/.pgpass or PGPASSFILE), e.g. the
// tests' throwaway one: tests/support/postgres.sh start /tmp/pg.state, then
// NORVA_BENCH_POSTGRES=postgresql://norva_owner@127.0.0.1:PORT and PGPASSFILE from the state.
// Each benchmark gets a new database of its own, dropped after it.
class ServerDatabase {
  public:
    explicit ServerDatabase(benchmark::State& state) {
        const QString server = qEnvironmentVariable("NORVA_BENCH_POSTGRES");
        if (server.isEmpty()) {
            state.SkipWithError("NORVA_BENCH_POSTGRES names no server");
            return;
        }
        static int made = 0;
        name_ =
            QStringLiteral("norva_bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
        url_ = server + QLatin1Char('/') + name_;
        if (!admin(server, QStringLiteral("CREATE DATABASE ") + name_)) {
            state.SkipWithError("the server does not answer or may not make a database");
            url_.clear();
        }
    }
    ~ServerDatabase() {
        if (!url_.isEmpty())
            admin(qEnvironmentVariable("NORVA_BENCH_POSTGRES"),
                  QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name_));
    }
    const QString& url() const { return url_; }

  private:
    static bool admin(const QString& server, const QString& sql) {
        const QUrl at(server);
        bool done = false;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
            db.setHostName(at.host());
            db.setPort(at.port(5432));
            db.setUserName(at.userName());
            db.setDatabaseName(QStringLiteral("postgres"));
            done = db.open() && QSqlQuery(db).exec(sql);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
        return done;
    }
    QString name_, url_;
};
}  // namespace

namespace {
// A server's logbook of one engine, `downloads` full exports in it.
struct ServerEngine {
    ServerDatabase db;
    QTemporaryDir dir;
    std::optional<Logbook> book;
    qint64 engine = 0;
    ServerEngine(benchmark::State& state, int downloads) : db(state) {
        if (db.url().isEmpty()) return;
        book.emplace(db.url());
        engine = book->addEngine(QStringLiteral("E"), {})->id;
        for (int n = 0; n < downloads; ++n) book->import(Written(dir, n), engine);
    }
};
}  // namespace

// Reading the file and adding it, into a server's logbook of twenty before it.
static void BM_ServerLogbookImportOneFullExport(benchmark::State& state) {
    ServerEngine server(state, 20);
    if (!server.book) return;
    ImportNewExports(state, *server.book, server.engine, server.dir, 20);
}
BENCHMARK(BM_ServerLogbookImportOneFullExport)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->UseRealTime();

// Four bench PCs at once, each a `logbook import` of 100 exports of its own engine, against one
// such program alone: the wall time of both, and four's over one's.
static void BM_ServerLogbookFourProgramsImport100Each(benchmark::State& state) {
    const ServerDatabase db(state);
    if (db.url().isEmpty()) return;
    QTemporaryDir dir;
    std::string error;
    const auto files = [&](int pc) {
        QStringList args{"--logbook", db.url(),   "logbook",
                         "import",    "--engine", QStringLiteral("PC %1").arg(pc)};
        for (int n = 0; n < 100; ++n) {
            const QString path = dir.filePath(QStringLiteral("pc%1-%2.txt").arg(pc).arg(n));
            WriteLines(path, FullExport(pc * 100 + n), error);
            args << path;
        }
        return args;
    };
    const QString norva = QCoreApplication::applicationDirPath() + QStringLiteral("/norva");
    const auto importing = [&](std::vector<QStringList> programs) {
        QElapsedTimer took;
        took.start();
        std::vector<std::unique_ptr<QProcess>> running;
        for (const QStringList& args : programs) {
            running.push_back(std::make_unique<QProcess>());
            running.back()->start(norva, args);
        }
        bool ok = true;
        for (auto& p : running) ok = p->waitForFinished(600000) && p->exitCode() == 0 && ok;
        return ok ? took.elapsed() / 1000.0 : -1;
    };
    const std::vector<QStringList> alone{files(0)}, four{files(1), files(2), files(3), files(4)};
    for (auto _ : state) {
        const double one = importing(alone);
        const double all = importing(four);
        if (one < 0 || all < 0) state.SkipWithError("an import failed");
        state.counters["one_s"] = one;
        state.counters["four_s"] = all;
        state.counters["four_over_one"] = all / one;
    }
}
BENCHMARK(BM_ServerLogbookFourProgramsImport100Each)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// An engine of 10,000 runs (400 exports of 25) on the server, its runs read with their flags.
static void BM_ServerLogbookListEngineOf10000Runs(benchmark::State& state) {
    ServerEngine server(state, 400);
    if (!server.book) return;
    for (auto _ : state) {
        const auto runs = server.book->runs(server.engine);
        if (runs.size() != 10000) state.SkipWithError("not 10,000 runs");
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(BM_ServerLogbookListEngineOf10000Runs)->Unit(benchmark::kMillisecond)->UseRealTime();
