#include "runlog/RunLog.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "base/StatusCodes.h"
#include "protocol/AddressMap.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::RunLog)
};
}  // namespace

namespace {

constexpr int kMarkZeros = 10;
constexpr uint8_t kMarkEnd = 252;
constexpr uint8_t kPagesFollow = 253;
const std::string kStars(54, '*');

// Int(byte x 10 / 2.55) in double precision: 255 gives 1000, 128 gives 501.
int Tenths(uint8_t b) {
    return static_cast<int>(std::floor(b * 10 / 2.55));
}

}  // namespace

std::optional<size_t> RunLogPagesAt(std::span<const uint8_t> raw, std::string* why) {
    const auto fail = [&](const QString& text) {
        if (why) *why = text.toStdString();
        return std::nullopt;
    };
    size_t i = 0;
    size_t leading = 0;
    while (leading < raw.size() && raw[leading] == 0) ++leading;
    if (leading >= size_t(kMarkZeros) && leading + 1 < raw.size() && raw[leading] == kMarkEnd &&
        raw[leading + 1] == kPagesFollow) {
        // A preamble of no bytes: the log begins with its markers.
        i = leading + 1;
    } else {
        // Ten zeros in a row after a byte that is not zero; zeros at the very start do not
        // count (they may be filler before the preamble).
        bool seenNonZero = false;
        int zeros = 0;
        for (; i < raw.size() && zeros < kMarkZeros; ++i) {
            if (raw[i] != 0) {
                seenNonZero = true;
                zeros = 0;
            } else if (seenNonZero) {
                ++zeros;
            }
        }
        if (zeros < kMarkZeros) return fail(Texts::tr("no ten zeros in a row after the preamble"));
        while (i < raw.size() && raw[i] != kMarkEnd) ++i;
        if (i == raw.size()) return fail(Texts::tr("no 252 after the ten zeros"));
        ++i;  // the 252
    }
    if (i >= raw.size())
        return fail(Texts::tr("the log ends after the 252, where the 253 should follow"));
    if (raw[i] != kPagesFollow)
        return fail(Texts::tr("the 253 after the 252 is missing (found %1)").arg(int(raw[i])));
    return i + 1;
}

std::optional<std::vector<RunLogLine>> ConvertRunLog(std::span<const uint8_t> raw,
                                                     std::string* why) {
    const auto start = RunLogPagesAt(raw, why);
    if (!start) return std::nullopt;
    size_t i = *start;
    if (raw.size() - i < kRunLogPagesBytes) {
        if (why)
            *why = Texts::tr("the log ends after %1 of its %2 pages")
                       .arg((raw.size() - i) / kRunLogPageBytes)
                       .arg(kRunLogPages)
                       .toStdString();
        return std::nullopt;
    }
    std::vector<RunLogLine> lines;
    lines.reserve(kRunLogLines);
    for (int p = 0; p < kRunLogPages; ++p) {
        const int cycle = raw[i++];
        const int page = raw[i++];
        for (int j = 0; j < kSamplesPerPage; ++j) {
            RunLogLine line;
            line.cycle = cycle;
            line.page = page;
            line.aux = raw[i++];
            line.temp = raw[i++] * 4;
            line.rpm = raw[i++] * 1000;
            line.throttle = Tenths(raw[i++]);
            line.pump = Tenths(raw[i++]);
            lines.push_back(line);
        }
    }
    return lines;
}

int OldestLine(const std::vector<RunLogLine>& lines) {
    int oldest = 1;
    int smallest = 255;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].cycle < smallest) {
            smallest = lines[k].cycle;
            oldest = static_cast<int>(k) + 1;
        }
    }
    return oldest;
}

std::string RunLogRecord(const RunLogLine& l) {
    char text[96];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d", l.cycle, l.page, l.aux, l.temp, l.rpm,
                  l.throttle, l.pump);
    return text;
}

std::vector<std::string> ExportLines(const std::vector<RunLogLine>& lines, const QDateTime& moment,
                                     const std::array<uint8_t, 257>* image) {
    std::vector<std::string> out;
    out.reserve(lines.size() + 300);
    out.push_back(std::string(kRunLogColumns) + ",#" +
                  moment.toString(QString::fromLatin1(kRunLogMomentFormat)).toStdString() + "#");
    const size_t o = static_cast<size_t>(OldestLine(lines)) - 1;
    for (size_t k = 0; k < lines.size(); ++k)
        out.push_back(RunLogRecord(lines[(o + k) % lines.size()]));
    if (!image) return out;

    const auto& b = *image;
    const auto text = [&](int first) {
        return std::string(b.begin() + first, b.begin() + first + 16);
    };
    out.insert(out.end(),
               {"", kStars, "", text(cell::kWelcomeFirst), text(cell::kWelcomeLine2), ""});
    const auto labelled = [](std::string_view label, const std::string& value) {
        return std::string(label) + value;
    };
    out.push_back(
        labelled(kTrailerShutdownCause, EtiqNrv(static_cast<int16_t>(b[cell::kShutdownCause]))));
    out.push_back(labelled(kTrailerShutdownEgt, Str(b[cell::kShutdownEgt] * 4)));
    out.push_back(labelled(kTrailerShutdownRpm, Str(b[cell::kShutdownRpm] * 1000)));
    out.push_back(labelled(kTrailerShutdownPump, Str(Tenths(b[cell::kShutdownPump]))));
    const float minutes =
        static_cast<float>((b[cell::kTotalTimeHigh] * 256 + b[cell::kTotalTimeMiddle]) * 256 +
                           b[cell::kTotalTimeLow]) /
        60.0f;
    out.push_back(labelled(kTrailerTotalTime, " " + Str(minutes) + " Min."));
    std::string cycles(kTrailerCycles);
    cycles.resize(14, ' ');
    out.push_back(cycles + " " + std::to_string(b[cell::kCycles]) + " ");
    out.push_back(
        labelled(kTrailerLastRunTime,
                 " " + Str(b[cell::kLastRunHigh] * 256 + b[cell::kLastRunLow]) + " Sec."));
    out.push_back(labelled(
        kTrailerRxErrors, " " + Str(b[cell::kRxErrorsHigh] * 256 + b[cell::kRxErrorsLow]) +
                              " Pulses " + Str(static_cast<float>(b[cell::kLastRunRxTime]) / 2.0f) +
                              " Sec."));
    out.insert(out.end(), {"", "", kStars, ""});
    const int last = TrailerLastCell(b);
    char cell[32];
    for (int k = 0; k <= last; ++k) {
        std::snprintf(cell, sizeof cell, "%d,\"%X\"", k, b[k]);
        out.push_back(cell);
    }
    return out;
}

int TrailerLastCell(const std::array<uint8_t, 257>& image) {
    return image[cell::kAccessUpward] == cell::kFullAccessValue ? 255 : 15;
}

std::vector<std::string> RawLogLines(std::span<const uint8_t> raw) {
    std::vector<std::string> lines;
    lines.reserve(raw.size());
    for (uint8_t b : raw) lines.push_back(" " + std::to_string(b) + " ");
    return lines;
}

std::optional<std::vector<uint8_t>> ReadRawLog(const std::string& path, std::string& error) {
    const auto text = ReadWholeFile(path, error);
    if (!text) return std::nullopt;
    const auto lines = SplitLines(*text);
    std::vector<uint8_t> raw;
    raw.reserve(lines.size());
    for (size_t k = 0; k < lines.size(); ++k) {
        const auto value = ParseNumber(lines[k]);
        if (Trimmed(lines[k]).empty()) continue;
        if (!value || *value != std::floor(*value) || *value < 0 || *value > 255) {
            error = Where(path, k + 1) + Texts::tr("expected a byte value from 0 to 255, found %1")
                                             .arg(QString::fromStdString(Quoted(lines[k])))
                                             .toStdString();
            return std::nullopt;
        }
        raw.push_back(static_cast<uint8_t>(*value));
    }
    return raw;
}

}  // namespace norva
