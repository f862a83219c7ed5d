#include "runlog/Runs.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "protocol/AddressMap.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::Runs)
};
}  // namespace

namespace {

std::optional<int> WholeNumber(std::string_view text, int base = 10) {
    text = Trimmed(text);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<RunLogLine> DataLine(std::string_view text) {
    int v[7];
    for (int f = 0; f < 7; ++f) {
        const size_t comma = text.find(',');
        if ((f < 6) == (comma == std::string_view::npos)) return std::nullopt;
        const auto value = WholeNumber(text.substr(0, comma));
        if (!value) return std::nullopt;
        v[f] = *value;
        text.remove_prefix(f < 6 ? comma + 1 : text.size());
    }
    return RunLogLine{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

// `50,"23"`: a cell of the trailer's image, the value in hexadecimal.
std::optional<std::pair<int, int>> ImageCell(std::string_view line) {
    line = Trimmed(line);
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos || line.size() < comma + 4 || line[comma + 1] != '"' ||
        line.back() != '"')
        return std::nullopt;
    const auto cell = WholeNumber(line.substr(0, comma));
    const auto value = WholeNumber(line.substr(comma + 2, line.size() - comma - 3), 16);
    if (!cell || *cell < 0 || *cell > 255 || !value || *value < 0 || *value > 255)
        return std::nullopt;
    return std::pair{*cell, *value};
}

// The number after `label` on a trailer line ("EGT at Shutdown: 720"), if the line is that one.
std::optional<double> TrailerNumber(std::string_view line, std::string_view label) {
    if (line.substr(0, label.size()) != label) return std::nullopt;
    line.remove_prefix(label.size());
    line = Trimmed(line.substr(0, line.find_first_not_of(" 0123456789.-")));
    double value = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (line.empty() || ec != std::errc() || ptr != line.data() + line.size()) return std::nullopt;
    return value;
}

// Tenths as "5.0".
std::string Tenths(long long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::optional<RunLogLine> RunLogRecordLine(std::string_view record) {
    return DataLine(record);
}

std::optional<RunLogExport> ReadRunLogExport(const std::string& path, std::string& error,
                                             std::string* whole) {
    const auto text = ReadWholeFile(path, error);
    if (!text) return std::nullopt;
    const auto all = SplitLines(*text);
    if (all.empty() || all[0].substr(0, kRunLogColumns.size()) != kRunLogColumns) {
        error = Where(path, 1) +
                Texts::tr("not a run-log export: the first line is not the header %1")
                    .arg(QString::fromUtf8(kRunLogColumns.data(), qsizetype(kRunLogColumns.size())))
                    .toStdString();
        return std::nullopt;
    }
    RunLogExport file;
    size_t k = 1;
    for (; k < all.size() && !Trimmed(all[k]).empty(); ++k) {
        const auto line = DataLine(all[k]);
        if (!line) {
            const QString why = Texts::tr(
                                    "expected seven whole numbers (Cycle,Page,Aux,Temp,"
                                    "RPM,Throttle,Pump), found %1")
                                    .arg(QString::fromStdString(Quoted(all[k])));
            error = Where(path, k + 1) + why.toStdString();
            return std::nullopt;
        }
        file.lines.push_back(*line);
    }
    // The header's moment: the columns, then ",#yyyy-MM-dd hh:mm:ss#".
    const std::string_view header = all[0].substr(kRunLogColumns.size());
    if (const size_t hash = header.find('#'); hash != std::string_view::npos)
        file.moment = QDateTime::fromString(QString::fromLatin1(header.substr(hash + 1, 19)),
                                            QString::fromLatin1(kRunLogMomentFormat));
    // The trailer: the welcome lines two after the first line of stars, then the totals.
    for (; k < all.size() && Trimmed(all[k]).empty(); ++k) {
    }
    if (k + 3 < all.size() && Trimmed(all[k]).find_first_not_of('*') == std::string_view::npos) {
        RunLogTrailer& t = file.trailer.emplace();
        for (const size_t w : {k + 2, k + 3}) {
            std::string line(all[w].substr(0, 16));
            line.resize(16, ' ');
            t.welcome += line;
        }
        for (size_t n = k + 4; n < all.size(); ++n) {
            const std::string_view line = all[n];
            if (line.substr(0, kTrailerShutdownCause.size()) == kTrailerShutdownCause)
                t.shutdownCause = std::string(Trimmed(line.substr(kTrailerShutdownCause.size())));
            for (const auto& [label, value] : {std::pair{kTrailerShutdownEgt, &t.shutdownEgt},
                                               {kTrailerShutdownRpm, &t.shutdownRpm},
                                               {kTrailerShutdownPump, &t.shutdownPump},
                                               {kTrailerTotalTime, &t.totalMinutes},
                                               {kTrailerCycles, &t.cycles}})
                if (const auto v = TrailerNumber(line, label)) *value = v;
        }
    }
    for (; k < all.size(); ++k) {
        const auto cell = ImageCell(all[k]);
        if (cell && !file.cells[size_t(cell->first)])
            file.cells[size_t(cell->first)] = cell->second;
    }
    file.idleCell = file.cells[cell::kIdleSpeed];
    if (whole) *whole = std::move(*text);
    return file;
}

std::optional<int> IdleRpm(const RunLogExport& file, std::optional<int> given) {
    // An idle cell of 0 is a configuration never written, as `--idle 0` is refused.
    if (file.idleCell && *file.idleCell > 0) return *file.idleCell * 1000;
    return given;
}

size_t TimeOrderStart(const std::vector<RunLogLine>& lines) {
    std::vector<size_t> data;
    for (size_t k = 0; k < lines.size(); ++k)
        if (lines[k].rpm < kNoDataRpm) data.push_back(k);
    size_t start = 0;
    int largest = 128;
    for (size_t i = 0; i < data.size(); ++i) {
        const size_t next = data[(i + 1) % data.size()];
        const int step = ((lines[next].cycle - lines[data[i]].cycle) % 256 + 256) % 256;
        if (step > largest) {
            largest = step;
            start = next;
        }
    }
    return start;
}

std::vector<EngineRun> FindRuns(const std::vector<RunLogLine>& lines, std::optional<int> idleRpm) {
    std::vector<EngineRun> runs;
    const size_t timeStart = TimeOrderStart(lines);
    const RunLogLine* last = lines.empty() ? nullptr : &lines.back();
    long long pumpSum = 0;
    int pumpCount = 0;
    // Ends the last run: a start that never reached idle has no peak start temperature, and
    // the mean pump is rounded half away from zero, exactly.
    const auto close = [&] {
        if (runs.empty()) return;
        if (!runs.back().idleLine) runs.back().peakStartEgt.reset();
        if (pumpCount > 0) {
            const long long twice = 2 * pumpSum + (pumpSum < 0 ? -pumpCount : pumpCount);
            runs.back().meanPump = static_cast<int>(twice / (2LL * pumpCount));
        }
        pumpSum = 0;
        pumpCount = 0;
    };
    for (size_t k = 0; k < lines.size(); ++k) {
        const RunLogLine& line = lines[k];
        const int number = static_cast<int>(k) + 1;
        if (line.rpm <= 0 || line.rpm >= kNoDataRpm) continue;
        // One sample of 0 RPM or of no data inside a run is a dropout, not a stop and a new
        // start: no engine stops and starts again within half a second.
        const bool dropout = !runs.empty() && runs.back().lastLine() == number - 2 &&
                             runs.back().cycle == line.cycle && lines[k - 1].cycle == line.cycle;
        const bool goesOn = !runs.empty() && runs.back().cycle == line.cycle &&
                            (runs.back().lastLine() == number - 1 || dropout);
        if (dropout) ++runs.back().lineCount;
        if (!goesOn) {
            close();
            runs.push_back({line.cycle,
                            number,
                            0,
                            {},
                            {},
                            line.rpm,
                            line.temp,
                            {},
                            idleRpm.has_value(),
                            size_t(number) == timeStart + 1 ||
                                (number == 1 && last->rpm > 0 && last->rpm < kNoDataRpm &&
                                 last->cycle == line.cycle)});
        }
        EngineRun& run = runs.back();
        ++run.lineCount;
        run.maxRpm = std::max(run.maxRpm, line.rpm);
        run.maxEgt = std::max(run.maxEgt, line.temp);
        if (!idleRpm) continue;
        if (!run.idleLine)
            run.peakStartEgt = std::max(run.peakStartEgt.value_or(line.temp), line.temp);
        if (line.rpm >= *idleRpm) {
            if (!run.idleLine) run.idleLine = number;
            pumpSum += line.pump;
            ++pumpCount;
        }
    }
    close();
    std::stable_partition(runs.begin(), runs.end(),
                          [&](const EngineRun& r) { return size_t(r.firstLine) > timeStart; });
    return runs;
}

const char* const kRunsCsvHeader =
    "cycle,start_min,duration_s,time_to_idle_s,peak_start_egt_c,max_rpm,max_egt_c,"
    "mean_pump_permille";

std::vector<std::string> RunFields(const EngineRun& run) {
    const auto optional = [](const std::optional<int>& value) {
        return value ? std::to_string(*value) : std::string();
    };
    const bool started = run.idleLine && !run.startCut;
    return {std::to_string(run.cycle),
            // The minute rounded half up (line 514 is minute 4.275: 4.3).
            Tenths(((run.firstLine - 1) * 20LL + kLinesPerMinute) / (2 * kLinesPerMinute)),
            Tenths(run.lineCount * 5LL),
            started ? Tenths((*run.idleLine - run.firstLine) * 5LL) : std::string(),
            started ? optional(run.peakStartEgt) : std::string(), std::to_string(run.maxRpm),
            std::to_string(run.maxEgt), optional(run.meanPump)};
}

std::string RunCsvLine(const EngineRun& run) {
    std::string line;
    for (const std::string& field : RunFields(run)) line += (line.empty() ? "" : ",") + field;
    return line;
}

std::string RunText(const EngineRun& run) {
    const auto f = RunFields(run);
    std::string text = "cycle " + f[0] + "  minute " + f[1] + "  " + f[2] + " s  ";
    if (run.startCut)
        text += "idle after \u2013  start EGT \u2013  ";  // started before the log
    else if (run.idleLine)
        text += "idle after " + f[3] + " s  start EGT " + f[4] + " C  ";
    else
        text += run.idleKnown ? "idle not reached  " : "idle speed unknown  ";
    text += "max " + f[5] + " RPM  max EGT " + f[6] + " C";
    if (run.meanPump) {
        char pump[32];
        std::snprintf(pump, sizeof pump, "  mean pump %d.%d %%", *run.meanPump / 10,
                      std::abs(*run.meanPump % 10));
        text += pump;
    }
    return text;
}

}  // namespace norva
