#include "base/NumberedLines.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/NumberText.h"

namespace norva {

std::string Where(const std::string& name, std::size_t line) {
    return name + ":" + std::to_string(line) + ": ";
}

namespace {
// A text of this file's, marked where it stands, in the user's language.
std::string Tr(const char* text) {
    return QCoreApplication::translate("Files", text).toStdString();
}

// Why a file could not be read, as a user would say it.
std::string Reason(int number) {
    switch (number) {
        case ENOENT:
            return Tr(QT_TRANSLATE_NOOP("Files", "no such file"));
        case EACCES:
        case EPERM:
            return Tr(QT_TRANSLATE_NOOP("Files", "permission denied"));
        case EISDIR:
            return Tr(QT_TRANSLATE_NOOP("Files", "is a directory"));
        default:
            break;
    }
    std::string text = std::strerror(number);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(text[0]));
    return text;
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error,
                                         std::size_t maxBytes) {
    // What is not a regular file is refused before it is opened, so neither a FIFO (opening
    // it waits for a writer) nor /dev/zero can hold or fill the program.
    const auto fail = [&](const std::string& why) {
        error = path + ": " + why;
        return std::nullopt;
    };
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code) return fail(Reason(code.default_error_condition().value()));
    if (std::filesystem::is_directory(status)) return fail(Reason(EISDIR));
    if (!std::filesystem::is_regular_file(status))
        return fail(Tr(QT_TRANSLATE_NOOP("Files", "not a regular file")));
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (code) return fail(Reason(code.default_error_condition().value()));
    const std::string tooLarge =
        QCoreApplication::translate("Files", "too large for this kind of file (more than %1 bytes)")
            .arg(maxBytes)
            .toStdString();
    if (size > maxBytes) return fail(tooLarge);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) return fail(Reason(errno));
    // One byte more than the size is asked for, so that a file that grew since is still read
    // whole, or caught when it grew too large.
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == text.size()) {
            if (got > maxBytes) return fail(tooLarge);
            text.resize(std::min(2 * text.size(), maxBytes + 1));
        }
        const std::size_t n = std::fread(text.data() + got, 1, text.size() - got, file.get());
        got += n;
        if (n > 0) continue;
        if (std::ferror(file.get())) return fail(Reason(errno));
        break;
    }
    text.resize(got);
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 24;
    std::string shown;
    // Anything but printable ASCII is shown escaped: a terminal never gets a file's raw bytes.
    for (char c : text.substr(0, kShown)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\') {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
            shown += escaped;
        }
    }
    if (text.size() > kShown) shown += "...";
    return "'" + shown + "'";
}

namespace {
// A whole number of digits, with a minus sign when negative numbers are allowed.
std::optional<long> WholeNumber(std::string_view line, bool negative) {
    bool minus = false;
    if (negative && !line.empty() && line.front() == '-') {
        minus = true;
        line.remove_prefix(1);
    }
    if (line.empty() || line.size() > 9) return std::nullopt;
    long value = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return minus ? -value : value;
}
}  // namespace

std::optional<std::vector<long>> ParseNumberLines(std::string_view text, const std::string& name,
                                                  const NumberLines& shape, std::string& error) {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::vector<long> values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i >= shape.count) {
            if (lines[i].empty()) continue;
            error = Where(name, i + 1) +
                    QCoreApplication::translate("Files", "more than %1 values; this file holds %1")
                        .arg(shape.count)
                        .toStdString();
            return std::nullopt;
        }
        const auto value = WholeNumber(lines[i], shape.min < 0);
        if (!value || *value < shape.min || *value > shape.max) {
            error = Where(name, i + 1) +
                    QCoreApplication::translate("Files",
                                                "expected a whole number from %1 to %2 for %3, "
                                                "found %4")
                        .arg(QString::number(shape.min), QString::number(shape.max),
                             QString::fromStdString(shape.meaning(i)),
                             QString::fromStdString(Quoted(lines[i])))
                        .toStdString();
            return std::nullopt;
        }
        values.push_back(*value);
    }
    if (values.size() < shape.count) {
        error =
            Where(name, lines.size() + 1) +
            QCoreApplication::translate("Files", "the file ends after %1 values; it must hold %2")
                .arg(values.size())
                .arg(shape.count)
                .toStdString();
        return std::nullopt;
    }
    return values;
}

std::optional<std::vector<LineValue>> ParseValues(std::string_view text, const std::string& name,
                                                  std::string& error) {
    std::vector<LineValue> values;
    const std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view rest = lines[i];
        if (rest.empty()) continue;
        for (;;) {
            const std::size_t comma = rest.find(',');
            const std::string_view field = rest.substr(0, comma);
            const auto value = ParseNumber(field);
            if (!value) {
                error = Where(name, i + 1) +
                        QCoreApplication::translate("Files", "expected a number, found %1")
                            .arg(QString::fromStdString(Quoted(field)))
                            .toStdString();
                return std::nullopt;
            }
            values.push_back({*value, i + 1});
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    return values;
}

bool WriteLines(const QString& path, const std::vector<std::string>& lines, std::string& error) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return WriteText(path, text, error);
}

bool WriteText(const QString& path, const std::string& text, std::string& error) {
    const auto failed = [&](const QString& why) {
        error = path.toStdString() + ": " + why.toStdString();
        return false;
    };
    // Unbuffered, so that a full disk fails the write itself: buffered, the failure of the last
    // flush went unnoticed and an empty file replaced the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(
            QCoreApplication::translate("Files", "cannot be written: %1").arg(file.errorString()));
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failed(why);
    }
    if (!file.commit())
        return failed(
            QCoreApplication::translate("Files", "cannot be written: %1").arg(file.errorString()));
    // What is on the disk is what was meant: read back.
    QFile back(path);
    if (!back.open(QIODevice::ReadOnly) || back.readAll() != QByteArray::fromStdString(text))
        return failed(QCoreApplication::translate("Files", "what was written does not read back"));
    return true;
}

}  // namespace norva
