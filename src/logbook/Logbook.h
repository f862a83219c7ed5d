#pragma once
// The engine logbook: every download kept per engine in an SQLite database (Qt SQL), so an
// engine's whole life can be read at once: its runs, how its starts change as it wears, and
// which run departed from its own normal.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "logbook/Health.h"
#include "runlog/Runs.h"

namespace norva {

// norva/logbook.sqlite under the user's data folder.
QString DefaultLogbookPath();

// The schema this program writes. Version 1 had no events table and no run position; version 2
// no limits, configuration image, run events or steady points; version 3 kept samples as text,
// without their hash.
constexpr int kLogbookSchemaVersion = 4;

// Who a download belongs to: a unit whose configuration streams downwards by its serial
// number, any other by its welcome text (two lines of 16 characters, blanks trimmed).
struct EngineIdentity {
    std::optional<int> serial;
    QString welcome;
};
// From the image the program holds (its first 208 cells at least).
EngineIdentity IdentityOf(std::span<const uint8_t> image, bool downward);

// The trailer's totals as a download carries them; empty for an export without a trailer.
struct DownloadTotals {
    std::optional<int> cycles;
    std::optional<double> totalMinutes;
    QString shutdownCause;
    std::optional<int> shutdownRpm;
    std::optional<int> shutdownEgt;
    std::optional<int> shutdownPump;  // tenths of a percent
};

// An export file read for the logbook: its samples, its moment (the header's), the trailer's
// totals and welcome text, and the SHA-256 of its bytes.
struct LogbookExport {
    std::string path;
    QByteArray sha256;  // hexadecimal
    QDateTime moment;
    RunLogExport data;
    DownloadTotals totals;
    EngineIdentity identity;  // the welcome text only: a file does not say which way it streams
    QByteArray packed;        // the file's bytes, compressed: the logbook keeps the download so
};
// Nothing, with "FILE:LINE: why" in error, for a file that is not an export.
std::optional<LogbookExport> ReadLogbookExport(const std::string& path, std::string& error);

struct Engine {
    qint64 id = 0;
    QString name;
    std::optional<int> serial;
    QString welcome;
    // The unit's limits, for downloads that do not carry them: the newest a download brought,
    // or what the user gave.
    EngineLimits limits;
};

struct EngineTotals {
    int runs = 0;
    int starts = 0;  // runs whose start is measured
    double minutes = 0;
    int flagged = 0;
    int events = 0;  // of the runs
    // Since the last service (the whole life when there was none).
    std::optional<QDateTime> lastService;
    int runsSinceService = 0;
    double minutesSinceService = 0;
    std::string shift;  // the newest start's shift from the baseline, empty for none
    // From the newest download that has a trailer.
    std::optional<int> unitCycles;
    std::optional<double> unitTotalMinutes;
};

struct Download {
    qint64 id = 0;
    qint64 engineId = 0;
    QString file;
    QByteArray sha256;
    QDateTime moment;
    QString unitKind;  // "downward", "upward", or empty when not known (a file imported)
    DownloadTotals totals;
    EngineLimits limits;  // its own (the image held when it was made, or its trailer's)
};

// One run of an engine as the logbook keeps it, in time order, with its health flag.
struct LoggedRun {
    qint64 id = 0;
    qint64 downloadId = 0;
    QString downloadFile;
    QDateTime moment;  // the download's
    int position = 0;  // the run's index in its download, from 0
    QDateTime started;
    EngineRun run;
    RunAnalysis analysis;
    EngineLimits limits;  // what it was measured with
    // Failed starts of its cycle's attempts before it: 0 for a start that went at once.
    int failedBefore = 0;
    RunHealth health;
};

// An engine's runs with their health, its baseline and totals, read at once.
struct EngineLife {
    std::vector<LoggedRun> runs;
    Baseline baseline;
    EngineTotals totals;
};

struct ImportResult {
    enum Status { Added, AlreadyThere, Failed } status = Failed;
    qint64 downloadId = 0;
    qint64 engineId = 0;
    int runsAdded = 0;     // runs not in the logbook before
    int runsReplaced = 0;  // shorter copies replaced by this download's longer one
    int runsKnown = 0;     // runs already there at full length
    QString error;
};

// A configuration write, a hardware-test result (with offset and factor), a backup, a service.
struct LogbookEvent {
    QString kind;  // "config-write", "hardware-test", "backup", "service"
    QDateTime moment;
    QString file;
    QString detail;  // "offset 12 factor 130", ...
};

class Logbook {
  public:
    // Opens (creating or migrating) the database: an SQLite file, or a server's database named
    // by a postgresql:// URL. A locked or corrupt file, or a server that cannot be reached,
    // leaves the logbook closed, with one message naming it in error(); the program goes on
    // without it.
    explicit Logbook(const QString& path = DefaultLogbookPath());
    ~Logbook();
    Logbook(const Logbook&) = delete;
    Logbook& operator=(const Logbook&) = delete;

    bool isOpen() const;
    QString error() const;  // the last failure, "FILE: why"
    QString path() const;   // as given: a file, or a server's URL
    QString name() const;   // as messages say it: the file, or "HOST/DB"
    // A server's role that may read but not write: every change is refused, said in error().
    bool readOnly() const;
    // The server asked for a password that neither ~/.pgpass nor PGPASSWORD gave.
    bool needsPassword() const;
    // Why nothing can be imported (a role that may only read), said before any file is read;
    // empty when imports may go in.
    QString importRefusal() const;

    // Engines by name order.
    std::vector<Engine> engines();
    std::optional<Engine> engineNamed(const QString& name);
    // The engine a unit is known as: by serial when there is one, else by welcome text.
    std::optional<Engine> engineFor(const EngineIdentity& identity);
    // A new engine, or nothing when the name is taken or empty.
    std::optional<Engine> addEngine(const QString& name, const EngineIdentity& identity);
    bool renameEngine(qint64 engineId, const QString& newName);
    // The engine is also known by the unit's serial number or welcome text, where it was not.
    bool addIdentity(qint64 engineId, const EngineIdentity& identity);
    // Moves a download and its runs to another engine.
    bool moveDownload(qint64 downloadId, qint64 engineId);

    // Adds an export to an engine in one transaction: the same file (by SHA-256) twice adds
    // nothing; a run already there (same cycle, one copy's samples within the other's) counts
    // once, the longer copy kept. `unitKind` as in Download; `image`, the configuration the
    // program held when it downloaded, is kept with it and gives the limits its runs are
    // measured with (else the file's trailer, else the engine's).
    ImportResult import(const LogbookExport& file, qint64 engineId, const QString& unitKind = {},
                        std::span<const uint8_t> image = {});
    // The limits `file` would be measured with in `engine`.
    EngineLimits limitsFor(const LogbookExport& file, const Engine& engine,
                           std::span<const uint8_t> image = {});
    // The engine's own limits (what is known stays where `limits` leaves it empty); the runs of
    // its downloads that had none are measured again with them.
    bool setEngineLimits(qint64 engineId, const EngineLimits& limits);
    // True when a file of the same SHA-256 is in already.
    bool holds(const LogbookExport& file);
    // `itsFile`: and the file itself is kept with it (downloads of before version 4 have only
    // their runs' samples).
    bool holds(const QByteArray& sha256, bool itsFile = false);
    // The download's export file as it was imported, written to `path` (its kept copy may have
    // been removed); false with the reason in error() when the logbook has no copy of it.
    bool writeExport(qint64 downloadId, const QString& path);

    std::vector<Download> downloads(qint64 engineId);
    // The engine's runs in time order with their flags, each measured against the baseline of
    // its service period, with the totals.
    EngineLife life(qint64 engineId);
    // Every engine's (by id), read in one pass: a shop's thousand engines cost no thousand reads.
    std::map<qint64, EngineLife> lives(std::optional<qint64> engineId = std::nullopt);
    std::vector<LoggedRun> runs(qint64 engineId);
    // The engine's normal start, to lay over a run: the median of its baseline's starts (the
    // first measured ones since its last service), sample by sample from light-off, for as long
    // as half of them last; empty when none is measured from light-off.
    std::vector<RunLogLine> normalStart(qint64 engineId);
    EngineTotals totals(qint64 engineId);

    bool addEvent(qint64 engineId, const LogbookEvent& event);
    // All of them, or those of one kind.
    std::vector<LogbookEvent> events(qint64 engineId, const QString& kind = {});
    // The write-ahead log folded into the file.
    bool checkpoint();
    // The file rewritten without its free pages; its size before and after, in bytes.
    std::optional<std::pair<qint64, qint64>> vacuum();

    // A service of the engine: its baseline and time since service start again after it.
    bool addService(qint64 engineId, const QDateTime& moment, const QString& note);

    // Everything this logbook holds put into `target` in one transaction, as it is kept here:
    // engines (by name), downloads with their runs (by the file's SHA-256), events and services.
    // What the target holds already is left as it is, so that a second copy adds nothing.
    struct Copied {
        int engines = 0, downloads = 0, downloadsThere = 0, runs = 0, events = 0;
    };
    std::optional<Copied> copyTo(Logbook& target);

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace norva
