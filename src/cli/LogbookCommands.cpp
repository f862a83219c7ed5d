#include "cli/LogbookCommands.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "base/NumberedLines.h"
#include "base/OutputPath.h"
#include "cli/ExitStatus.h"
#include "logbook/EngineReport.h"
#include "logbook/LogDownload.h"
#include "logbook/Logbook.h"
#include "logbook/RunsTable.h"
#include "runlog/Library.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LogbookCommands)
};
}  // namespace

namespace {

// The logbook, or nothing with its one message said.
std::unique_ptr<Logbook> Opened(const QString& path, std::FILE* err) {
    auto book = std::make_unique<Logbook>(path);
    if (book->isOpen()) return book;
    std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
    return nullptr;
}

// A name as the terminal can show it: control characters written as \xNN.
std::string Printable(const QString& text) {
    std::string out;
    for (const char c : text.toStdString()) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

// A read that failed part way (a damaged file): said once; true then.
bool Damaged(const Logbook& book, std::FILE* err) {
    if (book.error().isEmpty()) return false;
    std::fprintf(err, "norva: %s\n", book.error().toLocal8Bit().constData());
    return true;
}

std::optional<Engine> Named(Logbook& book, const std::string& name, std::FILE* err) {
    auto engine = book.engineNamed(QString::fromStdString(name));
    if (!engine && !Damaged(book, err))
        std::fprintf(
            err, "norva: %s\n",
            qPrintable(Texts::tr("no engine named \"%1\" in the logbook %2")
                           .arg(QString::fromStdString(Printable(QString::fromStdString(name))),
                                book.name())));
    return engine;
}

}  // namespace

int LogbookEngines(const QString& logbook, bool csv, std::FILE* out, std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    // Printed only once all of it was read.
    std::string text =
        csv ? "engine,runs,minutes,flagged,events,last_service,minutes_since_service,shift\n" : "";
    auto lives = book->lives();
    for (const Engine& e : book->engines()) {
        const EngineTotals& t = lives[e.id].totals;
        const std::string service =
            t.lastService ? t.lastService->toString(QStringLiteral("yyyy-MM-dd")).toStdString()
                          : std::string();
        const std::string name = Printable(e.name);
        if (csv) {
            text += CsvField(QString::fromStdString(name)) + "," + std::to_string(t.runs) + "," +
                    MinutesText(t.minutes) + "," + std::to_string(t.flagged) + "," +
                    std::to_string(t.events) + "," + service + "," +
                    MinutesText(t.minutesSinceService) + "," +
                    CsvField(QString::fromStdString(t.shift)) + "\n";
            continue;
        }
        text += name + "  " + Count(t.runs, "run", "runs") + "  " + MinutesText(t.minutes) +
                " min  " + std::to_string(t.flagged) + " flagged  " +
                Count(t.events, "event", "events");
        if (t.lastService)
            text +=
                "  serviced " + service + ", " + MinutesText(t.minutesSinceService) + " min since";
        if (!t.shift.empty()) text += "  " + t.shift;
        text += "\n";
    }
    if (Damaged(*book, err)) return exitstatus::kBadInput;
    std::fputs(text.c_str(), out);
    return exitstatus::kDone;
}

int LogbookRuns(const QString& logbook, const std::string& engine, bool csv, std::FILE* out,
                std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    const auto e = Named(*book, engine, err);
    if (!e) return exitstatus::kBadInput;
    const auto runs = book->runs(e->id);
    if (Damaged(*book, err)) return exitstatus::kBadInput;
    const std::string text = csv ? RunsCsv(runs) : RunsText(runs);
    std::fputs(text.c_str(), out);
    return exitstatus::kDone;
}

int LogbookImport(const QString& logbook, const std::vector<std::string>& files,
                  const std::string& engine, const EngineLimits& limits, std::FILE* out,
                  std::FILE* err) {
    if (!engine.empty() && QString::fromStdString(engine).trimmed().isEmpty()) {
        std::fprintf(err, "norva: %s\n",
                     qPrintable(Texts::tr("--engine needs a name, not blanks")));
        return exitstatus::kBadInput;
    }
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    if (const QString refused = book->importRefusal(); !refused.isEmpty()) {
        std::fprintf(err, "norva: %s\n", refused.toLocal8Bit().constData());
        return exitstatus::kBadInput;
    }
    const bool limitsGiven = limits.idleRpm || limits.fullRpm || limits.maxEgtC;
    std::vector<qint64> limited;  // engines given the limits already
    // One file at a time, read, added and let go: a shop's thousand files never sit in memory
    // together. A file that is not an export is named and the others go on; the status says so.
    int status = exitstatus::kDone;
    for (const std::string& path : files) {
        std::string error;
        const auto read = ReadLogbookExport(path, error);
        if (!read) {
            std::fprintf(
                err, "norva: %s\n",
                qPrintable(
                    Texts::tr("%1; the file was not imported").arg(QString::fromStdString(error))));
            status = exitstatus::kBadInput;
            continue;
        }
        const LogbookExport& file = *read;
        if (book->holds(file)) {
            ImportResult known;
            known.status = ImportResult::AlreadyThere;
            std::fprintf(out, "%s: %s\n", file.path.c_str(), ImportOutcome(known, {}).c_str());
            continue;
        }
        // Without --engine, the engine the file's welcome text is known as, else one named with it.
        auto target = engine.empty() ? book->engineFor(file.identity) : std::nullopt;
        if (!target)
            target = EngineNamedOrNew(
                *book,
                engine.empty() ? ProposedEngineName(file.identity) : QString::fromStdString(engine),
                file.identity);
        if (!target) {
            std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
            return exitstatus::kBadInput;
        }
        // The limits given go to the engine before its first file: that one is measured
        // with them, and what it had before is measured again.
        if (limitsGiven && std::find(limited.begin(), limited.end(), target->id) == limited.end()) {
            if (!book->setEngineLimits(target->id, limits)) {
                std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
                return exitstatus::kBadInput;
            }
            limited.push_back(target->id);
            target = book->engineNamed(target->name);
        }
        const ImportResult r = book->import(file, target->id);
        if (r.status == ImportResult::Failed) {
            std::fprintf(err, "norva: %s\n", r.error.toLocal8Bit().constData());
            return exitstatus::kBadInput;
        }
        std::fprintf(out, "%s: %s\n", file.path.c_str(),
                     ImportOutcome(r, Printable(target->name)).c_str());
        if (r.status == ImportResult::AlreadyThere) continue;
        if (r.runsAdded + r.runsReplaced > 0 && !book->limitsFor(file, *target).idleRpm)
            std::fprintf(out,
                         "%s: the idle speed is not known (the file has no configuration): "
                         "its starts are not measured; give it once with --idle RPM\n",
                         file.path.c_str());
    }
    return status;
}

int LogbookVacuum(const QString& logbook, const QString& libraryFolder, int keepDays,
                  std::FILE* out, std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    const PruneResult pruned = PruneKept(
        libraryFolder, QDateTime::currentDateTime().addDays(-keepDays), [&](const QString& path) {
            std::string error;
            const auto text = ReadWholeFile(path.toStdString(), error);
            return text && book->holds(QCryptographicHash::hash(
                                           QByteArrayView(text->data(), qsizetype(text->size())),
                                           QCryptographicHash::Sha256)
                                           .toHex(),
                                       true);
        });
    const auto sizes = book->vacuum();
    if (!sizes) {
        std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
        return exitstatus::kBadInput;
    }
    const auto mb = [](qint64 bytes) { return MinutesText(bytes / 1e6); };
    std::fprintf(out,
                 "Freed %s MB: %d kept downloads the logbook holds (made again when opened), %d "
                 "older than %d days; the logbook %s went from %s MB to %s MB\n",
                 mb(pruned.bytes + sizes->first - sizes->second).c_str(), pruned.held, pruned.old,
                 keepDays, book->name().toLocal8Bit().constData(), mb(sizes->first).c_str(),
                 mb(sizes->second).c_str());
    return exitstatus::kDone;
}

int LogbookCopy(const QString& from, const QString& to, std::FILE* out, std::FILE* err) {
    const auto source = Opened(from, err);
    if (!source) return exitstatus::kBadInput;
    const auto target = Opened(to, err);
    if (!target) return exitstatus::kBadInput;
    const auto copied = source->copyTo(*target);
    if (!copied) {
        std::fprintf(err, "norva: %s\n", source->error().toLocal8Bit().constData());
        return exitstatus::kBadInput;
    }
    std::fprintf(out,
                 "Copied %s to %s: %d engines, %d downloads with %d runs, %d events; %d downloads "
                 "were there already\n",
                 source->name().toLocal8Bit().constData(), target->name().toLocal8Bit().constData(),
                 copied->engines, copied->downloads, copied->runs, copied->events,
                 copied->downloadsThere);
    return exitstatus::kDone;
}

int LogbookService(const QString& logbook, const std::string& engine, const std::string& note,
                   std::FILE* out, std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    const auto e = Named(*book, engine, err);
    if (!e) return exitstatus::kBadInput;
    const QDateTime now = QDateTime::currentDateTime();
    if (!book->addService(e->id, now, QString::fromStdString(note))) {
        std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
        return exitstatus::kBadInput;
    }
    std::fprintf(out, "%s: service recorded on %s; its baseline starts again\n",
                 Printable(e->name).c_str(),
                 now.toString(QStringLiteral("yyyy-MM-dd hh:mm")).toStdString().c_str());
    return exitstatus::kDone;
}

int LogbookReport(const QString& logbook, const std::string& engine, const std::string& pdf,
                  std::FILE* err) {
    std::string error;
    if (!CheckOutputPath(pdf, error)) {
        std::fprintf(err, "norva: %s\n", error.c_str());
        return exitstatus::kBadInput;
    }
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    const auto e = Named(*book, engine, err);
    if (!e) return exitstatus::kBadInput;
    const EngineLife life = book->life(e->id);
    if (Damaged(*book, err)) return exitstatus::kBadInput;
    QPdfWriter writer(QString::fromStdString(pdf));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QStringLiteral("Engine report: %1").arg(e->name));
    if (!PrintEngineReport(writer, *e, life)) {
        std::fprintf(err, "norva: %s\n",
                     qPrintable(Texts::tr("cannot write %1").arg(QString::fromStdString(pdf))));
        return exitstatus::kBadInput;
    }
    return exitstatus::kDone;
}

}  // namespace norva
