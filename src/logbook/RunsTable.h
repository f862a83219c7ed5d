#pragma once
// An engine's runs as text: the CSV and the listing `logbook runs` prints, which the logbook
// window saves too, so the two never differ by a byte.

#include <QString>
#include <string>
#include <vector>

#include "logbook/Logbook.h"

namespace norva {

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const QString& text);
// "1 run", "3 runs".
std::string Count(int n, const char* one, const char* many);
// Minutes with one decimal, rounded half up (50.75 is 50.8).
std::string MinutesText(double minutes);

// A header line, then one line a run: the date, the download, the `runlog runs` columns, the
// steady points, the failed starts before it, its events and its flag. Lines end in LF.
std::string RunsCsv(const std::vector<LoggedRun>& runs);
// One line a run for people, its events and flag spelled out.
std::string RunsText(const std::vector<LoggedRun>& runs);

}  // namespace norva
