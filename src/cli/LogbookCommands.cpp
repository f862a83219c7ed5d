#include "cli/LogbookCommands.h"

#include <QFileInfo>
#include <QPdfWriter>

#include "cli/ExitStatus.h"
#include "logbook/EngineReport.h"
#include "logbook/Logbook.h"

namespace norva {

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const QString& text) {
    std::string s = text.toStdString();
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string quoted = "\"";
    for (char c : s) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

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
        std::fprintf(err, "norva: no engine named \"%s\" in the logbook %s\n",
                     Printable(QString::fromStdString(name)).c_str(),
                     book.path().toLocal8Bit().constData());
    return engine;
}

}  // namespace

int LogbookEngines(const QString& logbook, bool csv, std::FILE* out, std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    // Printed only once all of it was read.
    std::string text = csv ? "engine,runs,minutes,flagged\n" : "";
    for (const Engine& e : book->engines()) {
        const EngineTotals t = book->totals(e.id);
        char numbers[96];
        std::snprintf(numbers, sizeof numbers,
                      csv ? ",%d,%.1f,%d\n" : "  %d runs  %.1f min  %d flagged\n", t.runs,
                      t.minutes, t.flagged);
        text += (csv ? CsvField(QString::fromStdString(Printable(e.name))) : Printable(e.name)) +
                numbers;
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
    if (csv) std::fprintf(out, "date,download,%s,flag\n", kRunsCsvHeader);
    for (const LoggedRun& r : runs) {
        const std::string date =
            r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
        const QString file = QFileInfo(r.downloadFile).fileName();
        if (csv)
            std::fprintf(out, "%s,%s,%s,%s\n", date.c_str(), CsvField(file).c_str(),
                         RunCsvLine(r.run).c_str(),
                         CsvField(QString::fromStdString(r.health.flag)).c_str());
        else
            std::fprintf(out, "%s  %s  %s%s%s\n", date.c_str(), file.toStdString().c_str(),
                         RunText(r.run).c_str(),
                         r.health.flag.empty() ? "" : "  FLAGGED: ", r.health.flag.c_str());
    }
    return exitstatus::kDone;
}

int LogbookImport(const QString& logbook, const std::vector<std::string>& files,
                  const std::string& engine, std::FILE* out, std::FILE* err) {
    // Every file is read before anything goes in: a bad one among them adds nothing.
    std::vector<LogbookExport> exports;
    for (const std::string& path : files) {
        std::string error;
        auto file = ReadLogbookExport(path, error);
        if (!file) {
            std::fprintf(err, "norva: %s\n", error.c_str());
            return exitstatus::kBadInput;
        }
        exports.push_back(std::move(*file));
    }
    if (!engine.empty() && QString::fromStdString(engine).trimmed().isEmpty()) {
        std::fprintf(err, "norva: --engine needs a name, not blanks\n");
        return exitstatus::kBadInput;
    }
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    for (const LogbookExport& file : exports) {
        if (book->holds(file)) {
            std::fprintf(out, "%s: already in the logbook\n", file.path.c_str());
            continue;
        }
        const QString name =
            engine.empty() ? file.identity.welcome : QString::fromStdString(engine);
        auto target = engine.empty() ? book->engineFor(file.identity) : book->engineNamed(name);
        if (!target)
            target = book->addEngine(name.isEmpty() ? QStringLiteral("New engine") : name,
                                     file.identity);
        if (!target)
            target = book->engineNamed(name.isEmpty() ? QStringLiteral("New engine") : name);
        if (!target) {
            std::fprintf(err, "norva: %s\n", book->error().toLocal8Bit().constData());
            return exitstatus::kBadInput;
        }
        const ImportResult r = book->import(file, target->id);
        if (r.status == ImportResult::Failed) {
            std::fprintf(err, "norva: %s\n", r.error.toLocal8Bit().constData());
            return exitstatus::kBadInput;
        }
        if (r.status == ImportResult::AlreadyThere)
            std::fprintf(out, "%s: already in the logbook\n", file.path.c_str());
        else
            std::fprintf(out, "%s: %s, %d runs added, %d replaced, %d already there\n",
                         file.path.c_str(), target->name.toStdString().c_str(), r.runsAdded,
                         r.runsReplaced, r.runsKnown);
    }
    return exitstatus::kDone;
}

int LogbookReport(const QString& logbook, const std::string& engine, const std::string& pdf,
                  std::FILE* err) {
    const auto book = Opened(logbook, err);
    if (!book) return exitstatus::kBadInput;
    const auto e = Named(*book, engine, err);
    if (!e) return exitstatus::kBadInput;
    const auto runs = book->runs(e->id);
    const EngineTotals totals = book->totals(e->id);
    if (Damaged(*book, err)) return exitstatus::kBadInput;
    std::vector<EngineRun> plain;
    for (const LoggedRun& r : runs) plain.push_back(r.run);
    QPdfWriter writer(QString::fromStdString(pdf));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QStringLiteral("Engine report: %1").arg(e->name));
    if (!PrintEngineReport(writer, *e, totals, BaselineOf(plain), runs)) {
        std::fprintf(err, "norva: cannot write %s\n", pdf.c_str());
        return exitstatus::kBadInput;
    }
    return exitstatus::kDone;
}

}  // namespace norva
