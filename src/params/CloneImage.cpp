#include "params/CloneImage.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace norva::params {

namespace {

// Far more than 240 short lines; anything larger is not a clone file and is not slurped.
constexpr std::streamsize kMaxFileBytes = 64 * 1024;

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<uint8_t> CellValue(std::string_view line) {
    if (line.empty() || line.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    return static_cast<uint8_t>(value);
}

// Enough of a bad line to recognise it, printable.
std::string Quoted(std::string_view line) {
    constexpr size_t kShown = 24;
    std::string shown;
    for (char c : line.substr(0, kShown))
        shown += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (line.size() > kShown) shown += "...";
    return "'" + shown + "'";
}

std::string Where(const std::string& name, size_t lineNumber) {
    return name + ":" + std::to_string(lineNumber) + ": ";
}

}  // namespace

std::optional<Image> ParseCloneText(std::string_view text, const std::string& name,
                                    std::string& error) {
    const std::vector<std::string_view> lines = SplitLines(text);
    Image image{};
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t number = i + 1;
        if (i >= static_cast<size_t>(kCloneLines)) {
            if (lines[i].empty()) continue;
            error = Where(name, number) + "more than " + std::to_string(kCloneLines) +
                    " values; a clone file holds addresses 16 to 255 only";
            return std::nullopt;
        }
        const auto value = CellValue(lines[i]);
        if (!value) {
            error = Where(name, number) + "expected a whole number from 0 to 255 for address " +
                    std::to_string(kCloneFirstAddress + i) + ", found " + Quoted(lines[i]);
            return std::nullopt;
        }
        image[kCloneFirstAddress + i] = *value;
    }
    if (lines.size() < static_cast<size_t>(kCloneLines)) {
        error = Where(name, lines.size() + 1) + "the file ends after " +
                std::to_string(lines.size()) + " values; a clone file holds " +
                std::to_string(kCloneLines) + " (addresses 16 to 255)";
        return std::nullopt;
    }
    return image;
}

std::optional<Image> ReadCloneFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read: " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(kMaxFileBytes) + 1, '\0');
    file.read(text.data(), kMaxFileBytes + 1);
    if (file.bad()) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    text.resize(static_cast<size_t>(file.gcount()));
    if (file.gcount() > kMaxFileBytes) {
        error = path + ": too large for a clone file (240 short lines)";
        return std::nullopt;
    }
    return ParseCloneText(text, path, error);
}

}  // namespace norva::params
