#include "logbook/Logbook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <span>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "base/Windows1252.h"
#include "logbook/LogbookLocation.h"
#include "protocol/AddressMap.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::Logbook)
};
}  // namespace

QString DefaultLogbookPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("norva/logbook.sqlite"));
}

namespace {

// The two welcome lines as one name: control bytes (an image never written) read as blanks.
QString WelcomeOf(std::span<const uint8_t> bytes) {
    QString text = AnsiText(bytes);
    for (QChar& c : text)
        if (c.unicode() < 0x20) c = QLatin1Char(' ');
    return text.left(16).simplified() + QLatin1Char(' ') + text.mid(16).simplified();
}

QString Trim(QString s) {
    return s.simplified();
}

// Rounded to a whole number; nothing for a number no int holds ("Cycles: 99999999999999999999").
std::optional<int> Rounded(std::optional<double> v) {
    if (!v || !(std::fabs(*v) < 2147483647.0)) return std::nullopt;
    return int(*v >= 0 ? *v + 0.5 : *v - 0.5);
}

// A run's samples as the logbook compares them: its records between line ends, so that one
// copy lies within another exactly when its lines do.
QByteArray Samples(const std::vector<RunLogLine>& lines, const EngineRun& run) {
    QByteArray out("\n");
    for (int k = run.firstLine; k <= run.lastLine(); ++k)
        out += QByteArray::fromStdString(RunLogRecord(lines[size_t(k) - 1])) + '\n';
    return out;
}

// Samples are kept compressed: a download's runs are a few hundred repetitive lines each. Rows
// of older logbooks hold them as text, which always begins with a line end.
QByteArray Packed(const QByteArray& samples) {
    return qCompress(samples, 6);
}
QByteArray Unpacked(const QByteArray& stored) {
    return stored.size() < 4 || stored.startsWith('\n') ? stored : qUncompress(stored);
}

// The run's samples as a hash that a copy cut at either end can be told by without reading it:
// each record hashed (FNV-1a), the run's hash the polynomial of those, so that the hash of any
// prefix or suffix follows from the prefix hashes. Arithmetic modulo 2^64.
constexpr uint64_t kHashBase = 0x100000001b3ULL * 2 + 1;
uint64_t RecordHash(std::string_view record) {
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : record) h = (h ^ uint8_t(c)) * 0x100000001b3ULL;
    return h;
}
struct RunHashes {
    std::vector<uint64_t> prefix;  // prefix[k]: the hash of the first k records
    std::vector<uint64_t> power;   // kHashBase^k
    uint64_t whole() const { return prefix.back(); }
    // The hash of the last k records.
    uint64_t suffix(size_t k) const {
        const size_t n = prefix.size() - 1;
        return prefix[n] - prefix[n - k] * power[k];
    }
};
RunHashes HashesOf(const std::vector<std::string_view>& records) {
    RunHashes h;
    h.prefix.reserve(records.size() + 1);
    h.power.reserve(records.size() + 1);
    h.prefix.push_back(0);
    h.power.push_back(1);
    for (const std::string_view r : records) {
        h.prefix.push_back(h.prefix.back() * kHashBase + RecordHash(r));
        h.power.push_back(h.power.back() * kHashBase);
    }
    return h;
}
// The records of a run's samples as kept ("\nR1\nR2\n").
std::vector<std::string_view> RecordsOf(const QByteArray& samples) {
    std::vector<std::string_view> out;
    const std::string_view all(samples.constData(), size_t(samples.size()));
    size_t at = 0;
    while (at < all.size()) {
        const size_t end = all.find('\n', at);
        const size_t stop = end == std::string_view::npos ? all.size() : end;
        if (stop > at) out.push_back(all.substr(at, stop - at));
        at = stop + 1;
    }
    return out;
}
QVariant HashValue(uint64_t h) {
    return QVariant(qint64(h));
}

QVariant Opt(const std::optional<int>& v) {
    return v ? QVariant(*v) : QVariant();
}
QVariant Opt(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant();
}
// A text column: an empty string is stored as such, never as NULL.
QVariant Text(const QString& s) {
    return QVariant(s.isNull() ? QStringLiteral("") : s);
}
std::optional<int> IntOf(const QVariant& v) {
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}
std::optional<double> RealOf(const QVariant& v) {
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}

const char* const kMomentFormat = kRunLogMomentFormat;  // as the export's header has it

// "yyyy-MM-dd hh:mm:ss[.zzz]" as this program writes it, read by hand: QDateTime::fromString
// costs more than the rest of a run's row, and an engine has thousands.
QDateTime MomentOf(const QString& text) {
    const auto digits = [&](int at, int count) {
        int v = 0;
        for (int k = at; k < at + count; ++k) {
            const int d = text[k].unicode() - '0';
            if (d < 0 || d > 9) return -1;
            v = v * 10 + d;
        }
        return v;
    };
    if (text.size() != 19 && text.size() != 23) {
        QDateTime other = QDateTime::fromString(text, QString::fromLatin1(kMomentFormat));
        other.setTimeSpec(Qt::UTC);
        return other;
    }
    const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
    const QTime time(digits(11, 2), digits(14, 2), digits(17, 2),
                     text.size() == 23 ? digits(20, 3) : 0);
    // As read, without a time zone: the local one costs a look at the system's zone files each
    // time, and the logbook only orders and shows its moments.
    return QDateTime(date, time, Qt::UTC);
}
// How long a program waits for another that writes the logbook (its imports are short).
constexpr int kBusyWaitMs = 5000;

// Version 1: engines, downloads and runs without their position in the download.
const char* const kSchemaV1[] = {
    "CREATE TABLE engines(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, serial INTEGER,"
    " welcome TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE downloads(id INTEGER PRIMARY KEY, engine_id INTEGER NOT NULL REFERENCES"
    " engines(id), file TEXT NOT NULL, sha256 TEXT NOT NULL UNIQUE, moment TEXT NOT NULL,"
    " unit_kind TEXT NOT NULL DEFAULT '', cycles INTEGER, total_minutes REAL, shutdown_cause"
    " TEXT NOT NULL DEFAULT '', shutdown_rpm INTEGER, shutdown_egt INTEGER, shutdown_pump"
    " INTEGER)",
    "CREATE TABLE runs(id INTEGER PRIMARY KEY, download_id INTEGER NOT NULL REFERENCES"
    " downloads(id), started TEXT NOT NULL, cycle INTEGER NOT NULL, first_line INTEGER NOT NULL,"
    " line_count INTEGER NOT NULL, idle_line INTEGER, peak_start_egt INTEGER, max_rpm INTEGER"
    " NOT NULL, max_egt INTEGER NOT NULL, mean_pump INTEGER, idle_known INTEGER NOT NULL,"
    " start_cut INTEGER NOT NULL, samples BLOB NOT NULL)",
    "CREATE INDEX runs_by_download ON runs(download_id)",
    "CREATE INDEX runs_by_cycle ON runs(cycle)",
};
// Version 2: the run's position in its download, its first and last sample (a copy cut short
// by the ring shares one of them with the whole run, so only those are compared), and the
// events.
const char* const kMigrateToV2[] = {
    "ALTER TABLE runs ADD COLUMN position INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE runs ADD COLUMN head TEXT",
    "ALTER TABLE runs ADD COLUMN tail TEXT",
    "CREATE INDEX runs_by_head ON runs(cycle, head)",
    "CREATE INDEX runs_by_tail ON runs(cycle, tail)",
    "UPDATE runs SET position = (SELECT COUNT(*) FROM runs AS r WHERE r.download_id ="
    " runs.download_id AND r.first_line < runs.first_line)",
    "CREATE TABLE events(id INTEGER PRIMARY KEY, engine_id INTEGER REFERENCES engines(id),"
    " kind TEXT NOT NULL, moment TEXT NOT NULL, file TEXT NOT NULL DEFAULT '', detail TEXT NOT"
    " NULL DEFAULT '')",
};

// Version 3: the limits each download's runs were measured with and the configuration image it
// was made with, the engine's own limits for downloads without them, each run's light-off,
// steady points, coast-down, events and whether the engine stood after it; indexes for the
// engine's downloads and events.
const char* const kMigrateToV3[] = {
    "ALTER TABLE engines ADD COLUMN idle_rpm INTEGER",
    "ALTER TABLE engines ADD COLUMN full_rpm INTEGER",
    "ALTER TABLE engines ADD COLUMN max_egt INTEGER",
    "ALTER TABLE downloads ADD COLUMN idle_rpm INTEGER",
    "ALTER TABLE downloads ADD COLUMN full_rpm INTEGER",
    "ALTER TABLE downloads ADD COLUMN max_egt INTEGER",
    "ALTER TABLE downloads ADD COLUMN image BLOB",
    "ALTER TABLE runs ADD COLUMN light_line INTEGER",
    "ALTER TABLE runs ADD COLUMN idle_egt INTEGER",
    "ALTER TABLE runs ADD COLUMN idle_pump INTEGER",
    "ALTER TABLE runs ADD COLUMN full_egt INTEGER",
    "ALTER TABLE runs ADD COLUMN full_pump INTEGER",
    "ALTER TABLE runs ADD COLUMN coast_down REAL",
    "ALTER TABLE runs ADD COLUMN events TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE runs ADD COLUMN stopped_after INTEGER",
    "CREATE INDEX downloads_by_engine ON downloads(engine_id)",
    "CREATE INDEX events_by_engine ON events(engine_id, kind)",
};

// Version 4: the export file itself, compressed (a run's samples are its lines; older runs keep
// theirs, compressed), each run's hash and whether the download ended inside it, and indexes by
// which a copy of a run is found without reading the runs of the same cycle.
const char* const kMigrateToV4[] = {
    "ALTER TABLE downloads ADD COLUMN export BLOB",
    "ALTER TABLE runs ADD COLUMN hash INTEGER",
    "ALTER TABLE runs ADD COLUMN end_cut INTEGER NOT NULL DEFAULT 0",
    // Where the download ended is not known for older rows: each download's last run may be cut.
    ("UPDATE runs SET end_cut = 1 WHERE position = (SELECT MAX(position) FROM runs AS r WHERE"
     " r.download_id = runs.download_id)"),
    "CREATE INDEX runs_by_hash ON runs(cycle, hash)",
    "CREATE INDEX runs_cut_by_head ON runs(cycle, head) WHERE start_cut = 1 OR end_cut = 1",
    "CREATE INDEX runs_cut_by_tail ON runs(cycle, tail) WHERE start_cut = 1 OR end_cut = 1",
};

// Where SQLite and PostgreSQL differ; every other statement is the same for both.
// The schema's types: PostgreSQL's INTEGER is 32 bits and its REAL 4 bytes where SQLite's are
// 64 bits and 8 bytes (ids, hashes, minutes), it names a blob BYTEA, and its ids come from an
// identity column.
QString ServerSchema(const char* sql) {
    QString s = QString::fromLatin1(sql);
    s.replace(QLatin1String("INTEGER PRIMARY KEY"),
              QLatin1String("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    static const QRegularExpression integer(QStringLiteral("\\bINTEGER\\b"));
    static const QRegularExpression real(QStringLiteral("\\bREAL\\b"));
    static const QRegularExpression blob(QStringLiteral("\\bBLOB\\b"));
    s.replace(integer, QStringLiteral("BIGINT"));
    s.replace(real, QStringLiteral("DOUBLE PRECISION"));
    s.replace(blob, QStringLiteral("BYTEA"));
    return s;
}
// A server keeps the schema's version in a table (SQLite in its header, PRAGMA user_version).
const char* const kServerVersionTable = "CREATE TABLE norva_schema(version INTEGER NOT NULL)";
// Programs that set up a server's logbook, or import into one engine, take turns: the key of
// the lock is the engine's id; this one, no id, is the schema's.
constexpr qint64 kSchemaLock = 0;

// Events as a column: "kind@line:value:seconds" joined by ';'.
QString EventsColumn(const std::vector<RunEvent>& events) {
    QStringList out;
    for (const RunEvent& e : events)
        out << QStringLiteral("%1@%2:%3:%4")
                   .arg(QLatin1String(EventName(e.kind)))
                   .arg(e.line)
                   .arg(e.value)
                   .arg(e.durationS);
    return out.join(QLatin1Char(';'));
}
std::vector<RunEvent> EventsOf(const QString& column) {
    std::vector<RunEvent> out;
    for (const QString& item : column.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype at = item.indexOf(QLatin1Char('@'));
        const QStringList numbers = item.mid(at + 1).split(QLatin1Char(':'));
        bool ok = at > 0 && numbers.size() == 3;
        const RunEventKind kind =
            EventKindNamed(ok ? item.left(at).toStdString() : std::string(), &ok);
        if (ok)
            out.push_back({.kind = kind,
                           .line = numbers[0].toInt(),
                           .value = numbers[1].toInt(),
                           .durationS = numbers[2].toDouble()});
    }
    return out;
}

// A limit each: the first that knows it.

EngineLimits Merged(const EngineLimits& a, const EngineLimits& b) {
    return {.idleRpm = a.idleRpm ? a.idleRpm : b.idleRpm,
            .fullRpm = a.fullRpm ? a.fullRpm : b.fullRpm,
            .maxEgtC = a.maxEgtC ? a.maxEgtC : b.maxEgtC};
}

// A download's own limits: the image the program held, else its trailer's.
EngineLimits OwnLimits(const LogbookExport& file, std::span<const uint8_t> image) {
    return Merged(image.size() > size_t(cell::kMaxEgt) ? LimitsOf(image) : EngineLimits{},
                  LimitsOf(std::span<const std::optional<uint8_t>>(file.data.cells)));
}
bool Any(const EngineLimits& l) {
    return l.idleRpm || l.fullRpm || l.maxEgtC;
}

// A run of a file measured with its limits: where its start and steady points are, its events.
struct MeasuredRun {
    EngineRun run;
    RunAnalysis analysis;
    bool stoppedAfter = false;
};
std::vector<MeasuredRun> Measured(const std::vector<RunLogLine>& lines,
                                  const EngineLimits& limits) {
    std::vector<MeasuredRun> out;
    for (const EngineRun& run : FindRuns(lines, limits.idleRpm))
        out.push_back({.run = run,
                       .analysis = AnalyseRun(lines, run, limits),
                       .stoppedAfter = size_t(run.lastLine()) < lines.size() &&
                                       lines[size_t(run.lastLine())].rpm == 0});
    return out;
}

// The samples a run was kept with, as lines again.
std::vector<RunLogLine> LinesOf(const QByteArray& samples) {
    std::vector<RunLogLine> out;
    for (const QByteArray& record : samples.split('\n'))
        if (const auto line = RunLogRecordLine(record.toStdString())) out.push_back(*line);
    return out;
}

}  // namespace

EngineIdentity IdentityOf(std::span<const uint8_t> image, bool downward) {
    EngineIdentity id;
    if (downward) id.serial = image[cell::kSerialHigh] * 256 + image[cell::kSerialLow];
    id.welcome = WelcomeOf(image.subspan(cell::kWelcomeFirst, cell::kWelcomeCount));
    return id;
}

std::optional<LogbookExport> ReadLogbookExport(const std::string& path, std::string& error) {
    std::string text;
    auto data = ReadRunLogExport(path, error, &text);
    if (!data) return std::nullopt;
    LogbookExport file;
    file.path = path;
    file.data = std::move(*data);
    file.sha256 = QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())),
                                           QCryptographicHash::Sha256)
                      .toHex();
    file.packed = qCompress(reinterpret_cast<const uchar*>(text.data()), qsizetype(text.size()), 6);
    file.moment = file.data.moment.isValid()
                      ? file.data.moment
                      : QFileInfo(QString::fromStdString(path)).lastModified();
    if (const auto& t = file.data.trailer) {
        file.identity.welcome = WelcomeOf(
            std::span(reinterpret_cast<const uint8_t*>(t->welcome.data()), t->welcome.size()));
        file.totals = {.cycles = Rounded(t->cycles),
                       .totalMinutes = t->totalMinutes,
                       .shutdownCause = Trim(QString::fromLatin1(t->shutdownCause)),
                       .shutdownRpm = Rounded(t->shutdownRpm),
                       .shutdownEgt = Rounded(t->shutdownEgt),
                       .shutdownPump = Rounded(t->shutdownPump)};
    }
    return file;
}

struct Logbook::Impl {
    QString path;
    LogbookLocation at;
    QString connection;
    QString error;
    bool open = false;
    bool readOnly = false;  // a server's role that may only read
    bool needsPassword = false;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    bool server() const { return at.server(); }

    bool fail(const QString& why) {
        error = Texts::tr("The logbook %1 cannot be used: %2").arg(at.name(), why);
        return false;
    }
    // A write the role may not make: false, said once.
    bool refuseReadOnly() {
        error = Texts::tr("The logbook at %1 is read-only for %2: nothing was changed.")
                    .arg(at.name(), at.user);
        return false;
    }
    // Runs one statement; false with the reason in error.
    bool exec(QSqlQuery& q) {
        if (q.exec()) return true;
        return fail(q.lastError().text());
    }
    bool exec(const QString& sql) {
        QSqlQuery q(db());
        if (q.exec(sql)) return true;
        return fail(q.lastError().text());
    }

    // A statement's rows read to the end: a read that failed part way (a damaged page) is
    // named, never taken for fewer rows.
    bool readAll(QSqlQuery& q) {
        if (q.lastError().type() == QSqlError::NoError) return true;
        if (server()) return fail(q.lastError().text());  // the server went away, most likely
        error = Texts::tr("The logbook %1 is damaged (SQLite: %2): nothing was read")
                    .arg(at.name(), q.lastError().databaseText());
        return false;
    }

    // Runs a statement that takes a lock, trying again while another program holds it: SQLite
    // does not always call its busy handler (switching a new file to WAL, for one).
    bool execWaiting(const QString& sql) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            QSqlQuery q(db());
            if (q.exec(sql)) return true;
            const bool busy = q.lastError().nativeErrorCode() == QLatin1String("5") ||
                              q.lastError().nativeErrorCode() == QLatin1String("6");
            if (!busy || waited.elapsed() >= kBusyWaitMs) return fail(q.lastError().text());
            QThread::msleep(10);
        }
    }
    // Writes take the file at once (BEGIN IMMEDIATE), so that a second program waits for the
    // first instead of failing when both want to write. A server's programs wait on the lock
    // of what they change (`lock`): each engine's imports one at a time, different engines at
    // once.
    bool begin(std::optional<qint64> lock = std::nullopt) {
        if (!server()) return execWaiting(QStringLiteral("BEGIN IMMEDIATE"));
        if (!exec(QStringLiteral("BEGIN"))) return false;
        if (!lock) return true;
        QSqlQuery q(db());
        q.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
        q.addBindValue(*lock);
        return exec(q);
    }
    bool commit() { return exec(QStringLiteral("COMMIT")); }
    void rollback() {
        QSqlQuery q(db());
        q.exec(QStringLiteral("ROLLBACK"));
    }

    // Export files read back, by download, while one operation needs them.
    QHash<qint64, std::vector<RunLogLine>> exports;
    const std::vector<RunLogLine>* exportLines(qint64 downloadId) {
        if (const auto found = exports.constFind(downloadId); found != exports.constEnd())
            return &*found;
        QSqlQuery q(db());
        q.prepare(QStringLiteral("SELECT export FROM downloads WHERE id = ?"));
        q.addBindValue(downloadId);
        if (!q.exec() || !q.next() || q.value(0).isNull()) return nullptr;
        const QByteArray text = qUncompress(q.value(0).toByteArray());
        std::vector<RunLogLine> lines;
        // The data lines: after the header, up to the first empty line.
        const auto all = SplitLines(std::string_view(text.constData(), size_t(text.size())));
        for (size_t k = 1; k < all.size(); ++k) {
            const auto line = RunLogRecordLine(all[k]);
            if (!line) break;
            lines.push_back(*line);
        }
        return &*exports.insert(downloadId, std::move(lines));
    }
    // A run's samples as the logbook compares them: from its download's export, or as kept in
    // its row (runs of before version 4).
    QByteArray samplesOf(qint64 downloadId, int firstLine, int lineCount, const QByteArray& kept) {
        if (!kept.isEmpty()) return Unpacked(kept);
        const auto* lines = exportLines(downloadId);
        if (!lines || size_t(firstLine - 1 + lineCount) > lines->size()) return {};
        EngineRun run;
        run.firstLine = firstLine;
        run.lineCount = lineCount;
        return Samples(*lines, run);
    }

    bool storeLimits(qint64 engineId, const EngineLimits& l) {
        QSqlQuery q(db());
        q.prepare(QStringLiteral(
            "UPDATE engines SET idle_rpm = ?, full_rpm = ?, max_egt = ? WHERE id = ?"));
        for (const QVariant& v :
             {Opt(l.idleRpm), Opt(l.fullRpm), Opt(l.maxEgtC), QVariant(engineId)})
            q.addBindValue(v);
        return exec(q);
    }

    // The runs of the engine's downloads that brought no limits of their own, measured from
    // their kept samples with `limits`. Inside the caller's transaction.
    bool measureAgain(qint64 engineId, const EngineLimits& limits) {
        exports.clear();
        QSqlQuery q(db());
        // Forward only, a server's driver would drop these rows when the loop runs another query.
        q.setForwardOnly(!server());
        q.prepare(QStringLiteral(
            "SELECT r.id, r.first_line, r.start_cut, r.stopped_after, r.samples, r.download_id,"
            " r.line_count FROM runs AS r"
            " JOIN downloads AS d ON r.download_id = d.id WHERE d.engine_id = ? AND d.idle_rpm"
            " IS NULL AND d.full_rpm IS NULL AND d.max_egt IS NULL"));
        q.addBindValue(engineId);
        if (!exec(q)) return false;
        struct Again {
            qint64 id;
            EngineRun run;
            RunAnalysis analysis;
        };
        std::vector<Again> again;
        while (q.next()) {
            std::vector<RunLogLine> lines =
                LinesOf(samplesOf(q.value(5).toLongLong(), q.value(1).toInt(), q.value(6).toInt(),
                                  q.value(4).toByteArray()));
            // The stop after it, where there was one: a start that never reached idle failed,
            // and the coast-down ends there.
            if (q.value(3).toInt() == 1 && !lines.empty())
                lines.push_back({.cycle = lines.back().cycle});
            auto runs = FindRuns(lines, limits.idleRpm);
            if (runs.empty()) continue;
            EngineRun run = runs.front();
            run.startCut = q.value(2).toBool();
            if (run.startCut) run.peakStartEgt.reset();
            RunAnalysis a = AnalyseRun(lines, run, limits);
            // Back to the download's line numbers.
            const int shift = q.value(1).toInt() - 1;
            run.firstLine += shift;
            if (run.idleLine) *run.idleLine += shift;
            if (a.lightLine) *a.lightLine += shift;
            for (RunEvent& e : a.events) e.line += shift;
            again.push_back({q.value(0).toLongLong(), run, std::move(a)});
        }
        if (!readAll(q)) return false;
        q.finish();
        QSqlQuery u(db());
        u.prepare(QStringLiteral(
            "UPDATE runs SET idle_line = ?, peak_start_egt = ?, mean_pump = ?, idle_known = ?,"
            " light_line = ?, idle_egt = ?, idle_pump = ?, full_egt = ?, full_pump = ?,"
            " coast_down = ?, events = ? WHERE id = ?"));
        for (const Again& r : again) {
            const RunAnalysis& a = r.analysis;
            for (const QVariant& v :
                 {Opt(r.run.idleLine), Opt(r.run.peakStartEgt), Opt(r.run.meanPump),
                  QVariant(int(r.run.idleKnown)), Opt(a.lightLine), Opt(a.idleEgt), Opt(a.idlePump),
                  Opt(a.fullEgt), Opt(a.fullPump), Opt(a.coastDownS), Text(EventsColumn(a.events)),
                  QVariant(r.id)})
                u.addBindValue(v);
            if (!exec(u)) return false;
        }
        exports.clear();
        return true;
    }

    // Every run's samples compressed and hashed (a logbook of before version 4).
    bool packRuns() {
        QSqlQuery q(db());
        q.setForwardOnly(!server());
        if (!q.exec(QStringLiteral("SELECT id, samples FROM runs")))
            return fail(q.lastError().text());
        std::vector<std::tuple<qint64, QByteArray, uint64_t>> rows;
        while (q.next()) {
            const QByteArray samples = Unpacked(q.value(1).toByteArray());
            rows.emplace_back(q.value(0).toLongLong(), Packed(samples),
                              HashesOf(RecordsOf(samples)).whole());
        }
        if (!readAll(q)) return false;
        q.finish();
        QSqlQuery u(db());
        u.prepare(QStringLiteral("UPDATE runs SET samples = ?, hash = ? WHERE id = ?"));
        for (const auto& [id, packed, hash] : rows) {
            u.addBindValue(packed);
            u.addBindValue(HashValue(hash));
            u.addBindValue(id);
            if (!exec(u)) return false;
        }
        return true;
    }

    // The schema's version: 0 for a new logbook, nothing when it cannot be read.
    std::optional<int> version() {
        QSqlQuery q(db());
        if (!server()) {
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                return q.value(0).toInt();
        } else if (q.exec(QStringLiteral("SELECT to_regclass('norva_schema') IS NOT NULL")) &&
                   q.next()) {
            if (!q.value(0).toBool()) return 0;
            if (q.exec(QStringLiteral("SELECT version FROM norva_schema")) && q.next())
                return q.value(0).toInt();
        }
        fail(q.lastError().text());
        return std::nullopt;
    }
    bool setVersion(int from) {
        const QString n = QString::number(kLogbookSchemaVersion);
        if (!server()) return exec(QStringLiteral("PRAGMA user_version = ") + n);
        if (from == 0)
            return exec(QString::fromLatin1(kServerVersionTable)) &&
                   exec(QStringLiteral("INSERT INTO norva_schema VALUES(") + n + ')');
        return exec(QStringLiteral("UPDATE norva_schema SET version = ") + n);
    }
    bool schema(const char* sql) {
        return exec(server() ? ServerSchema(sql) : QString::fromLatin1(sql));
    }

    bool setUp() {
        if (!server() && !execWaiting(QStringLiteral("PRAGMA journal_mode=WAL"))) return false;
        // The version is read and the schema made or migrated in one transaction: two programs
        // opening a new logbook at once make it once.
        if (!begin(kSchemaLock)) return false;
        const std::optional<int> read = this->version();
        if (!read) {
            rollback();
            return false;
        }
        const int version = *read;
        bool ok = true;
        if (version > kLogbookSchemaVersion)
            ok = fail(Texts::tr("it was written by a newer program (schema %1)").arg(version));
        // Every table must be readable: a damaged file says so here, not at the first import.
        if (ok && version > 0) {
            QSqlQuery check(db());
            ok = check.exec(QStringLiteral("SELECT COUNT(*) FROM downloads")) && check.next();
            if (!ok)
                error = Texts::tr("The logbook %1 is damaged (SQLite: %2): nothing was read")
                            .arg(path, check.lastError().databaseText());
        }
        if (ok && version < 1)
            for (const char* sql : kSchemaV1) ok = ok && schema(sql);
        if (ok && version < 2)
            for (const char* sql : kMigrateToV2) ok = ok && schema(sql);
        if (ok && version < 3)
            for (const char* sql : kMigrateToV3) ok = ok && schema(sql);
        if (ok && version < 4) {
            for (const char* sql : kMigrateToV4) ok = ok && schema(sql);
            ok = ok && packRuns();
        }
        if (ok && version != kLogbookSchemaVersion) ok = setVersion(version);
        if (!ok || !commit()) {
            rollback();
            return false;
        }
        // A server's role may be one that only reads: it lists, charts and reports.
        QSqlQuery q(db());
        readOnly = server() &&
                   q.exec(QStringLiteral("SELECT has_table_privilege('downloads', 'INSERT')")) &&
                   q.next() && !q.value(0).toBool();
        return true;
    }
};

Logbook::Logbook(const QString& path) : d_(std::make_unique<Impl>()) {
    static std::atomic<int> serial{0};
    d_->path = path;
    d_->connection = QStringLiteral("norva-logbook-%1").arg(++serial);
    QString why;
    const auto at = LocationOf(path, why);
    if (!at) {
        d_->error = why;
        return;
    }
    d_->at = *at;
    const QString driver = at->server() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        d_->fail(at->server()
                     ? Texts::tr("Qt's PostgreSQL driver is not installed (libqt6sql6-psql)")
                     : Texts::tr("Qt's SQLite driver is not installed (libqt6sql6-sqlite)"));
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, d_->connection);
    if (at->server()) {
        db.setHostName(at->host);
        db.setPort(at->port);
        db.setDatabaseName(at->database);
        db.setUserName(at->user);
        // Without one typed in the window, libpq finds the password itself (PGPASSWORD,
        // ~/.pgpass); a server that does not answer is given up on within seconds.
        db.setPassword(RememberedLogbookPassword(*at));
        db.setConnectOptions(
            QStringLiteral("connect_timeout=10") +
            (at->sslmode.isEmpty() ? QString() : QStringLiteral(";sslmode=") + at->sslmode));
    } else {
        QDir().mkpath(QFileInfo(path).absolutePath());
        db.setDatabaseName(path);
        // Another program writing the file is waited for (its imports are short), then named.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyWaitMs));
    }
    if (!db.open()) {
        const QString said = db.lastError().text();
        d_->needsPassword = said.contains(QLatin1String("no password supplied")) ||
                            said.contains(QLatin1String("password authentication failed"));
        d_->fail(said);
        return;
    }
    d_->open = d_->setUp();
    if (!d_->open) db.close();
}

Logbook::~Logbook() {
    {
        QSqlDatabase db = QSqlDatabase::database(d_->connection, false);
        if (db.isValid()) db.close();
    }
    if (QSqlDatabase::contains(d_->connection)) QSqlDatabase::removeDatabase(d_->connection);
}

bool Logbook::isOpen() const {
    return d_->open;
}
QString Logbook::error() const {
    return d_->error;
}
QString Logbook::path() const {
    return d_->path;
}
QString Logbook::name() const {
    // A URL not taken is not repeated: it may hold the password it was refused for.
    if (d_->at.file.isEmpty() && d_->at.host.isEmpty())
        return IsServerUrl(d_->path) ? "" : d_->path;
    return d_->at.name();
}
bool Logbook::readOnly() const {
    return d_->readOnly;
}
bool Logbook::needsPassword() const {
    return d_->needsPassword;
}
QString Logbook::importRefusal() const {
    if (!d_->readOnly) return {};
    return Texts::tr("The logbook at %1 is read-only for %2: nothing was imported.")
        .arg(d_->at.name(), d_->at.user);
}

namespace {
Engine EngineFrom(const QSqlQuery& q) {
    return {.id = q.value(0).toLongLong(),
            .name = q.value(1).toString(),
            .serial = IntOf(q.value(2)),
            .welcome = q.value(3).toString(),
            .limits = {.idleRpm = IntOf(q.value(4)),
                       .fullRpm = IntOf(q.value(5)),
                       .maxEgtC = IntOf(q.value(6))}};
}
const QString kEngineColumns =
    QStringLiteral("SELECT id, name, serial, welcome, idle_rpm, full_rpm, max_egt FROM engines ");
}  // namespace

std::vector<Engine> Logbook::engines() {
    std::vector<Engine> out;
    if (!d_->open) return out;
    QSqlQuery q(d_->db());
    q.prepare(kEngineColumns + QStringLiteral("ORDER BY name"));
    if (d_->exec(q))
        while (q.next()) out.push_back(EngineFrom(q));
    if (!d_->readAll(q)) out.clear();
    return out;
}

std::optional<Engine> Logbook::engineNamed(const QString& name) {
    if (!d_->open) return std::nullopt;
    QSqlQuery q(d_->db());
    q.prepare(kEngineColumns + QStringLiteral("WHERE name = ?"));
    q.addBindValue(name);
    if (d_->exec(q) && q.next()) return EngineFrom(q);
    return std::nullopt;
}

std::optional<Engine> Logbook::engineFor(const EngineIdentity& identity) {
    if (!d_->open) return std::nullopt;
    QSqlQuery q(d_->db());
    if (identity.serial) {
        q.prepare(kEngineColumns + QStringLiteral("WHERE serial = ?"));
        q.addBindValue(*identity.serial);
    } else {
        if (identity.welcome.trimmed().isEmpty()) return std::nullopt;
        // An engine known by its welcome text alone first, then one of a downward unit.
        q.prepare(kEngineColumns +
                  QStringLiteral("WHERE welcome = ? ORDER BY serial IS NOT NULL, id"));
        q.addBindValue(Text(identity.welcome));
    }
    if (d_->exec(q) && q.next()) return EngineFrom(q);
    return std::nullopt;
}

std::optional<Engine> Logbook::addEngine(const QString& name, const EngineIdentity& identity) {
    const QString trimmed = name.trimmed();
    if (!d_->open || trimmed.isEmpty()) return std::nullopt;
    if (d_->readOnly) return d_->refuseReadOnly(), std::nullopt;
    QSqlQuery q(d_->db());
    q.prepare(
        QStringLiteral("INSERT INTO engines(name, serial, welcome) VALUES(?, ?, ?) RETURNING id"));
    q.addBindValue(trimmed);
    q.addBindValue(Opt(identity.serial));
    q.addBindValue(Text(identity.welcome));
    if (!d_->exec(q) || !q.next()) return std::nullopt;
    return Engine{.id = q.value(0).toLongLong(),
                  .name = trimmed,
                  .serial = identity.serial,
                  .welcome = identity.welcome,
                  .limits = {}};
}

bool Logbook::renameEngine(qint64 engineId, const QString& newName) {
    if (!d_->open || newName.trimmed().isEmpty()) return false;
    if (d_->readOnly) return d_->refuseReadOnly();
    if (const auto other = engineNamed(newName.trimmed()); other && other->id != engineId) {
        d_->error = Texts::tr("another engine is named so");
        return false;
    }
    QSqlQuery q(d_->db());
    q.prepare(QStringLiteral("UPDATE engines SET name = ? WHERE id = ?"));
    q.addBindValue(newName.trimmed());
    q.addBindValue(engineId);
    return d_->exec(q) && q.numRowsAffected() == 1;
}

bool Logbook::addIdentity(qint64 engineId, const EngineIdentity& identity) {
    if (!d_->open) return false;
    if (d_->readOnly) return d_->refuseReadOnly();
    QSqlQuery q(d_->db());
    q.prepare(
        QStringLiteral("UPDATE engines SET serial = COALESCE(serial, ?), welcome = CASE"
                       " welcome WHEN '' THEN ? ELSE welcome END WHERE id = ?"));
    q.addBindValue(Opt(identity.serial));
    q.addBindValue(Text(identity.welcome));
    q.addBindValue(engineId);
    return d_->exec(q);
}

bool Logbook::moveDownload(qint64 downloadId, qint64 engineId) {
    if (!d_->open) return false;
    if (d_->readOnly) return d_->refuseReadOnly();
    QSqlQuery q(d_->db());
    q.prepare(
        QStringLiteral("UPDATE downloads SET engine_id = ? WHERE id = ? AND EXISTS (SELECT 1 "
                       "FROM engines WHERE id = ?)"));
    q.addBindValue(engineId);
    q.addBindValue(downloadId);
    q.addBindValue(engineId);
    return d_->exec(q) && q.numRowsAffected() == 1;
}

EngineLimits Logbook::limitsFor(const LogbookExport& file, const Engine& engine,
                                std::span<const uint8_t> image) {
    return Merged(OwnLimits(file, image), engine.limits);
}

ImportResult Logbook::import(const LogbookExport& file, qint64 engineId, const QString& unitKind,
                             std::span<const uint8_t> image) {
    ImportResult result;
    result.engineId = engineId;
    if (!d_->open) {
        result.error = d_->error;
        return result;
    }
    QSqlDatabase db = d_->db();
    const auto failed = [&](const QString& why) {
        d_->rollback();
        d_->fail(why);
        result.status = ImportResult::Failed;
        result.error = d_->error;
        return result;
    };
    if (d_->readOnly) {
        result.error = importRefusal();
        return result;
    }
    if (!d_->begin(engineId)) return failed(d_->error);
    d_->exports.clear();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id, engine_id FROM downloads WHERE sha256 = ?"));
    q.addBindValue(QString::fromLatin1(file.sha256));
    if (!q.exec()) return failed(q.lastError().text());
    if (q.next()) {
        result.status = ImportResult::AlreadyThere;
        result.downloadId = q.value(0).toLongLong();
        result.engineId = q.value(1).toLongLong();
        q.finish();
        d_->rollback();
        return result;
    }
    q.finish();
    // The download's own limits (its image's, else its trailer's) are kept with it; the engine's
    // stand in for those it lacks.
    const EngineLimits own = OwnLimits(file, image);
    q.prepare(kEngineColumns + QStringLiteral("WHERE id = ?"));
    q.addBindValue(engineId);
    if (!q.exec()) return failed(q.lastError().text());
    if (!q.next()) return failed(Texts::tr("no engine %1").arg(engineId));
    const Engine engine = EngineFrom(q);
    q.finish();
    const EngineLimits limits = Merged(own, engine.limits);

    const DownloadTotals& t = file.totals;
    q.prepare(QStringLiteral(
        "INSERT INTO downloads(engine_id, file, sha256, moment, unit_kind, cycles, total_minutes,"
        " shutdown_cause, shutdown_rpm, shutdown_egt, shutdown_pump, idle_rpm, full_rpm, max_egt,"
        " image, export) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) RETURNING id"));
    for (const QVariant& v :
         {QVariant(engineId), QVariant(QString::fromStdString(file.path)),
          QVariant(QString::fromLatin1(file.sha256)),
          QVariant(file.moment.toString(QString::fromLatin1(kMomentFormat))), Text(unitKind),
          Opt(t.cycles), Opt(t.totalMinutes), Text(t.shutdownCause), Opt(t.shutdownRpm),
          Opt(t.shutdownEgt), Opt(t.shutdownPump), Opt(own.idleRpm), Opt(own.fullRpm),
          Opt(own.maxEgtC),
          image.empty() ? QVariant(QMetaType(QMetaType::QByteArray))
                        : QVariant(QByteArray(reinterpret_cast<const char*>(image.data()),
                                              qsizetype(image.size()))),
          file.packed.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                : QVariant(file.packed)})
        q.addBindValue(v);
    if (!q.exec() || !q.next()) {
        // Another program imported the same file meanwhile (into another engine: this one's
        // imports take turns): it is there once.
        const QString why = q.lastError().text();
        d_->rollback();
        if (holds(file)) {
            result.status = ImportResult::AlreadyThere;
            return result;
        }
        return failed(why);
    }
    result.downloadId = q.value(0).toLongLong();
    q.finish();

    const auto& lines = file.data.lines;
    const auto runs = Measured(lines, limits);
    const size_t timeStart = TimeOrderStart(lines);
    // A copy of a run kept before is found by key, not by reading the runs of its cycle: a
    // whole copy by its hash; a shorter one, cut where its download began or ended, among the
    // cut runs of its first or last sample, by the hash of our run's prefix or suffix. Only a
    // run of ours that is cut itself is looked for inside longer ones (it is at most two of a
    // download), and runs of the first schema (no first and last sample) are always compared.
    QSqlQuery exact(db);
    exact.prepare(QStringLiteral(
        "SELECT r.id FROM runs AS r JOIN downloads AS d ON r.download_id = d.id WHERE"
        " d.engine_id = ? AND r.cycle = ? AND r.hash = ? AND r.line_count = ? LIMIT 1"));
    QSqlQuery cut(db);
    cut.prepare(QStringLiteral(
        "SELECT r.id, r.line_count, r.hash, r.head = ?, r.tail = ? FROM runs AS r JOIN downloads"
        " AS d ON r.download_id = d.id WHERE d.engine_id = ? AND r.line_count < ? AND r.id IN"
        " (SELECT id FROM runs WHERE cycle = ? AND head = ? AND (start_cut = 1 OR end_cut = 1)"
        " UNION SELECT id FROM runs WHERE cycle = ? AND tail = ? AND (start_cut = 1 OR"
        " end_cut = 1))"));
    QSqlQuery holding(db);
    holding.prepare(QStringLiteral(
        "SELECT r.id, r.samples, r.download_id, r.first_line, r.line_count FROM runs AS r JOIN"
        " downloads AS d ON r.download_id = d.id WHERE d.engine_id = ? AND r.id IN (SELECT id"
        " FROM runs WHERE cycle = ? AND head = ?"
        " AND ? = 1 UNION SELECT id FROM runs WHERE cycle = ? AND tail = ? AND ? = 1 UNION SELECT "
        "id"
        " FROM runs WHERE cycle = ? AND head IS NULL)"));
    const QString columns = QStringLiteral(
        "download_id, position, started, cycle, first_line, line_count, idle_line,"
        " peak_start_egt, max_rpm, max_egt, mean_pump, idle_known, start_cut, samples, head,"
        " tail, light_line, idle_egt, idle_pump, full_egt, full_pump, coast_down, events,"
        " stopped_after, hash, end_cut");
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO runs(%1) VALUES(?%2)")
                       .arg(columns, QStringLiteral(",?").repeated(25)));
    QSqlQuery replace(db);
    replace.prepare(QStringLiteral("UPDATE runs SET (%1) = (?%2) WHERE id = ?")
                        .arg(columns, QStringLiteral(",?").repeated(25)));
    // The newest sample: where the download ended.
    const int newest = timeStart == 0 ? int(lines.size()) : int(timeStart);
    for (size_t p = 0; p < runs.size(); ++p) {
        const EngineRun& run = runs[p].run;
        const RunAnalysis& a = runs[p].analysis;
        std::vector<std::string> records;
        for (int k = run.firstLine; k <= run.lastLine(); ++k)
            records.push_back(RunLogRecord(lines[size_t(k) - 1]));
        const RunHashes hashes =
            HashesOf(std::vector<std::string_view>(records.begin(), records.end()));
        const bool endCut = run.lastLine() == newest;
        std::optional<qint64> shorter;
        bool known = false;
        const QString head = QString::fromStdString(records.front());
        const QString tail = QString::fromStdString(records.back());
        for (const QVariant& v : {QVariant(engineId), QVariant(run.cycle),
                                  HashValue(hashes.whole()), QVariant(run.lineCount)})
            exact.addBindValue(v);
        if (!exact.exec()) return failed(exact.lastError().text());
        known = exact.next();
        if (!d_->readAll(exact)) return failed(d_->error);
        exact.finish();
        if (!known) {
            for (const QVariant& v :
                 {QVariant(head), QVariant(tail), QVariant(engineId), QVariant(run.lineCount),
                  QVariant(run.cycle), QVariant(head), QVariant(run.cycle), QVariant(tail)})
                cut.addBindValue(v);
            if (!cut.exec()) return failed(cut.lastError().text());
            while (!shorter && cut.next()) {
                const auto length = size_t(cut.value(1).toInt());
                const auto hash = uint64_t(cut.value(2).toLongLong());
                if ((cut.value(3).toBool() && hashes.prefix[length] == hash) ||
                    (cut.value(4).toBool() && hashes.suffix(length) == hash))
                    shorter = cut.value(0).toLongLong();
            }
            if (!d_->readAll(cut)) return failed(d_->error);
            cut.finish();
        }
        if (!known && !shorter) {
            for (const QVariant& v : {QVariant(engineId), QVariant(run.cycle), QVariant(head),
                                      QVariant(int(endCut)), QVariant(run.cycle), QVariant(tail),
                                      QVariant(int(run.startCut)), QVariant(run.cycle)})
                holding.addBindValue(v);
            if (!holding.exec()) return failed(holding.lastError().text());
            const QByteArray samples = Samples(lines, run);
            while (holding.next() && !known && !shorter) {
                const QByteArray other =
                    d_->samplesOf(holding.value(2).toLongLong(), holding.value(3).toInt(),
                                  holding.value(4).toInt(), holding.value(1).toByteArray());
                if (other.size() >= samples.size() && other.contains(samples))
                    known = true;
                else if (other.size() < samples.size() && samples.contains(other))
                    shorter = holding.value(0).toLongLong();
            }
            if (!d_->readAll(holding)) return failed(d_->error);
            holding.finish();
        }
        if (known) {
            ++result.runsKnown;
            continue;
        }
        // The newest sample is at the export's moment, one every half second before it.
        const size_t n = lines.size();
        const size_t inTime = (size_t(run.firstLine) - 1 + n - timeStart) % n;
        const QDateTime started = file.moment.addMSecs(-qint64(n - inTime) * 500);
        QSqlQuery& q2 = shorter ? replace : insert;
        for (const QVariant& v :
             {QVariant(result.downloadId),
              QVariant(int(p)),
              QVariant(started.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))),
              QVariant(run.cycle),
              QVariant(run.firstLine),
              QVariant(run.lineCount),
              Opt(run.idleLine),
              Opt(run.peakStartEgt),
              QVariant(run.maxRpm),
              QVariant(run.maxEgt),
              Opt(run.meanPump),
              QVariant(int(run.idleKnown)),
              QVariant(int(run.startCut)),
              QVariant(QByteArray("")),
              QVariant(head),
              QVariant(tail),
              Opt(a.lightLine),
              Opt(a.idleEgt),
              Opt(a.idlePump),
              Opt(a.fullEgt),
              Opt(a.fullPump),
              Opt(a.coastDownS),
              Text(EventsColumn(a.events)),
              QVariant(int(runs[p].stoppedAfter)),
              HashValue(hashes.whole()),
              QVariant(int(endCut))})
            q2.addBindValue(v);
        if (shorter) q2.addBindValue(*shorter);
        if (!q2.exec()) return failed(q2.lastError().text());
        ++(shorter ? result.runsReplaced : result.runsAdded);
    }
    // What a download knew of the unit's limits becomes the engine's, for downloads without
    // them: those are measured again.
    if (Any(own) && Merged(own, engine.limits) != engine.limits) {
        if (!d_->storeLimits(engineId, Merged(own, engine.limits)) ||
            !d_->measureAgain(engineId, Merged(own, engine.limits)))
            return failed(d_->error);
    }
    d_->exports.clear();
    if (!d_->commit()) return failed(d_->error);
    result.status = ImportResult::Added;
    return result;
}

bool Logbook::setEngineLimits(qint64 engineId, const EngineLimits& limits) {
    if (!d_->open) return false;
    if (d_->readOnly) return d_->refuseReadOnly();
    QSqlQuery q(d_->db());
    q.prepare(kEngineColumns + QStringLiteral("WHERE id = ?"));
    q.addBindValue(engineId);
    if (!d_->exec(q) || !q.next()) return false;
    const EngineLimits merged = Merged(limits, EngineFrom(q).limits);
    q.finish();
    if (!d_->begin(engineId)) return false;
    if (d_->storeLimits(engineId, merged) && d_->measureAgain(engineId, merged) && d_->commit())
        return true;
    d_->rollback();
    return false;
}

bool Logbook::holds(const LogbookExport& file) {
    return holds(file.sha256);
}

bool Logbook::holds(const QByteArray& sha256, bool itsFile) {
    if (!d_->open) return false;
    QSqlQuery q(d_->db());
    q.prepare(
        QStringLiteral("SELECT 1 FROM downloads WHERE sha256 = ? AND (? = 0 OR export IS"
                       " NOT NULL)"));
    q.addBindValue(QString::fromLatin1(sha256));
    q.addBindValue(int(itsFile));
    return d_->exec(q) && q.next();
}

bool Logbook::writeExport(qint64 downloadId, const QString& path) {
    if (!d_->open) return false;
    QSqlQuery q(d_->db());
    q.prepare(QStringLiteral("SELECT export FROM downloads WHERE id = ?"));
    q.addBindValue(downloadId);
    if (!d_->exec(q)) return false;
    if (!q.next() || q.value(0).isNull()) {
        d_->error = Texts::tr("the logbook %1 holds no copy of that download").arg(d_->path);
        return false;
    }
    const QByteArray text = qUncompress(q.value(0).toByteArray());
    std::string error;
    if (WriteText(path, text.toStdString(), error)) return true;
    d_->error = QString::fromStdString(error);
    return false;
}

std::vector<Download> Logbook::downloads(qint64 engineId) {
    std::vector<Download> out;
    if (!d_->open) return out;
    QSqlQuery q(d_->db());
    q.prepare(QStringLiteral(
        "SELECT id, engine_id, file, sha256, moment, unit_kind, cycles, total_minutes,"
        " shutdown_cause, shutdown_rpm, shutdown_egt, shutdown_pump, idle_rpm, full_rpm, max_egt"
        " FROM downloads WHERE engine_id = ? ORDER BY moment, id"));
    q.addBindValue(engineId);
    if (!d_->exec(q)) return out;
    while (q.next()) {
        Download d;
        d.id = q.value(0).toLongLong();
        d.engineId = q.value(1).toLongLong();
        d.file = q.value(2).toString();
        d.sha256 = q.value(3).toString().toLatin1();
        d.moment = QDateTime::fromString(q.value(4).toString(), QString::fromLatin1(kMomentFormat));
        d.unitKind = q.value(5).toString();
        d.totals = {IntOf(q.value(6)), RealOf(q.value(7)), q.value(8).toString(),
                    IntOf(q.value(9)), IntOf(q.value(10)), IntOf(q.value(11))};
        d.limits = {.idleRpm = IntOf(q.value(12)),
                    .fullRpm = IntOf(q.value(13)),
                    .maxEgtC = IntOf(q.value(14))};
        out.push_back(std::move(d));
    }
    if (!d_->readAll(q)) out.clear();
    return out;
}

namespace {
// An engine's runs in time order, with its service moments: their health and its totals.
void Finish(EngineLife& life, const std::vector<QDateTime>& serviced) {
    auto& out = life.runs;
    std::vector<StartMeasures> measures;
    std::vector<int> periods;
    measures.reserve(out.size());
    periods.reserve(out.size());
    int failed = 0;
    for (LoggedRun& r : out) {
        measures.push_back(MeasuresOf(r.run, r.analysis, r.limits));
        // A run belongs to the period of the last service before it.
        periods.push_back(
            int(std::upper_bound(serviced.begin(), serviced.end(), r.started) - serviced.begin()));
        const bool failedStart =
            std::any_of(r.analysis.events.begin(), r.analysis.events.end(),
                        [](const RunEvent& e) { return e.kind == RunEventKind::FailedStart; });
        r.failedBefore = failedStart ? 0 : failed;
        failed = failedStart ? failed + 1 : 0;
    }
    EngineHealth health = HealthOf(measures, periods, serviced);
    EngineTotals& t = life.totals;
    // Lines, not minutes, are added: a total of 50.75 min stays exactly that.
    long long lines = 0, linesSinceService = 0;
    for (size_t k = 0; k < out.size(); ++k) {
        LoggedRun& r = out[k];
        r.health = std::move(health.runs[k]);
        ++t.runs;
        t.starts += r.health.measured ? 1 : 0;
        lines += r.run.lineCount;
        t.flagged += r.health.flag.empty() ? 0 : 1;
        t.events += int(r.analysis.events.size());
        if (size_t(periods[k]) == serviced.size()) {
            ++t.runsSinceService;
            linesSinceService += r.run.lineCount;
        }
    }
    t.minutes = double(lines) / kLinesPerMinute;
    t.minutesSinceService = double(linesSinceService) / kLinesPerMinute;
    if (!serviced.empty()) t.lastService = serviced.back();
    t.shift = health.shift;
    life.baseline = health.baseline;
}
}  // namespace

std::vector<RunLogLine> Logbook::normalStart(qint64 engineId) {
    const EngineLife life = this->life(engineId);
    std::vector<std::vector<RunLogLine>> starts;  // each from its light-off
    QSqlQuery q(d_->db());
    q.prepare(QStringLiteral(
        "SELECT download_id, first_line, line_count, samples FROM runs WHERE id = ?"));
    for (const LoggedRun& r : life.runs) {
        const bool sinceService = !life.totals.lastService || r.started > *life.totals.lastService;
        if (!sinceService || !r.health.measured || !r.analysis.lightLine) continue;
        q.addBindValue(r.id);
        if (!d_->exec(q) || !q.next()) return {};
        const auto lines = LinesOf(d_->samplesOf(q.value(0).toLongLong(), q.value(1).toInt(),
                                                 q.value(2).toInt(), q.value(3).toByteArray()));
        q.finish();
        const size_t light = size_t(*r.analysis.lightLine - r.run.firstLine);
        if (light < lines.size()) starts.emplace_back(lines.begin() + long(light), lines.end());
        if (starts.size() == size_t(kBaselineRuns)) break;
    }
    std::vector<RunLogLine> normal;
    for (size_t k = 0;; ++k) {
        std::vector<int> values[4];
        for (const auto& start : starts) {
            if (k >= start.size() || start[k].rpm >= kNoDataRpm) continue;
            const RunLogLine& l = start[k];
            for (const auto& [field, value] :
                 {std::pair(0, l.rpm), {1, l.temp}, {2, l.throttle}, {3, l.pump}})
                values[field].push_back(value);
        }
        if (values[0].empty() || values[0].size() * 2 < starts.size()) return normal;
        const auto median = [](std::vector<int>& v) {
            std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
            return v[v.size() / 2];
        };
        normal.push_back({.cycle = 0,
                          .page = 0,
                          .aux = 0,
                          .temp = median(values[1]),
                          .rpm = median(values[0]),
                          .throttle = median(values[2]),
                          .pump = median(values[3])});
    }
}

std::map<qint64, EngineLife> Logbook::lives(std::optional<qint64> engineId) {
    std::map<qint64, EngineLife> lives;
    if (!d_->open) return lives;
    const QString which = engineId ? QStringLiteral("d.engine_id = ?") : QStringLiteral("1 = 1");
    QSqlQuery q(d_->db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
                  "SELECT r.id, r.download_id, d.file, d.moment, r.position, r.cycle, r.first_line,"
                  " r.line_count, r.idle_line, r.peak_start_egt, r.max_rpm, r.max_egt, r.mean_pump,"
                  " r.idle_known, r.start_cut, r.started, r.light_line, r.idle_egt, r.idle_pump,"
                  " r.full_egt, r.full_pump, r.coast_down, r.events, COALESCE(d.idle_rpm,"
                  " e.idle_rpm), COALESCE(d.full_rpm, e.full_rpm), COALESCE(d.max_egt, e.max_egt),"
                  " d.engine_id FROM runs AS r JOIN downloads AS d ON r.download_id = d.id JOIN"
                  " engines AS e ON d.engine_id = e.id WHERE %1 ORDER BY d.engine_id, r.started,"
                  " r.id")
                  .arg(which));
    if (engineId) q.addBindValue(*engineId);
    if (!d_->exec(q)) return lives;
    // Downloads are few beside their runs: each moment is read once.
    QHash<qint64, QDateTime> moments;
    std::vector<LoggedRun>* out = nullptr;
    qint64 current = -1;
    while (q.next()) {
        if (q.value(26).toLongLong() != current) {
            current = q.value(26).toLongLong();
            out = &lives[current].runs;
        }
        LoggedRun r;
        r.id = q.value(0).toLongLong();
        r.downloadId = q.value(1).toLongLong();
        r.downloadFile = q.value(2).toString();
        auto m = moments.find(r.downloadId);
        if (m == moments.end()) m = moments.insert(r.downloadId, MomentOf(q.value(3).toString()));
        r.moment = *m;
        r.position = q.value(4).toInt();
        EngineRun& e = r.run;
        e.cycle = q.value(5).toInt();
        e.firstLine = q.value(6).toInt();
        e.lineCount = q.value(7).toInt();
        e.idleLine = IntOf(q.value(8));
        e.peakStartEgt = IntOf(q.value(9));
        e.maxRpm = q.value(10).toInt();
        e.maxEgt = q.value(11).toInt();
        e.meanPump = IntOf(q.value(12));
        e.idleKnown = q.value(13).toBool();
        e.startCut = q.value(14).toBool();
        r.started = MomentOf(q.value(15).toString());
        RunAnalysis& a = r.analysis;
        a.lightLine = IntOf(q.value(16));
        if (a.lightLine && e.idleLine && *a.lightLine <= *e.idleLine)
            a.lightToIdleS = (*e.idleLine - *a.lightLine) * 0.5;
        a.idleEgt = IntOf(q.value(17));
        a.idlePump = IntOf(q.value(18));
        a.fullEgt = IntOf(q.value(19));
        a.fullPump = IntOf(q.value(20));
        a.coastDownS = RealOf(q.value(21));
        a.events = EventsOf(q.value(22).toString());
        r.limits = {.idleRpm = IntOf(q.value(23)),
                    .fullRpm = IntOf(q.value(24)),
                    .maxEgtC = IntOf(q.value(25))};
        out->push_back(std::move(r));
    }
    if (!d_->readAll(q)) return {};
    q.finish();
    // The services, and the unit's own counts from each engine's newest download that has them.
    std::map<qint64, std::vector<QDateTime>> serviced;
    q.prepare(QStringLiteral("SELECT d.engine_id, d.moment FROM events AS d WHERE kind ="
                             " 'service' AND %1 ORDER BY d.engine_id, d.moment, d.id")
                  .arg(which));
    if (engineId) q.addBindValue(*engineId);
    if (!d_->exec(q)) return {};
    while (q.next()) serviced[q.value(0).toLongLong()].push_back(MomentOf(q.value(1).toString()));
    if (!d_->readAll(q)) return {};
    q.finish();
    q.prepare(QStringLiteral("SELECT d.engine_id, d.cycles, d.total_minutes FROM downloads AS d"
                             " WHERE (d.cycles IS NOT NULL OR d.total_minutes IS NOT NULL) AND %1"
                             " ORDER BY d.engine_id, d.moment, d.id")
                  .arg(which));
    if (engineId) q.addBindValue(*engineId);
    if (!d_->exec(q)) return {};
    while (q.next()) {
        EngineTotals& t = lives[q.value(0).toLongLong()].totals;
        t.unitCycles = IntOf(q.value(1));
        t.unitTotalMinutes = RealOf(q.value(2));
    }
    if (!d_->readAll(q)) return {};
    q.finish();
    for (auto& [id, life] : lives) {
        const auto s = serviced.find(id);
        Finish(life, s == serviced.end() ? std::vector<QDateTime>{} : s->second);
    }
    // An engine with services and no runs yet.
    for (auto& [id, moments] : serviced)
        if (!lives.count(id)) Finish(lives[id], moments);
    return lives;
}

EngineLife Logbook::life(qint64 engineId) {
    auto all = lives(engineId);
    const auto found = all.find(engineId);
    return found == all.end() ? EngineLife{} : std::move(found->second);
}

std::vector<LoggedRun> Logbook::runs(qint64 engineId) {
    return life(engineId).runs;
}

EngineTotals Logbook::totals(qint64 engineId) {
    return life(engineId).totals;
}

bool Logbook::checkpoint() {
    if (d_->server()) return d_->open;  // a server keeps its own log
    return d_->open && d_->execWaiting(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

std::optional<std::pair<qint64, qint64>> Logbook::vacuum() {
    const auto size = [&] {
        if (!d_->server())
            return QFileInfo(d_->path).size() + QFileInfo(d_->path + QStringLiteral("-wal")).size();
        QSqlQuery q(d_->db());
        return q.exec(QStringLiteral("SELECT pg_database_size(current_database())")) && q.next()
                   ? q.value(0).toLongLong()
                   : qint64(0);
    };
    if (!d_->open) return std::nullopt;
    if (d_->readOnly) return d_->refuseReadOnly(), std::nullopt;
    const qint64 before = size();
    // On a server, the logbook's own tables: the rest of the database is not ours to compact.
    const QString vacuum = d_->server()
                               ? QStringLiteral("VACUUM (ANALYZE) engines, downloads, runs, events")
                               : QStringLiteral("VACUUM");
    if (!d_->execWaiting(vacuum) || !checkpoint()) return std::nullopt;
    return std::pair{before, size()};
}

namespace {
// A row's columns but its id, as a statement that puts them into the same table elsewhere:
// both logbooks have the schema of this program, whichever kind they are.
struct RowCopy {
    QStringList columns;
    QSqlQuery insert;
    RowCopy(const QSqlRecord& row, const QString& table, const QSqlDatabase& target)
        : insert(target) {
        for (int k = 0; k < row.count(); ++k)
            if (row.fieldName(k) != QLatin1String("id")) columns << row.fieldName(k);
        insert.prepare(QStringLiteral("INSERT INTO %1(%2) VALUES(?%3) RETURNING id")
                           .arg(table, columns.join(QLatin1Char(',')),
                                QStringLiteral(",?").repeated(columns.size() - 1)));
    }
    // The row's values, `changed` ones (the ids it refers to) replaced; the new row's id.
    std::optional<qint64> put(const QSqlRecord& row, const QHash<QString, QVariant>& changed) {
        for (const QString& c : columns) {
            QVariant v = changed.value(c, row.value(c));
            // A run's samples are never NULL, but empty (they are its download's) they read
            // back from SQLite as a null array, which a server's driver would send as NULL.
            if (c == QLatin1String("samples") && v.toByteArray().isNull()) v = QByteArray("");
            insert.addBindValue(v);
        }
        if (!insert.exec() || !insert.next()) return std::nullopt;
        const qint64 id = insert.value(0).toLongLong();
        insert.finish();
        return id;
    }
};
}  // namespace

std::optional<Logbook::Copied> Logbook::copyTo(Logbook& target) {
    Copied copied;
    if (!d_->open || !target.d_->open) {
        if (!target.d_->open) d_->error = target.d_->error;
        return std::nullopt;
    }
    if (target.d_->readOnly) return d_->error = target.importRefusal(), std::nullopt;
    Impl& to = *target.d_;
    const auto failed = [&](const QSqlQuery& q) {
        to.rollback();
        to.fail(q.lastError().text());
        d_->error = to.error;
        return std::nullopt;
    };
    if (!to.begin(kSchemaLock)) return d_->error = to.error, std::nullopt;
    // Each statement prepared once: a shop's logbook has thousands of rows to copy.
    QSqlQuery from(d_->db()), runs(d_->db());
    QSqlQuery engineNamed(to.db()), downloadHeld(to.db()), eventHeld(to.db());
    engineNamed.prepare(QStringLiteral("SELECT id FROM engines WHERE name = ?"));
    downloadHeld.prepare(QStringLiteral("SELECT 1 FROM downloads WHERE sha256 = ?"));
    // Ids count from 1: 0 stands for an event of no engine.
    eventHeld.prepare(QStringLiteral(
        "SELECT 1 FROM events WHERE COALESCE(engine_id, 0) = ? AND kind = ? AND moment = ?"
        " AND file = ? AND detail = ?"));
    runs.prepare(QStringLiteral("SELECT * FROM runs WHERE download_id = ? ORDER BY id"));
    // Engines by name: one already there keeps what it has.
    QHash<qint64, qint64> engines;
    if (!from.exec(QStringLiteral("SELECT * FROM engines ORDER BY id"))) return failed(from);
    std::optional<RowCopy> engineRow;
    while (from.next()) {
        const QSqlRecord row = from.record();
        engineNamed.addBindValue(row.value(QStringLiteral("name")));
        if (!engineNamed.exec()) return failed(engineNamed);
        if (engineNamed.next()) {
            engines.insert(row.value(QStringLiteral("id")).toLongLong(),
                           engineNamed.value(0).toLongLong());
            continue;
        }
        if (!engineRow) engineRow.emplace(row, QStringLiteral("engines"), to.db());
        const auto id = engineRow->put(row, {});
        if (!id) return failed(engineRow->insert);
        engines.insert(row.value(QStringLiteral("id")).toLongLong(), *id);
        ++copied.engines;
    }
    // Downloads by their file's SHA-256, each with its runs.
    if (!from.exec(QStringLiteral("SELECT * FROM downloads ORDER BY id"))) return failed(from);
    std::optional<RowCopy> downloadRow, runRow;
    while (from.next()) {
        const QSqlRecord row = from.record();
        downloadHeld.addBindValue(row.value(QStringLiteral("sha256")));
        if (!downloadHeld.exec()) return failed(downloadHeld);
        if (downloadHeld.next()) {
            ++copied.downloadsThere;
            continue;
        }
        if (!downloadRow) downloadRow.emplace(row, QStringLiteral("downloads"), to.db());
        const auto id = downloadRow->put(
            row, {{QStringLiteral("engine_id"),
                   engines.value(row.value(QStringLiteral("engine_id")).toLongLong())}});
        if (!id) return failed(downloadRow->insert);
        ++copied.downloads;
        runs.addBindValue(row.value(QStringLiteral("id")));
        if (!runs.exec()) return failed(runs);
        while (runs.next()) {
            if (!runRow) runRow.emplace(runs.record(), QStringLiteral("runs"), to.db());
            if (!runRow->put(runs.record(), {{QStringLiteral("download_id"), *id}}))
                return failed(runRow->insert);
            ++copied.runs;
        }
    }
    // Events and services: one the target has the same of already is not added again.
    if (!from.exec(QStringLiteral("SELECT * FROM events ORDER BY id"))) return failed(from);
    std::optional<RowCopy> eventRow;
    while (from.next()) {
        const QSqlRecord row = from.record();
        const qint64 engine =
            row.isNull(QStringLiteral("engine_id"))
                ? 0
                : engines.value(row.value(QStringLiteral("engine_id")).toLongLong());
        for (const QVariant& v :
             {QVariant(engine), row.value(QStringLiteral("kind")),
              row.value(QStringLiteral("moment")), row.value(QStringLiteral("file")),
              row.value(QStringLiteral("detail"))})
            eventHeld.addBindValue(v);
        if (!eventHeld.exec()) return failed(eventHeld);
        if (eventHeld.next()) continue;
        if (!eventRow) eventRow.emplace(row, QStringLiteral("events"), to.db());
        if (!eventRow->put(row,
                           {{QStringLiteral("engine_id"), engine ? QVariant(engine) : QVariant()}}))
            return failed(eventRow->insert);
        ++copied.events;
    }
    if (!to.commit()) return d_->error = to.error, std::nullopt;
    return copied;
}

bool Logbook::addService(qint64 engineId, const QDateTime& moment, const QString& note) {
    return addEvent(engineId, {QStringLiteral("service"), moment, {}, note});
}

bool Logbook::addEvent(qint64 engineId, const LogbookEvent& event) {
    if (!d_->open) return false;
    if (d_->readOnly) return d_->refuseReadOnly();
    QSqlQuery q(d_->db());
    q.prepare(QStringLiteral(
        "INSERT INTO events(engine_id, kind, moment, file, detail) VALUES(?, ?, ?, ?, ?)"));
    q.addBindValue(engineId ? QVariant(engineId) : QVariant());
    q.addBindValue(Text(event.kind));
    q.addBindValue(event.moment.toString(QString::fromLatin1(kMomentFormat)));
    q.addBindValue(Text(event.file));
    q.addBindValue(Text(event.detail));
    return d_->exec(q);
}

std::vector<LogbookEvent> Logbook::events(qint64 engineId, const QString& kind) {
    std::vector<LogbookEvent> out;
    if (!d_->open) return out;
    QSqlQuery q(d_->db());
    q.prepare(
        QStringLiteral("SELECT kind, moment, file, detail FROM events WHERE engine_id = ?"
                       " AND (? = '' OR kind = ?) ORDER BY moment, id"));
    q.addBindValue(engineId);
    q.addBindValue(Text(kind));
    q.addBindValue(Text(kind));
    if (!d_->exec(q)) return out;
    while (q.next())
        out.push_back(
            {q.value(0).toString(),
             QDateTime::fromString(q.value(1).toString(), QString::fromLatin1(kMomentFormat)),
             q.value(2).toString(), q.value(3).toString()});
    if (!d_->readAll(q)) out.clear();
    return out;
}

}  // namespace norva
