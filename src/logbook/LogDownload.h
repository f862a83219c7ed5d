#pragma once
// Every download goes into the engine logbook by itself, once it is kept with the recent
// downloads: to the engine the unit is known as, or, for a unit not seen before, to the engine
// the user names (the window asks; the command line takes --engine or the welcome text).

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Task.h"
#include "logbook/Logbook.h"
#include "ops/OperationTools.h"

namespace norva {

struct LogbookTarget {
    QString path;        // the database; empty: downloads are not logged
    QString engineName;  // the engine for a unit not seen before; empty: see `ask`
    bool ask = false;    // true: ask for the name, proposing the welcome text
    int keepDays = 365;  // kept downloads older than this are removed once one is logged
};

// Adds the kept export. Whatever goes wrong is said in one message and the download goes on:
// the logbook never stands in the way of the file. `image` is the configuration the program
// held (its limits measure the runs; it is kept with the download), empty when not complete.
Task<> LogDownload(Services s, LogbookTarget target, QString keptPath, EngineIdentity identity,
                   QString unitKind, std::vector<uint8_t> image);

// The engine the unit's downloads go to, when the logbook knows one: by its serial number or
// welcome text, never another unit's engine.
std::optional<Engine> KnownEngine(Logbook& book, const EngineIdentity& identity);
// The name a new engine is proposed under: the unit's welcome text, else "New engine".
QString ProposedEngineName(const EngineIdentity& identity);
// The engine named so, else a new one known by `identity`; nothing (the logbook's error() says
// why) when there can be neither. For an export the engine its identity is known as comes
// first (Logbook::engineFor); this is for one without, or one the user names.
std::optional<Engine> EngineNamedOrNew(Logbook& book, const QString& name,
                                       const EngineIdentity& identity);
// What an import did, said after the file's name on standard output, in English for the
// scripts that read it: "already in the logbook", or "ENGINE, 3 runs added, 0 replaced,
// 1 already there".
std::string ImportOutcome(const ImportResult& result, const std::string& engineName);

// What an operation did to the unit (a configuration write, a backup, a hardware test's
// result), as an event of the unit's engine; nothing for a unit the logbook does not know yet,
// or a logbook that cannot be used (a download says so).
void RecordEvent(const QString& logbookPath, std::span<const uint8_t> image, bool downward,
                 const QString& kind, const QString& file, const QString& detail);

// What a download is told once it is kept: LogDownload with the unit's identity and kind
// from the image it holds.
std::function<Task<>(Services, QString, std::optional<std::array<uint8_t, 257>>, bool)>
LogbookKeeper(LogbookTarget target);

}  // namespace norva
