#include "logbook/LogDownload.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "base/OffThread.h"
#include "logbook/LogbookLocation.h"
#include "runlog/Library.h"
#include "ui/Dialogs.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LogDownload)
};
}  // namespace

namespace {

// May this unit's downloads go to `e`? Not to another unit's engine: one with another serial
// number, or, for a downward unit, one an upward unit's downloads went to (and the other way
// round), whatever their welcome texts say.
bool Ours(Logbook& book, const Engine& e, const EngineIdentity& identity) {
    if (e.serial) return e.serial == identity.serial;
    if (!identity.serial) return true;
    const auto downloads = book.downloads(e.id);
    return std::none_of(downloads.begin(), downloads.end(),
                        [](const Download& d) { return d.unitKind == QLatin1String("upward"); });
}

// What the logbook says before the download goes in: the unit's engine, or the names known
// when it is new; a logbook that cannot be used says why.
struct Known {
    QString error;
    std::optional<Engine> engine;
    QStringList names;
};

// What taking the download in came to: something to tell the user (the engine named apart),
// or why it failed.
struct Taken {
    QString told;
    QString error;
};

}  // namespace

Task<> LogDownload(Services s, LogbookTarget target, QString keptPath, EngineIdentity identity,
                   QString unitKind, std::vector<uint8_t> image) {
    if (target.path.isEmpty()) co_return;
    // The logbook is opened, read and written off the interface thread (another program may
    // hold it for seconds, and an import takes milliseconds the live values should have); only
    // the question is asked here.
    const Known known = co_await OffThread([path = target.path, identity] {
        Known k;
        Logbook book(path);
        if (!book.isOpen()) {
            k.error = book.error();
            return k;
        }
        k.engine = KnownEngine(book, identity);
        if (!k.engine)
            for (const Engine& e : book.engines()) k.names << e.name;
        return k;
    });
    if (!known.error.isEmpty()) {
        s.dialogs.notify(known.error + Texts::tr("; the download was not logged."), {},
                         MessageIcon::Warning);
        co_return;
    }
    QString name;
    if (!known.engine) {
        const QString proposal = ProposedEngineName(identity);
        name = target.engineName.isEmpty() ? proposal : target.engineName;
        if (target.engineName.isEmpty() && target.ask) {
            const QString who = identity.serial
                                    ? Texts::tr("serial number %1").arg(*identity.serial)
                                    : Texts::tr("welcome text \"%1\"").arg(identity.welcome);
            name = co_await s.dialogs.inputBox(
                Texts::tr("Logbook"),
                Texts::tr("This unit (%1) is new to the logbook. The engine's name:%2")
                    .arg(who, known.names.isEmpty()
                                  ? QString()
                                  : Texts::tr("\n(known: %1)")
                                        .arg(known.names.join(QStringLiteral(", ")))),
                proposal);
            if (name.trimmed().isEmpty()) {
                s.dialogs.notify(Texts::tr("The download was not added to the logbook."));
                co_return;
            }
        }
    }
    const Taken taken = co_await OffThread([target, keptPath, identity, unitKind, image,
                                            engine = known.engine, name = name.trimmed()] {
        Taken t;
        Logbook book(target.path);
        std::string error;
        const auto file = ReadLogbookExport(keptPath.toStdString(), error);
        if (!file) {
            t.error = QString::fromStdString(error);
            return t;
        }
        auto chosen = engine;
        if (!chosen) {
            // An engine already there takes the unit as its own from now on, unless it is
            // another unit's: this one then gets an engine of its own, named apart, and is told.
            QString named = name;
            chosen = book.engineNamed(named);
            if (chosen && !Ours(book, *chosen, identity)) {
                const QString apart =
                    identity.serial ? Texts::tr("%1 (serial %2)").arg(named).arg(*identity.serial)
                                    : Texts::tr("%1 (%2 unit)").arg(named, unitKind);
                t.told = Texts::tr(
                             "\"%1\" is another unit's engine: this unit's downloads go "
                             "to \"%2\".")
                             .arg(named, apart);
                named = apart;
                chosen = book.engineNamed(named);
                if (chosen && !Ours(book, *chosen, identity)) chosen.reset();
            }
            if (chosen) book.addIdentity(chosen->id, identity);
            if (!chosen) chosen = book.addEngine(named, identity);
        }
        const ImportResult result =
            chosen ? book.import(*file, chosen->id, unitKind, image) : ImportResult{};
        if (!chosen || result.status == ImportResult::Failed) {
            t.error = book.error() + Texts::tr("; the download was not logged.");
            return t;
        }
        // The kept folder holds a year of downloads, not every one ever made: what is older
        // goes (the logbook makes again those it holds, when one is opened).
        PruneKept(QFileInfo(keptPath).absolutePath(),
                  QDateTime::currentDateTime().addDays(-target.keepDays));
        return t;
    });
    if (!taken.told.isEmpty()) s.dialogs.notify(taken.told);
    if (!taken.error.isEmpty()) s.dialogs.notify(taken.error, {}, MessageIcon::Warning);
}

std::optional<Engine> KnownEngine(Logbook& book, const EngineIdentity& identity) {
    auto engine = book.engineFor(identity);
    if (engine && !Ours(book, *engine, identity)) engine.reset();
    return engine;
}

QString ProposedEngineName(const EngineIdentity& identity) {
    return identity.welcome.isEmpty() ? Texts::tr("New engine") : identity.welcome;
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

void RecordEvent(const QString& logbookPath, std::span<const uint8_t> image, bool downward,
                 const QString& kind, const QString& file, const QString& detail) {
    if (!LogbookExists(logbookPath)) return;
    Logbook book(logbookPath);
    if (const auto engine = book.engineFor(IdentityOf(image, downward)))
        book.addEvent(engine->id, {kind, QDateTime::currentDateTime(), file, detail});
}

std::function<Task<>(Services, QString, std::optional<std::array<uint8_t, 257>>, bool)>
LogbookKeeper(LogbookTarget target) {
    return [target](Services s, QString kept, std::optional<std::array<uint8_t, 257>> image,
                    bool downward) {
        return LogDownload(
            s, target, std::move(kept), image ? IdentityOf(*image, downward) : EngineIdentity{},
            image ? QString::fromLatin1(downward ? "downward" : "upward") : QString(),
            image ? std::vector<uint8_t>(image->begin(), image->begin() + 256)
                  : std::vector<uint8_t>());
    };
}

}  // namespace norva
