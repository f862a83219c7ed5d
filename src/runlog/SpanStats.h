#pragma once
// What the time chart's two cursors read and `runlog stats` prints: for speed, EGT, stick and
// pump, the value at A and at B, their difference, and the minimum, maximum and mean of the
// samples from A to B (both included), with the time between them. Samples without data (an
// RPM of kNoDataRpm or more) count in no value and are counted apart.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "runlog/RunLog.h"

namespace norva {

struct ChannelStats {
    std::optional<double> atA, atB;                // nothing where that sample has no data
    std::optional<double> difference;              // B - A, where both have data
    std::optional<double> minimum, maximum, mean;  // nothing when no sample between has data
};

enum Channel { kSpeed, kEgt, kStick, kPump };  // RPM, degrees C, percent, percent

struct SpanStats {
    int a = 0, b = 0;         // the lines (0-based) the cursors stand on, in their order, clamped
    int first = 0, last = 0;  // the span, first <= last: A after B reads the same span
    double seconds = 0;       // from A to B: negative when B stands before A
    int samples = 0;          // lines in the span with data
    int noData = 0;           // lines in the span without, left out of every value
    std::array<ChannelStats, 4> channels;
};

// `a` and `b` are line indices into `lines`, clamped to it. An empty log measures nothing.
SpanStats StatsBetween(const std::vector<RunLogLine>& lines, int a, int b);

// The line a minute of the log stands on, as the time chart draws it (minute m: line m x 120),
// within the log.
int LineOfMinute(const std::vector<RunLogLine>& lines, double minute);

// The stats as `runlog stats` prints them: one line a channel, and a last line with the span's
// time, samples and those without data. With csv, a header line and one row a channel.
// Text, a dash for an unknown value:
//   speed  A 65000 RPM  B 70000 RPM  B-A 5000 RPM  min 60000  max 72000  mean 66400.0
//   from minute 10 to minute 12: 120.0 s, 241 samples, 0 without data (left out)
// CSV, empty cells for unknown values; the span's minutes (3 places), seconds and counts are
// repeated on every row, so each row stands alone in a spreadsheet:
//   channel,unit,at_a,at_b,b_minus_a,min,max,mean,from_min,to_min,seconds,samples,no_data
//   speed,RPM,65000,70000,5000,60000,72000,66400.0,10.000,12.000,120.0,241,0
// Values at the samples' resolution (whole RPM and C, tenths of a percent), means one place
// finer. Rows speed (RPM), egt (C), stick (%), pump (%).
std::string StatsText(const SpanStats& stats, bool csv);

// The samples of the span as CSV, units in the header ("minute,cycle,rpm,egt_c,stick_pct,
// pump_pct"), one row a line from `first` to `last`; samples without data are written with
// empty values.
std::string SpanCsv(const std::vector<RunLogLine>& lines, const SpanStats& span);

}  // namespace norva
