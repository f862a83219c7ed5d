// The two cursors' stats against a plain count over the same crafted lines, and how they print.
#include <gtest/gtest.h>

#include "runlog/SpanStats.h"

using namespace norva;

namespace {

const RunLogLine kNone{4, 0, 0, 0, kNoDataRpm, 0, 0};
const std::vector<RunLogLine> kLog = {{3, 0, 0, 600, 60000, 392, 450},
                                      {3, 0, 0, 620, 62000, 400, 461},
                                      kNone,
                                      {4, 1, 0, 700, 70000, 515, 501},
                                      kNone,
                                      {4, 1, 0, 650, 65000, 333, 444}};

std::optional<double> Value(const RunLogLine& line, size_t channel) {
    if (line.rpm >= kNoDataRpm) return std::nullopt;
    return std::array{double(line.rpm), double(line.temp), line.throttle / 10.0,
                      line.pump / 10.0}[channel];
}

// No data inside the span and at a cursor, one sample (with data and without), B before A, and
// cursors outside the log.
TEST(SpanStats, MatchesAPlainCountOverTheSpan) {
    for (const auto& [a, b] : {std::pair{0, 5}, {1, 4}, {4, 1}, {3, 3}, {2, 2}, {5, 0}, {-9, 99}}) {
        SCOPED_TRACE(std::to_string(a) + ".." + std::to_string(b));
        const SpanStats s = StatsBetween(kLog, a, b);
        const int ca = std::clamp(a, 0, 5), cb = std::clamp(b, 0, 5);
        EXPECT_EQ(std::tuple(s.a, s.b, s.first, s.last, s.seconds),
                  std::tuple(ca, cb, std::min(ca, cb), std::max(ca, cb), (cb - ca) * 0.5));
        for (size_t c = 0; c < 4; ++c) {
            std::optional<double> lo, hi, at = Value(kLog[ca], c), bt = Value(kLog[cb], c);
            double sum = 0;
            int count = 0, none = 0;
            for (int k = std::min(ca, cb); k <= std::max(ca, cb); ++k) {
                if (const auto v = Value(kLog[k], c)) {
                    lo = std::min(lo.value_or(*v), *v), hi = std::max(hi.value_or(*v), *v);
                    sum += *v, ++count;
                } else {
                    ++none;
                }
            }
            const ChannelStats& got = s.channels[c];
            EXPECT_EQ(std::tuple(got.atA, got.atB, got.difference, got.minimum, got.maximum,
                                 got.mean, s.samples, s.noData),
                      std::tuple(at, bt, at && bt ? std::optional(*bt - *at) : std::nullopt, lo, hi,
                                 count ? std::optional(sum / count) : std::nullopt, count, none));
        }
    }
}

// Minutes to lines as the chart draws them: half a line to the even one, within the log.
TEST(SpanStats, LineOfAMinute) {
    for (const auto& [minute, line] : {std::pair{0.0625, 8}, {0.1875, 22}, {-1.0, 0}, {1e300, 29}})
        EXPECT_EQ(LineOfMinute(std::vector<RunLogLine>(30), minute), line) << minute;
    EXPECT_EQ(LineOfMinute({}, 3), 0);
}

TEST(SpanStats, PrintedForPeopleAndSpreadsheets) {
    EXPECT_EQ(StatsText(StatsBetween(kLog, 1, 4), false),
              "speed  A 62000 RPM  B \u2013  B-A \u2013  min 62000  max 70000  mean 66000.0\n"
              "EGT    A 620 C  B \u2013  B-A \u2013  min 620  max 700  mean 660.0\n"
              "stick  A 40.0 %  B \u2013  B-A \u2013  min 40.0  max 51.5  mean 45.75\n"
              "pump   A 46.1 %  B \u2013  B-A \u2013  min 46.1  max 50.1  mean 48.10\n"
              "from minute 0.008 to minute 0.033: 1.5 s, 2 samples, 2 without data (left out)\n");
    EXPECT_TRUE(
        StatsText(StatsBetween(kLog, 1, 4), true)
            .starts_with(
                "channel,unit,at_a,at_b,b_minus_a,min,max,mean,from_min,to_min,seconds,"
                "samples,no_data\nspeed,RPM,62000,,,62000,70000,66000.0,0.008,0.033,1.5,2,2\n"));
    EXPECT_EQ(SpanCsv(kLog, StatsBetween(kLog, 1, 2)),
              "minute,cycle,rpm,egt_c,stick_pct,pump_pct\n0.008,3,62000,620,40.0,46.1\n"
              "0.017,4,,,,\n");
}

}  // namespace
