// The logbook window's trends: their axes tick at round steps.
#include <gtest/gtest.h>

#include "logbook/EngineReport.h"

using namespace norva;

TEST(LogbookWindow, TrendAxesTickAtRoundSteps) {
    struct Case {
        Axis axis;
        QStringList labels;
    };
    const auto at = [](const char* t) {
        return QDateTime::fromString(QString::fromLatin1(t), QStringLiteral("yyyy-MM-dd hh:mm"));
    };
    const Case cases[] = {
        {ValueAxis(700, 850, 8), {"700", "750", "800", "850"}},
        {ValueAxis(0, 1.3, 4), {"0.0", "0.5", "1.0", "1.5"}},
        {ValueAxis(2.6, 6.2, 5), {"2", "4", "6", "8"}},
        // One download: minutes, the date under the first.
        {DateAxis(at("2026-12-06 10:03"), at("2026-12-06 10:22"), 4),
         {"10:00\n2026-12-06", "10:10", "10:20", "10:30"}},
        // A single run: a step either side of it.
        {DateAxis(at("2026-12-06 10:02"), at("2026-12-06 10:02"), 8),
         {"09:55\n2026-12-06", "10:00", "10:05"}},
        {DateAxis(at("2026-11-04 09:00"), at("2026-11-25 18:00"), 5),
         {"2026-11-02", "2026-11-09", "2026-11-16", "2026-11-23", "2026-11-30"}},
        {DateAxis(at("2026-01-15 09:00"), at("2026-06-10 18:00"), 4),
         {"Jan 2026", "Mar 2026", "May 2026", "Jul 2026"}},
    };
    for (const Case& c : cases) {
        QStringList labels;
        for (const AxisTick& t : c.axis.ticks) labels << t.label;
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(c.axis.low, c.axis.ticks.front().at);
        EXPECT_EQ(c.axis.high, c.axis.ticks.back().at);
    }
}
