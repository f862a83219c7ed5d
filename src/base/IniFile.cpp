#include "base/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "base/Platform.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::IniFile)
};
}  // namespace

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The section name of a header line, or nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return Trimmed(line.substr(0, close));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine kl{Trimmed(trimmed.substr(0, eq)), Trimmed(trimmed.substr(eq + 1))};
    const std::string_view v = kl.value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        kl.value = v.substr(1, v.size() - 2);
    return kl;
}

}  // namespace

std::optional<IniFile> IniFile::Load(const QString& path, std::string* error) {
    IniFile ini;
    if (!QFile::exists(path)) return ini;
    std::string why;
    const auto bytes = ReadWholeFile(QFile::encodeName(path).toStdString(), why, kMaxBytes);
    if (!bytes) {
        if (error) *error = why;
        return std::nullopt;
    }

    const std::string_view all(*bytes);
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::size_t nl = all.find('\n', pos);
        Line line;
        if (nl == std::string_view::npos) {
            line.text = all.substr(pos);
            pos = all.size();
        } else {
            line.text = all.substr(pos, nl - pos);
            line.eol = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.eol = "\r\n";
            }
            pos = nl + 1;
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

std::optional<IniFile::Range> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (!name || !SameName(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !HeaderName(lines_[end].text)) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto kl = ParseKeyLine(lines_[i].text);
        if (kl && SameName(kl->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto at = FindKey(*range, key);
    if (!at) return std::nullopt;
    return std::string(ParseKeyLine(lines_[*at].text)->value);
}

std::string IniFile::NewLineEnding() const {
    for (const Line& line : lines_)
        if (!line.eol.empty()) return line.eol;
    return "\r\n";  // the form the file has always had
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::string eol = NewLineEnding();

    if (const auto range = FindSection(section)) {
        if (const auto at = FindKey(*range, key)) {
            // Keep the key as the file spells it.
            const std::string spelled(ParseKeyLine(lines_[*at].text)->key);
            lines_[*at].text = spelled + "=" + std::string(value);
            return;
        }
        // New key after the section's last key, so that blank lines and comments leading to
        // the next section stay with it.
        std::size_t at = range->end;
        while (at > range->header + 1 && !ParseKeyLine(lines_[at - 1].text)) --at;
        if (lines_[at - 1].eol.empty()) lines_[at - 1].eol = eol;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      Line{std::string(key) + "=" + std::string(value), eol});
        return;
    }

    if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = eol;
    lines_.push_back(Line{"[" + std::string(section) + "]", eol});
    lines_.push_back(Line{std::string(key) + "=" + std::string(value), eol});
}

std::string IniFile::Text() const {
    std::string text;
    for (const Line& line : lines_) text += line.text + line.eol;
    return text;
}

bool IniFile::Save(const QString& path, std::string* error) const {
    const auto fail = [&](const QString& why) {
        if (error) *error = (path + QStringLiteral(": ") + why).toStdString();
        return false;
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) return fail(Texts::tr("the folder cannot be made"));
    constexpr auto kWritable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & kWritable)))
        return fail(Texts::tr("the file is read-only"));
    const bool existed = info.exists();
    const uint owner = info.ownerId(), group = info.groupId();
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    const std::string text = Text();
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size()))
        return fail(file.errorString());  // the destructor throws the temporary file away
    if (!file.commit()) return fail(file.errorString());
    // The renamed file is the process's; give it back its owner and group where allowed.
    if (existed) GiveOwner(QFile::encodeName(path).toStdString(), owner, group);
    return true;
}

}  // namespace norva
