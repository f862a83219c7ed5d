#pragma once
// norva logbook: the logbook's engines, an engine's runs, imports of exports made before, and
// the engine report, without windows.

#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "runlog/RunEvents.h"

namespace norva {

// Each returns the exit status: 0, or 3 for a file that is not an export, an engine not in the
// logbook, a logbook that cannot be used (locked, damaged) or an output that cannot be written.
int LogbookEngines(const QString& logbook, bool csv, std::FILE* out, std::FILE* err);
int LogbookRuns(const QString& logbook, const std::string& engine, bool csv, std::FILE* out,
                std::FILE* err);
// Each file goes to the engine named, else to the one its welcome text is known as, else to a
// new engine named with its welcome text. `limits` given are kept for that engine: its files
// without the unit's configuration are measured with them.
int LogbookImport(const QString& logbook, const std::vector<std::string>& files,
                  const std::string& engine, const EngineLimits& limits, std::FILE* out,
                  std::FILE* err);
// Removes the kept downloads the logbook holds and those older than `keepDays`, compacts the
// logbook, and says what it freed.
int LogbookVacuum(const QString& logbook, const QString& libraryFolder, int keepDays,
                  std::FILE* out, std::FILE* err);
int LogbookService(const QString& logbook, const std::string& engine, const std::string& note,
                   std::FILE* out, std::FILE* err);
// Copies the logbook `from` into `to` (a file or a server's URL each), adding what `to` does
// not hold yet, and says what it added.
int LogbookCopy(const QString& from, const QString& to, std::FILE* out, std::FILE* err);
int LogbookReport(const QString& logbook, const std::string& engine, const std::string& pdf,
                  std::FILE* err);

}  // namespace norva
