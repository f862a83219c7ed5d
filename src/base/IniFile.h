#pragma once
// A section/key/value text file edited in place, with the classic private-profile rules:
// section and key names compare without regard to case, the first of duplicate sections or
// keys wins, values lose the blanks around them and one pair of enclosing quotes, lines
// starting with ';' are comments. Writing a key changes only that key's line (or adds it), so
// other sections, keys, comments and line endings stay as they were.

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norva {

class IniFile {
  public:
    // Far more than any settings file; anything larger, or anything but a regular file, is
    // not read (a settings path of /dev/zero or a FIFO must neither fill the memory nor hang).
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    // A missing file loads as an empty one; a file that exists but cannot be read, or is
    // refused, gives nothing (with "PATH: why" in error), so that a later save cannot replace
    // it with a stripped copy.
    static std::optional<IniFile> Load(const QString& path, std::string* error = nullptr);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Values are one line: anything from a line break on is dropped.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Writes a temporary file beside the target and renames it over, creating the folder if
    // needed; a folder that cannot take a temporary file gets the file written in place. The
    // file keeps its owner and group. A read-only file is left alone. False, with "PATH: why"
    // in error, when it could not be saved.
    bool Save(const QString& path, std::string* error = nullptr) const;

    std::string Text() const;

  private:
    struct Line {
        std::string text;
        std::string eol;  // "\r\n", "\n" or empty for a last line without one
    };
    struct Range {
        std::size_t header;  // index of the section's header line
        std::size_t end;     // one past its last line
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    std::string NewLineEnding() const;

    std::vector<Line> lines_;
};

}  // namespace norva
