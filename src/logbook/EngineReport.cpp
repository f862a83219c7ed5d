#include "logbook/EngineReport.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "logbook/RunsTable.h"
#include "ui/PainterCanvas.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EngineReport)
};
}  // namespace

namespace {
const QColor kTrend(200, 0, 0);
const QColor kBaseline(0, 0, 200);
const QColor kGrid(190, 190, 190);

std::optional<double> Real(const std::optional<int>& v) {
    return v ? std::optional<double>(*v) : std::nullopt;
}

// The pump in percent, as the other windows show it.
std::optional<double> Percent(const std::optional<int>& tenths) {
    return tenths ? std::optional<double>(*tenths / 10.0) : std::nullopt;
}

std::optional<double> ValueOf(const LoggedRun& r, TrendValue value) {
    const RunAnalysis& a = r.analysis;
    switch (value) {
        case TrendValue::PeakStartEgt:
            return r.health.measured ? Real(r.health.peakStartEgt) : std::nullopt;
        case TrendValue::TimeToIdle:
            return r.health.measured ? r.health.timeToIdleS : std::nullopt;
        case TrendValue::LightToIdle:
            return r.health.lightToIdleS;
        case TrendValue::IdleEgt:
            return Real(a.idleEgt);
        case TrendValue::IdlePump:
            return Percent(a.idlePump);
        case TrendValue::FullEgt:
            return Real(a.fullEgt);
        case TrendValue::FullPump:
            return Percent(a.fullPump);
    }
    return std::nullopt;
}

// The baseline is taken of the start only.
std::optional<double> BaselineOf(const Baseline& b, TrendValue value) {
    switch (value) {
        case TrendValue::PeakStartEgt:
            return b.peakStartEgt;
        case TrendValue::TimeToIdle:
            return b.timeToIdleS;
        case TrendValue::LightToIdle:
            return b.lightToIdleS;
        default:
            return std::nullopt;
    }
}

bool IsEgt(TrendValue value) {
    return value == TrendValue::PeakStartEgt || value == TrendValue::IdleEgt ||
           value == TrendValue::FullEgt;
}

// A run's place on the date axis: when it started, else its download's moment.
qint64 When(const LoggedRun& r) {
    return (r.started.isValid() ? r.started : r.moment).toMSecsSinceEpoch();
}

struct DateStep {
    enum Unit { Minute, Hour, Day, Month } unit;
    int n;
};
// Day steps of 7 and 14 fall on Mondays: Julian day 0 was one.
constexpr DateStep kDateSteps[] = {
    {DateStep::Minute, 5}, {DateStep::Minute, 10}, {DateStep::Minute, 15}, {DateStep::Minute, 30},
    {DateStep::Hour, 1},   {DateStep::Hour, 2},    {DateStep::Hour, 3},    {DateStep::Hour, 6},
    {DateStep::Hour, 12},  {DateStep::Day, 1},     {DateStep::Day, 2},     {DateStep::Day, 7},
    {DateStep::Day, 14},   {DateStep::Month, 1},   {DateStep::Month, 2},   {DateStep::Month, 3},
    {DateStep::Month, 6},  {DateStep::Month, 12},  {DateStep::Month, 24},  {DateStep::Month, 60},
    {DateStep::Month, 120}};

QDateTime Floor(const QDateTime& t, DateStep s) {
    const QDate d = t.date();
    const QTime time = t.time();
    switch (s.unit) {
        case DateStep::Minute:
            return QDateTime(d, QTime(time.hour(), time.minute() - time.minute() % s.n));
        case DateStep::Hour:
            return QDateTime(d, QTime(time.hour() - time.hour() % s.n, 0));
        case DateStep::Day:
            return QDateTime(QDate::fromJulianDay(d.toJulianDay() - d.toJulianDay() % s.n),
                             QTime(0, 0));
        case DateStep::Month:
            break;
    }
    const int month = d.year() * 12 + d.month() - 1;
    const int floor = month - month % s.n;
    return QDateTime(QDate(floor / 12, floor % 12 + 1, 1), QTime(0, 0));
}

QDateTime Step(const QDateTime& t, DateStep s, int times) {
    switch (s.unit) {
        case DateStep::Minute:
            return t.addSecs(60LL * s.n * times);
        case DateStep::Hour:
            return t.addSecs(3600LL * s.n * times);
        case DateStep::Day:
            return t.addDays(qint64(s.n) * times);
        case DateStep::Month:
            break;
    }
    return t.addMonths(s.n * times);
}

QString Number(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

// Each line of a label, centred on x, kept inside [left, right].
void PrintCentred(Canvas& canvas, const QString& label, double x, double top, double left,
                  double right) {
    for (const QString& line : label.split(QLatin1Char('\n'))) {
        const double w = canvas.textWidth(line);
        canvas.moveTo(std::clamp(x - w / 2, left, std::max(left, right - w)), top);
        canvas.printOn(line);
        top += canvas.textHeight(line);
    }
}
}  // namespace

QString TrendName(TrendValue value) {
    switch (value) {
        case TrendValue::PeakStartEgt:
            return Texts::tr("Peak start EGT (C)");
        case TrendValue::TimeToIdle:
            return Texts::tr("Time to idle (s)");
        case TrendValue::LightToIdle:
            return Texts::tr("Time from light-off (s)");
        case TrendValue::IdleEgt:
            return Texts::tr("Idle EGT (C)");
        case TrendValue::IdlePump:
            return Texts::tr("Idle pump (%)");
        case TrendValue::FullEgt:
            return Texts::tr("Full-throttle EGT (C)");
        case TrendValue::FullPump:
            return Texts::tr("Full-throttle pump (%)");
    }
    return {};
}

Axis ValueAxis(double low, double high, int maxTicks) {
    maxTicks = std::max(maxTicks, 2);
    if (!(high > low)) high = low + 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / (maxTicks - 1))));
    constexpr double kMultiples[] = {1, 2, 5};
    for (int k = 0;; ++k) {
        const double step = magnitude * kMultiples[k % 3] * std::pow(10.0, k / 3);
        // A value a hair past a tick (0.30000000000000004) is on it.
        const auto from = static_cast<long long>(std::floor(low / step + 1e-9));
        const auto to = static_cast<long long>(std::ceil(high / step - 1e-9));
        if (to - from + 1 > maxTicks) continue;
        const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
        Axis axis{.low = double(from) * step, .high = double(to) * step, .ticks = {}};
        for (long long t = from; t <= to; ++t)
            axis.ticks.push_back(
                {.at = double(t) * step, .label = Number(double(t) * step, decimals)});
        return axis;
    }
}

Axis DateAxis(const QDateTime& first, const QDateTime& last, int maxTicks) {
    maxTicks = std::max(maxTicks, 3);
    const QDateTime from = first.toLocalTime();
    const QDateTime to = std::max(first, last).toLocalTime();
    std::vector<QDateTime> ticks;
    DateStep step{};
    for (const DateStep& s : kDateSteps) {
        // Two days and more read best by the day: hours only for one download, or a day out.
        if (s.unit < DateStep::Day && from.date().daysTo(to.date()) >= 2) continue;
        step = s;
        ticks = {Floor(from, s)};
        while (ticks.back() < to && int(ticks.size()) <= maxTicks)
            ticks.push_back(Step(ticks.back(), s, 1));
        if (int(ticks.size()) <= maxTicks) break;
    }
    // Too short a span for a scale: a step more before it, then after it.
    for (bool before = true; ticks.size() < 3; before = !before) {
        if (before)
            ticks.insert(ticks.begin(), Step(ticks.front(), step, -1));
        else
            ticks.push_back(Step(ticks.back(), step, 1));
    }
    Axis axis{.low = double(ticks.front().toMSecsSinceEpoch()),
              .high = double(ticks.back().toMSecsSinceEpoch()),
              .ticks = {}};
    for (size_t k = 0; k < ticks.size(); ++k) {
        const QDateTime& t = ticks[k];
        QString label;
        if (step.unit == DateStep::Month) {
            label = t.toString(QStringLiteral("MMM yyyy"));
        } else if (step.unit == DateStep::Day) {
            label = t.toString(QStringLiteral("yyyy-MM-dd"));
        } else {
            label = t.toString(QStringLiteral("hh:mm"));
            if (k == 0 || t.date() != ticks[k - 1].date())
                label += QLatin1Char('\n') + t.toString(QStringLiteral("yyyy-MM-dd"));
        }
        axis.ticks.push_back({.at = double(t.toMSecsSinceEpoch()), .label = label});
    }
    return axis;
}

void DrawTrend(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& baseline,
               TrendValue value, const QRectF& area) {
    const auto base = BaselineOf(baseline, value);
    std::optional<double> low = base, high = base;
    std::optional<qint64> first, last;
    int measured = 0;
    for (const LoggedRun& r : runs)
        if (const auto v = ValueOf(r, value)) {
            low = std::min(low.value_or(*v), *v);
            high = std::max(high.value_or(*v), *v);
            first = std::min(first.value_or(When(r)), When(r));
            last = std::max(last.value_or(When(r)), When(r));
            ++measured;
        }
    const QString name = TrendName(value) + Texts::tr(" over %1 runs").arg(runs.size());
    QString title = name;
    if (base) title += Texts::tr("; dotted: the baseline");
    title += Texts::tr("; squares: flagged");
    canvas.setForeColor(Qt::black);
    canvas.setFont({QStringLiteral("Arial"), 9, true});
    // The key to the marks gives way where the title would run off the chart.
    if (canvas.textWidth(title) > area.width()) title = name;
    const double titleHeight = canvas.textHeight(title);
    canvas.moveTo(area.left(), area.top());
    canvas.printOn(title);
    canvas.setFont({QStringLiteral("Arial"), 7, false});
    const double line = canvas.textHeight(QStringLiteral("0"));
    canvas.setLineWidth(1);
    if (measured == 0) {
        const QRectF box(area.left(), area.top() + titleHeight * 1.3, area.width(),
                         area.height() - titleHeight * 1.3);
        canvas.box(box.left(), box.top(), box.right(), box.bottom(), Qt::black);
        const QString none = Texts::tr("nothing measured yet");
        canvas.moveTo(box.center().x() - canvas.textWidth(none) / 2, box.center().y());
        canvas.printOn(none);
        return;
    }
    // Never a flat scale, and the values clear of the box's edges.
    const double least = IsEgt(value) ? 20 : 1;
    if (*high - *low < least) {
        const double widen = (least - (*high - *low)) / 2;
        *low -= widen;
        *high += widen;
    }
    const double pad = (*high - *low) * 0.05;
    const double boxTop = area.top() + titleHeight * 1.3;
    const Axis ys = ValueAxis(std::max(0.0, *low - pad), *high + pad,
                              std::clamp(int((area.bottom() - boxTop) / (line * 2.5)), 2, 8));
    double labelWidth = 0;
    for (const AxisTick& t : ys.ticks) labelWidth = std::max(labelWidth, canvas.textWidth(t.label));
    const double dateWidth = canvas.textWidth(QStringLiteral("2026-12-06"));
    const double left = area.left() + labelWidth + 4;
    const double right = area.right() - dateWidth / 2;
    const Axis xs =
        DateAxis(QDateTime::fromMSecsSinceEpoch(*first), QDateTime::fromMSecsSinceEpoch(*last),
                 std::clamp(int((right - left) / (dateWidth * 1.6)), 3, 8));
    const bool twoLines = std::any_of(xs.ticks.begin(), xs.ticks.end(), [](const AxisTick& t) {
        return t.label.contains(QLatin1Char('\n'));
    });
    const QRectF box(QPointF(left, boxTop),
                     QPointF(right, area.bottom() - line * (twoLines ? 2 : 1) - 3));
    canvas.box(box.left(), box.top(), box.right(), box.bottom(), Qt::black);
    const auto y = [&](double v) {
        return box.bottom() - (v - ys.low) / (ys.high - ys.low) * box.height();
    };
    const auto x = [&](double ms) {
        return box.left() + (ms - xs.low) / (xs.high - xs.low) * box.width();
    };
    for (const AxisTick& t : ys.ticks) {
        if (t.at > ys.low && t.at < ys.high)
            canvas.line(box.left(), y(t.at), box.right(), y(t.at), kGrid);
        canvas.moveTo(box.left() - canvas.textWidth(t.label) - 2, y(t.at) - line / 2);
        canvas.printOn(t.label);
    }
    for (const AxisTick& t : xs.ticks) {
        if (t.at > xs.low && t.at < xs.high)
            canvas.line(x(t.at), box.top(), x(t.at), box.bottom(), kGrid);
        // Right of the value labels, never under them.
        PrintCentred(canvas, t.label, x(t.at), box.bottom() + 2, box.left(), area.right());
    }
    if (base) {
        canvas.setLineStyle(LineStyle::Dot);
        canvas.line(box.left(), y(*base), box.right(), y(*base), kBaseline);
        canvas.setLineStyle(LineStyle::Solid);
    }
    canvas.setLineWidth(2);
    std::optional<QPointF> previous;
    const double mark = std::min(box.width(), box.height()) * 0.012 + 1;
    // Each value a dot as long as the dots stand apart.
    const bool dots = measured * 4 < box.width();
    // Where values crowd (a shop's engine of thousands of runs), each column of the width gets
    // one stroke from its lowest to its highest value: the same picture, a line per column.
    const bool crowded = measured > 2 * box.width();
    struct Column {
        int at;
        double first, last, low, high;
    };
    std::optional<Column> column;
    const auto flush = [&] {
        if (!column) return;
        const double cx = column->at;
        if (previous) canvas.line(previous->x(), previous->y(), cx, column->first, kTrend);
        if (column->high > column->low) canvas.line(cx, column->low, cx, column->high, kTrend);
        previous = QPointF(cx, column->last);
    };
    for (const LoggedRun& r : runs) {
        const auto v = ValueOf(r, value);
        if (!v) continue;
        const QPointF p(x(double(When(r))), y(*v));
        if (crowded) {
            const int at = int(std::floor(p.x()));
            if (!column || column->at != at) {
                flush();
                column = Column{at, p.y(), p.y(), p.y(), p.y()};
            } else {
                column->last = p.y();
                column->low = std::min(column->low, p.y());
                column->high = std::max(column->high, p.y());
            }
        } else {
            if (previous) canvas.line(previous->x(), previous->y(), p.x(), p.y(), kTrend);
            previous = p;
        }
        const double size = !r.health.flag.empty() ? mark : dots ? mark / 2 : 0;
        if (size > 0)
            canvas.filledBox(p.x() - size, p.y() - size, p.x() + size, p.y() + size, kTrend);
    }
    flush();
    canvas.setLineWidth(1);
}

bool PrintEngineReport(QPagedPaintDevice& device, const Engine& engine, const EngineLife& life) {
    const EngineTotals& totals = life.totals;
    const Baseline& baseline = life.baseline;
    const std::vector<LoggedRun>& runs = life.runs;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PainterCanvas canvas(painter);
    canvas.setBackColor(Qt::white);
    // A page 1000 units wide, as tall as its proportions make it.
    const QSizeF area = canvas.areaPixels();
    const double height = 1000 * area.height() / area.width();
    canvas.scale(0, 0, 1000, height);
    canvas.setForeColor(Qt::black);
    canvas.setFont({QStringLiteral("Arial"), 16, true});
    canvas.moveTo(0, 0);
    canvas.print(Texts::tr("Engine report: %1").arg(engine.name));
    canvas.setFont({QStringLiteral("Arial"), 9, false});
    QString who = engine.serial ? Texts::tr("serial %1").arg(*engine.serial)
                                : Texts::tr("welcome text \"%1\"").arg(engine.welcome);
    canvas.print(who);
    canvas.print(QString());
    canvas.print(Texts::tr("Runs: %1    starts measured: %2    minutes of running: %3    "
                           "flagged runs: %4    events: %5")
                     .arg(totals.runs)
                     .arg(totals.starts)
                     .arg(QString::fromStdString(MinutesText(totals.minutes)))
                     .arg(totals.flagged)
                     .arg(totals.events));
    canvas.print(
        Texts::tr("The unit's count: %1 cycles, %2 minutes in total (newest download)")
            .arg(totals.unitCycles ? QString::number(*totals.unitCycles) : QStringLiteral("n/a"),
                 totals.unitTotalMinutes ? Number(*totals.unitTotalMinutes, 1)
                                         : QStringLiteral("n/a")));
    if (totals.lastService)
        canvas.print(Texts::tr("Last service: %1; since then %2 runs, %3 minutes of running")
                         .arg(totals.lastService->toString(QStringLiteral("yyyy-MM-dd")))
                         .arg(totals.runsSinceService)
                         .arg(QString::fromStdString(MinutesText(totals.minutesSinceService))));
    canvas.print(baseline.runs
                     ? Texts::tr("Baseline (median of the first %1 measured starts%2): peak "
                                 "start EGT %3 C, time to idle %4 s%5")
                           .arg(baseline.runs)
                           .arg(totals.lastService ? Texts::tr(" since the service") : QString())
                           .arg(Number(*baseline.peakStartEgt, 0), Number(*baseline.timeToIdleS, 1))
                           .arg(baseline.lightToIdleS ? Texts::tr(" (%1 s from light-off)")
                                                            .arg(Number(*baseline.lightToIdleS, 1))
                                                      : QString())
                     : Texts::tr("No measured start yet: no baseline."));
    if (!totals.shift.empty())
        canvas.print(Texts::tr("SHIFT: %1").arg(QString::fromStdString(totals.shift)));
    canvas.print(Texts::tr("Flagged: a start at the unit's EGT limit, more than %1 C hotter than "
                           "the baseline, or taking more than %2 times as long to idle.")
                     .arg(kHotStartMarginC)
                     .arg(kSlowStartFactor));
    double top = canvas.currentPosition().y() + 20;
    const double trendHeight = std::min(260.0, (height - top) / 3);
    DrawTrend(canvas, runs, baseline, TrendValue::PeakStartEgt, QRectF(0, top, 1000, trendHeight));
    top += trendHeight + 20;
    DrawTrend(canvas, runs, baseline, TrendValue::TimeToIdle, QRectF(0, top, 1000, trendHeight));
    top += trendHeight + 25;
    canvas.setForeColor(Qt::black);
    canvas.setFont({QStringLiteral("Arial"), 11, true});
    canvas.moveTo(0, top);
    canvas.print(Texts::tr("Flagged runs and events"));
    canvas.setFont({QStringLiteral("Arial"), 8, false});
    int listed = 0;
    int toList = 0;
    for (const LoggedRun& r : runs) toList += !r.health.flag.empty() || !r.analysis.events.empty();
    for (const LoggedRun& r : runs) {
        if (r.health.flag.empty() && r.analysis.events.empty()) continue;
        // What does not fit the page is counted, not cut off mid-line.
        if (canvas.currentPosition().y() + canvas.textHeight(QStringLiteral("X")) * 2 > height) {
            canvas.print(QStringLiteral("... and %1 more").arg(toList - listed));
            break;
        }
        ++listed;
        QString what = QString::fromStdString(r.health.flag);
        const QString events = QString::fromStdString(EventsField(r.analysis.events));
        if (!events.isEmpty()) what += (what.isEmpty() ? QString() : QStringLiteral("; ")) + events;
        canvas.print(Texts::tr("%1  cycle %2: %3  (%4)")
                         .arg(r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                              QString::number(r.run.cycle), what,
                              QFileInfo(r.downloadFile).fileName()));
    }
    if (toList == 0) canvas.print(QStringLiteral("none"));
    return painter.end();
}

}  // namespace norva
