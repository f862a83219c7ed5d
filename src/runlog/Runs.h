#pragma once
// The engine runs of an exported run log: each stretch of turning engine within one cycle,
// with how it started (time to idle, the hottest moment of the start) and how hard it worked.

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runlog/RunLog.h"

namespace norva {

// An export file read strictly: the header on line 1, then data lines of seven whole numbers
// up to the first empty line or the end; behind that the trailer, of which only the image
// cells are read (`N,"HH"`, the first of a number counting).
// What the trailer says besides its image cells, read by the labels ExportLines writes.
struct RunLogTrailer {
    std::string welcome;  // the two welcome lines, 16 characters each
    std::string shutdownCause;
    std::optional<double> shutdownEgt, shutdownRpm, shutdownPump, totalMinutes, cycles;
};
struct RunLogExport {
    QDateTime moment;  // the header's; invalid when it has none
    std::vector<RunLogLine> lines;
    std::optional<int> idleCell;  // nothing when there is no trailer or it lacks cell 50
    std::array<std::optional<uint8_t>, 256> cells;  // the trailer's image, as far as it goes
    std::optional<RunLogTrailer> trailer;           // nothing for an export without one
};
// A data line's record ("3,0,0,720,98000,392,450"); nothing for anything else.
std::optional<RunLogLine> RunLogRecordLine(std::string_view record);

// Nothing, with "FILE:LINE: why" in error, for a file that is not an export. `text`, when
// given, receives the file's bytes.
std::optional<RunLogExport> ReadRunLogExport(const std::string& path, std::string& error,
                                             std::string* text = nullptr);

struct EngineRun {
    int cycle = 0;
    int firstLine = 0;  // data line numbers, 1-based in file order
    int lineCount = 0;
    std::optional<int> idleLine;  // the first line at or above idle speed
    std::optional<int> peakStartEgt;
    int maxRpm = 0;
    int maxEgt = 0;
    std::optional<int> meanPump;  // tenths of a percent

    bool idleKnown = false;  // false: measured without an idle speed
    // The run was already turning when the log begins: its start is not in the file, so its
    // time to idle and start EGT are not measured (its minute and length stand).
    bool startCut = false;

    int lastLine() const { return firstLine + lineCount - 1; }
    // Where the run begins and ends on the time chart's minute scale.
    double firstMinute() const { return (firstLine - 1) / double(kLinesPerMinute); }
    double endMinute() const { return lastLine() / double(kLinesPerMinute); }
};

// Where time begins in an export, as an index into its lines. The export starts at its smallest
// cycle, but the unit's cycle counter goes on from 255 to 0, so the newest runs can come first.
// In time one cycle follows another by a small step; the one step backwards (a step forward of
// more than half the counter) lies between the newest sample and the oldest. 0 when there is
// none.
size_t TimeOrderStart(const std::vector<RunLogLine>& lines);

// The runs in time order: maximal stretches of lines with RPM above 0 and one cycle. A sample
// without data (RPM of kNoDataRpm or more) ends a run and counts in no value. Without an idle
// speed the start values and the mean pump stay empty. A run that begins where time begins, or
// goes on from the end of the file to its first line, has its start cut.
std::vector<EngineRun> FindRuns(const std::vector<RunLogLine>& lines, std::optional<int> idleRpm);

// The idle speed a file's runs are measured with: its trailer's, else the one given.
std::optional<int> IdleRpm(const RunLogExport& file, std::optional<int> given);

// The eight values in order, empty where a value is not measured: "3", "5.0", "30.0", "4.5",
// "780", "120000", "690", "451".
std::vector<std::string> RunFields(const EngineRun& run);
extern const char* const kRunsCsvHeader;
std::string RunCsvLine(const EngineRun& run);
// One line for people: "cycle 3  at 5.0 min  30.0 s  idle after 4.5 s  ...".
std::string RunText(const EngineRun& run);

}  // namespace norva
