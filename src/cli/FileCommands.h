#pragma once
// The commands that work on files alone, without a unit: showing a ramp file, drawing a run
// log's time chart, converting a raw run log, drawing and printing a measure file.

#include <cstdio>
#include <optional>
#include <string>

namespace norva {

// Exit status 0, or 3 with a message on err for a file that is not a ramp file, 1 when the
// picture cannot be written.
// norva ramps show: the table with relative speeds on out, the chart as a picture.
int ShowRampFile(const std::string& path, const std::string& png, std::FILE* out, std::FILE* err);

// norva timechart: the export file's chart from minute `from` to `to`, as a PNG picture or a
// PDF page. Exit status 0, 3 for a file that cannot be read, 1 when the output cannot be
// written.
int DrawTimeChartFile(const std::string& path, const std::string& png, const std::string& pdf,
                      double from, double to, const std::string& overlay, std::FILE* err);

// norva chart print: the measure file's printed page as a PDF. norva chart show: the file
// replayed on the performance chart at its design size, as a PNG picture; `pressureAxis`
// false draws it against speed. Exit status 0, 3 for a file that cannot be read, 1 when the
// output cannot be written.
int PrintMeasureFile(const std::string& path, const std::string& pdf, std::FILE* err);
int ShowMeasureFile(const std::string& path, const std::string& png, bool pressureAxis,
                    std::FILE* err);

// norva diff A B: one line a differing setting of two clone files on out; exit status 0 when
// equal, 1 when they differ, 3 for a file that cannot be read.
int DiffCloneFiles(const std::string& a, const std::string& b, bool downward, std::FILE* out,
                   std::FILE* err);

// norva runlog convert: a raw log (one byte a line) to an export file, without a trailer.
// Exit status 0, 3 for a raw log that is not one (naming the marker it lacks), 1 when
// the export cannot be written.
int ConvertRawLog(const std::string& raw, const std::string& out, std::FILE* err);

// norva runlog runs: one line per engine run of an export file (with `csv`, a header line and
// comma-separated values). The idle speed is the file's own when it has a trailer, else
// `idleRpm`. Exit status 0, 3 for a file that is not an export.
int PrintRuns(const std::string& file, std::optional<int> idleRpm, bool csv, std::FILE* out,
              std::FILE* err);

// norva runlog stats: the four channels of an export file at minute `from` (A) and `to` (B),
// and from one to the other, as StatsText prints them. Exit status 0, 3 for a file that is
// not an export.
int PrintSpanStats(const std::string& file, double from, double to, bool csv, std::FILE* out,
                   std::FILE* err);

}  // namespace norva
