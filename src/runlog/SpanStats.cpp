#include "runlog/SpanStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/NumberText.h"

namespace norva {

namespace {

struct ChannelText {
    const char* name;     // the text form's
    const char* csvName;  // the CSV form's
    const char* unit;
    const char* picture;      // a sample's resolution
    const char* meanPicture;  // one place finer: a mean falls between samples
};
constexpr ChannelText kChannels[] = {{"speed", "speed", "RPM", "0", "0.0"},
                                     {"EGT", "egt", "C", "0", "0.0"},
                                     {"stick", "stick", "%", "0.0", "0.00"},
                                     {"pump", "pump", "%", "0.0", "0.00"}};

bool HasData(const RunLogLine& line) {
    return line.rpm < kNoDataRpm;
}

// The four channels of a sample with data, in their units: throttle and pump are kept in tenths.
std::array<double, 4> Values(const RunLogLine& line) {
    return {double(line.rpm), double(line.temp), line.throttle / 10.0, line.pump / 10.0};
}

double Minute(int line) {
    return line / double(kLinesPerMinute);
}

std::string Text(const std::optional<double>& value, const char* picture) {
    return value ? FormatNumber(*value, picture) : std::string();
}

}  // namespace

SpanStats StatsBetween(const std::vector<RunLogLine>& lines, int a, int b) {
    SpanStats stats;
    if (lines.empty()) return stats;  // nothing to stand on: every value stays empty
    const int last = static_cast<int>(lines.size()) - 1;
    stats.a = std::clamp(a, 0, last);
    stats.b = std::clamp(b, 0, last);
    stats.first = std::min(stats.a, stats.b);
    stats.last = std::max(stats.a, stats.b);
    stats.seconds = (stats.b - stats.a) * 0.5;
    std::array<double, 4> sums{};
    for (int k = stats.first; k <= stats.last; ++k) {
        if (!HasData(lines[size_t(k)])) {
            ++stats.noData;
            continue;
        }
        ++stats.samples;
        const auto values = Values(lines[size_t(k)]);
        for (size_t c = 0; c < values.size(); ++c) {
            ChannelStats& channel = stats.channels[c];
            channel.minimum = std::min(channel.minimum.value_or(values[c]), values[c]);
            channel.maximum = std::max(channel.maximum.value_or(values[c]), values[c]);
            sums[c] += values[c];
        }
    }
    const RunLogLine& atA = lines[size_t(stats.a)];
    const RunLogLine& atB = lines[size_t(stats.b)];
    for (size_t c = 0; c < sums.size(); ++c) {
        ChannelStats& channel = stats.channels[c];
        if (stats.samples > 0) channel.mean = sums[c] / stats.samples;
        if (HasData(atA)) channel.atA = Values(atA)[c];
        if (HasData(atB)) channel.atB = Values(atB)[c];
        if (channel.atA && channel.atB) channel.difference = *channel.atB - *channel.atA;
    }
    return stats;
}

int LineOfMinute(const std::vector<RunLogLine>& lines, double minute) {
    const double last = lines.empty() ? 0 : double(lines.size() - 1);
    const double line = std::nearbyint(minute * kLinesPerMinute);
    // Clamped as a double: a minute far out of the log would overflow the int.
    return line >= 0 ? static_cast<int>(std::min(line, last)) : 0;
}

std::string StatsText(const SpanStats& stats, bool csv) {
    const std::string from = FormatNumber(Minute(stats.a), csv ? "0.000" : "0.###");
    const std::string to = FormatNumber(Minute(stats.b), csv ? "0.000" : "0.###");
    const std::string seconds = FormatNumber(stats.seconds, "0.0");
    std::string text;
    if (csv)
        text =
            "channel,unit,at_a,at_b,b_minus_a,min,max,mean,from_min,to_min,seconds,samples,"
            "no_data\n";
    for (size_t c = 0; c < stats.channels.size(); ++c) {
        const ChannelStats& s = stats.channels[c];
        const ChannelText& t = kChannels[c];
        const std::string at[] = {Text(s.atA, t.picture), Text(s.atB, t.picture),
                                  Text(s.difference, t.picture)};
        const std::string spread[] = {Text(s.minimum, t.picture), Text(s.maximum, t.picture),
                                      Text(s.mean, t.meanPicture)};
        if (csv) {
            text += std::string(t.csvName) + "," + t.unit;
            for (const std::string& value : at) text += "," + value;
            for (const std::string& value : spread) text += "," + value;
            text += "," + from + "," + to + "," + seconds + "," + std::to_string(stats.samples) +
                    "," + std::to_string(stats.noData) + "\n";
            continue;
        }
        // An unknown value is a dash, without the unit.
        const auto shown = [&](const std::string& value, bool unit) {
            return value.empty() ? std::string("\u2013") : unit ? value + " " + t.unit : value;
        };
        std::string name = t.name;
        name.resize(5, ' ');  // the channels' names under each other
        text += name + "  A " + shown(at[0], true) + "  B " + shown(at[1], true) + "  B-A " +
                shown(at[2], true) + "  min " + shown(spread[0], false) + "  max " +
                shown(spread[1], false) + "  mean " + shown(spread[2], false) + "\n";
    }
    if (!csv) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "from minute %s to minute %s: %s s, %d samples, %d without data (left out)\n",
                      from.c_str(), to.c_str(), seconds.c_str(), stats.samples, stats.noData);
        text += line;
    }
    return text;
}

std::string SpanCsv(const std::vector<RunLogLine>& lines, const SpanStats& span) {
    std::string text = "minute,cycle,rpm,egt_c,stick_pct,pump_pct\n";
    for (int k = span.first; k <= span.last && size_t(k) < lines.size(); ++k) {
        const RunLogLine& line = lines[size_t(k)];
        text += FormatNumber(Minute(k), "0.000") + "," + std::to_string(line.cycle);
        if (HasData(line)) {
            const auto values = Values(line);
            for (size_t c = 0; c < values.size(); ++c)
                text += "," + FormatNumber(values[c], kChannels[c].picture);
        } else {
            text += ",,,,";
        }
        text += "\n";
    }
    return text;
}

}  // namespace norva
