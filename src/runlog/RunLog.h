#pragma once
// The unit's run log: the last 51 minutes of engine running, 1024 pages of six half-second
// samples, as the download brings it (a preamble, ten zeros, a 252, a 253, then the pages),
// decoded, turned so that it starts with the oldest sample, and exported as a text file with
// the configuration behind it.

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norva {

constexpr int kRunLogPages = 1024;
constexpr int kSamplesPerPage = 6;
constexpr int kRunLogLines = kRunLogPages * kSamplesPerPage;  // 6144
constexpr int kLinesPerMinute = 120;                          // one line every half second
constexpr int kRunLogPageBytes = 2 + 5 * kSamplesPerPage;     // 32
// A download takes at least this many bytes, 1041 reports whose 33312 bytes are all kept, and
// more while the pages have not ended (a long preamble, or normal reports taken as its start).
constexpr int kDownloadBytes = 33300;

// An RPM from this value on is no measurement: the byte of a sample never written reads 255.
constexpr int kNoDataRpm = 252000;

// One half-second sample with its page's cycle and page numbers, decoded.
struct RunLogLine {
    int cycle = 0;
    int page = 0;
    int aux = 0;
    int temp = 0;      // degrees C
    int rpm = 0;       // revolutions per minute
    int throttle = 0;  // tenths of a percent
    int pump = 0;      // tenths of a percent

    bool operator==(const RunLogLine&) const = default;
};

// Where the pages begin in a raw log: just after its 253. Nothing while (or when) a marker is
// missing; `why` then says which.
std::optional<size_t> RunLogPagesAt(std::span<const uint8_t> raw, std::string* why = nullptr);
constexpr size_t kRunLogPagesBytes = size_t(kRunLogPages) * kRunLogPageBytes;  // 32768

// The 6144 lines in raw order, or nothing when a marker is missing (the ten zeros, the 252,
// the 253 after it) or the log ends before its pages do; `why` then says which.
std::optional<std::vector<RunLogLine>> ConvertRunLog(std::span<const uint8_t> raw,
                                                     std::string* why = nullptr);

// The line the export starts with (1-based): the first occurrence of the smallest cycle
// below 255; line 1 when no cycle is below 255.
int OldestLine(const std::vector<RunLogLine>& lines);

// The export's first line begins with the column names; the moment of the export follows.
constexpr std::string_view kRunLogColumns =
    "\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\"";

// "12,3,0,720,98000,392,450"
std::string RunLogRecord(const RunLogLine& line);

// The trailer's labels: ExportLines writes them, ReadRunLogExport reads them back.
constexpr std::string_view kTrailerShutdownCause = "Last Shutdown Cause:";
constexpr std::string_view kTrailerShutdownEgt = "EGT at Shutdown:";
constexpr std::string_view kTrailerShutdownRpm = "RPM at Shutdown:";
constexpr std::string_view kTrailerShutdownPump = "Pump Power at Shutdown:";
constexpr std::string_view kTrailerTotalTime = "Total Time:";
constexpr std::string_view kTrailerCycles = "Cycles:";
constexpr std::string_view kTrailerLastRunTime = "Last Run Time:";
constexpr std::string_view kTrailerRxErrors = "Last Run RX Errors and time:";
// The moment in the header: "...,#yyyy-MM-dd hh:mm:ss#".
constexpr const char* kRunLogMomentFormat = "yyyy-MM-dd hh:mm:ss";

// The export file's lines: the header with the moment, the lines from the oldest on and round
// to the one before it, and, given the unit's complete image, the trailer.
std::vector<std::string> ExportLines(const std::vector<RunLogLine>& lines, const QDateTime& moment,
                                     const std::array<uint8_t, 257>* image);

// The last image cell the trailer lists: every cell with full access (cell 47 = 7), else the
// record of the last shutdown only (cells 0 to 15).
int TrailerLastCell(const std::array<uint8_t, 257>& image);

// The raw log as the working file keeps it: one byte a line, " 12 " (a blank either side).
std::vector<std::string> RawLogLines(std::span<const uint8_t> raw);
// ... and read back: one decimal byte a line, blanks around it allowed. Nothing, with the file
// and line in error, for anything else.
std::optional<std::vector<uint8_t>> ReadRawLog(const std::string& path, std::string& error);

}  // namespace norva
