#pragma once
// Files of numbered lines: the clone, parameter, ramp, measure and run-log files are all plain
// text with one decimal number or one comma-separated record per line. One reader checks a
// whole file before anything uses it and names the file and the line of the first fault; one
// writer writes CR LF lines whole or not at all.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norva {

// Far more than any of the program's files; anything larger is not one of them and is not
// read into memory.
constexpr std::size_t kMaxNumberFileBytes = 4 * 1024 * 1024;

// "NAME:LINE: "
std::string Where(const std::string& name, std::size_t line);

// The whole file, or nullopt with "PATH: why" in error.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error,
                                         std::size_t maxBytes = kMaxNumberFileBytes);

// Lines ended by LF or CR LF; a last line without an end counts, an empty text has none.
std::vector<std::string_view> SplitLines(std::string_view text);

// Exactly `count` lines of one whole number from min to max each (empty lines after the last
// are allowed). `meaning(i)` says what line i (0-based) holds, for the message and in its
// language: "address 17".
// nullopt with "NAME:LINE: why" in error.
struct NumberLines {
    std::size_t count;
    long min;
    long max;
    std::function<std::string(std::size_t)> meaning;
};
std::optional<std::vector<long>> ParseNumberLines(std::string_view text, const std::string& name,
                                                  const NumberLines& shape, std::string& error);

// Every value of the text, separated by commas or line ends, each a decimal number with a
// period as decimal mark; with its line number. The first value that is not a number is a
// fault naming its line.
struct LineValue {
    double value;
    std::size_t line;
};
std::optional<std::vector<LineValue>> ParseValues(std::string_view text, const std::string& name,
                                                  std::string& error);

// Writes the lines, each ended by CR LF, to a temporary file renamed over `path` at the end: a
// failed write leaves any earlier file untouched. False with "PATH: why" in error.
bool WriteLines(const QString& path, const std::vector<std::string>& lines, std::string& error);
// The same for text written byte for byte as it is, line ends and all.
bool WriteText(const QString& path, const std::string& text, std::string& error);

// Enough of a bad line to recognise it, printable and quoted.
std::string Quoted(std::string_view text);

}  // namespace norva
