#include "logbook/LogDownload.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "runlog/Library.h"
#include "ui/Dialogs.h"

namespace norva {

Task<> LogDownload(Services s, LogbookTarget target, QString keptPath, EngineIdentity identity,
                   QString unitKind, std::vector<uint8_t> image) {
    if (target.path.isEmpty()) co_return;
    Logbook book(target.path);
    if (!book.isOpen()) {
        s.dialogs.notify(book.error() + QStringLiteral("; the download was not logged."), {},
                         MessageIcon::Warning);
        co_return;
    }
    std::string error;
    const auto file = ReadLogbookExport(keptPath.toStdString(), error);
    if (!file) {
        s.dialogs.notify(QString::fromStdString(error), {}, MessageIcon::Warning);
        co_return;
    }
    // May this unit's downloads go to `e`? Not to another unit's engine: one with another serial
    // number, or, for a downward unit, one an upward unit's downloads went to (and the other way
    // round), whatever their welcome texts say.
    const auto ours = [&](const Engine& e) {
        if (e.serial) return e.serial == identity.serial;
        if (!identity.serial) return true;
        const auto downloads = book.downloads(e.id);
        return std::none_of(downloads.begin(), downloads.end(), [](const Download& d) {
            return d.unitKind == QLatin1String("upward");
        });
    };
    auto engine = book.engineFor(identity);
    if (engine && !ours(*engine)) engine.reset();
    if (!engine) {
        const QString proposal = ProposedEngineName(identity);
        QString name = target.engineName.isEmpty() ? proposal : target.engineName;
        if (target.engineName.isEmpty() && target.ask) {
            QStringList known;
            for (const Engine& e : book.engines()) known << e.name;
            const QString who = identity.serial
                                    ? QStringLiteral("serial number %1").arg(*identity.serial)
                                    : QStringLiteral("welcome text \"%1\"").arg(identity.welcome);
            name = co_await s.dialogs.inputBox(
                QStringLiteral("Logbook"),
                QStringLiteral("This unit (%1) is new to the logbook. The engine's name:%2")
                    .arg(who, known.isEmpty() ? QString()
                                              : QStringLiteral("\n(known: %1)")
                                                    .arg(known.join(QStringLiteral(", ")))),
                proposal);
            if (name.trimmed().isEmpty()) {
                s.dialogs.notify(QStringLiteral("The download was not added to the logbook."));
                co_return;
            }
        }
        // An engine already there takes the unit as its own from now on, unless it is another
        // unit's: this one then gets an engine of its own, named apart, and is told so.
        engine = book.engineNamed(name.trimmed());
        if (engine && !ours(*engine)) {
            const QString apart =
                identity.serial
                    ? QStringLiteral("%1 (serial %2)").arg(name.trimmed()).arg(*identity.serial)
                    : QStringLiteral("%1 (%2 unit)").arg(name.trimmed(), unitKind);
            s.dialogs.notify(QStringLiteral("\"%1\" is another unit's engine: this unit's "
                                            "downloads go to \"%2\".")
                                 .arg(name.trimmed(), apart));
            name = apart;
            engine = book.engineNamed(name);
            if (engine && !ours(*engine)) engine.reset();
        }
        if (engine) book.addIdentity(engine->id, identity);
        if (!engine) engine = book.addEngine(name, identity);
    }
    const ImportResult result =
        engine ? book.import(*file, engine->id, unitKind, image) : ImportResult{};
    if (!engine || result.status == ImportResult::Failed) {
        s.dialogs.notify(book.error() + QStringLiteral("; the download was not logged."), {},
                         MessageIcon::Warning);
        co_return;
    }
    // The kept folder holds a year of downloads, not every one ever made: what is older goes
    // (the logbook makes again those it holds, when one is opened).
    PruneKept(QFileInfo(keptPath).absolutePath(),
              QDateTime::currentDateTime().addDays(-target.keepDays));
}

QString ProposedEngineName(const EngineIdentity& identity) {
    return identity.welcome.isEmpty() ? QStringLiteral("New engine") : identity.welcome;
}

std::optional<Engine> EngineNamedOrNew(Logbook& book, const QString& name,
                                       const EngineIdentity& identity) {
    if (auto engine = book.engineNamed(name)) return engine;
    if (auto added = book.addEngine(name, identity)) return added;
    // Another program importing at the same moment may have made it since.
    return book.engineNamed(name);
}

std::string ImportOutcome(const ImportResult& result, const std::string& engineName) {
    if (result.status == ImportResult::AlreadyThere) return "already in the logbook";
    return engineName + ", " + std::to_string(result.runsAdded) + " runs added, " +
           std::to_string(result.runsReplaced) + " replaced, " + std::to_string(result.runsKnown) +
           " already there";
}

void RecordEvent(const QString& logbookPath, std::span<const uint8_t> image, bool descending,
                 const QString& kind, const QString& file, const QString& detail) {
    if (!QFileInfo::exists(logbookPath)) return;
    Logbook book(logbookPath);
    if (const auto engine = book.engineFor(IdentityOf(image, descending)))
        book.addEvent(engine->id, {kind, QDateTime::currentDateTime(), file, detail});
}

std::function<Task<>(Services, QString, std::optional<std::array<uint8_t, 257>>, bool)>
LogbookKeeper(LogbookTarget target) {
    return [target](Services s, QString kept, std::optional<std::array<uint8_t, 257>> image,
                    bool descending) {
        return LogDownload(
            s, target, std::move(kept), image ? IdentityOf(*image, descending) : EngineIdentity{},
            image ? QString::fromLatin1(descending ? "downward" : "upward") : QString(),
            image ? std::vector<uint8_t>(image->begin(), image->begin() + 256)
                  : std::vector<uint8_t>());
    };
}

}  // namespace norva
