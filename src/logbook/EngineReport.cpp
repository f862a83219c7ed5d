#include "logbook/EngineReport.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/PainterCanvas.h"

namespace norva {

namespace {
const QColor kTrend(200, 0, 0);
const QColor kBaseline(0, 0, 200);
const QColor kGrid(190, 190, 190);

std::optional<double> ValueOf(const LoggedRun& r, bool peakEgt) {
    if (!r.health.measured) return std::nullopt;
    if (peakEgt) return double(*r.health.peakStartEgt);
    return r.health.timeToIdleS;
}

QString Number(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}
}  // namespace

void DrawTrend(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& baseline,
               bool peakEgt, const QRectF& area) {
    const auto base = peakEgt ? baseline.peakStartEgt : baseline.timeToIdleS;
    double low = base.value_or(0);
    double high = base.value_or(1);
    int measured = 0;
    for (const LoggedRun& r : runs)
        if (const auto v = ValueOf(r, peakEgt)) {
            low = measured || base ? std::min(low, *v) : *v;
            high = measured || base ? std::max(high, *v) : *v;
            ++measured;
        }
    // Some room above and below, and never a flat scale.
    const double margin = std::max((high - low) * 0.1, peakEgt ? 20.0 : 1.0);
    low = std::max(0.0, low - margin);
    high += margin;
    const QString title =
        (peakEgt ? QStringLiteral("Peak start EGT (C)") : QStringLiteral("Time to idle (s)")) +
        QStringLiteral(" over %1 runs; dotted: the baseline; squares: flagged").arg(runs.size());
    canvas.setForeColor(Qt::black);
    canvas.setFont({QStringLiteral("Arial"), 9, true});
    const double titleHeight = canvas.textHeight(title);
    canvas.moveTo(area.left(), area.top());
    canvas.printOn(title);
    canvas.setFont({QStringLiteral("Arial"), 7, false});
    const QString scaleText = Number(high, peakEgt ? 0 : 1);
    const double labelWidth = canvas.textWidth(scaleText) + 4;
    const QRectF box(area.left() + labelWidth, area.top() + titleHeight * 1.3,
                     area.width() - labelWidth, area.height() - titleHeight * 1.3);
    canvas.setLineWidth(1);
    canvas.box(box.left(), box.top(), box.right(), box.bottom(), Qt::black);
    const auto y = [&](double v) { return box.bottom() - (v - low) / (high - low) * box.height(); };
    const int n = int(runs.size());
    const auto x = [&](int k) {
        return n <= 1 ? box.center().x() : box.left() + box.width() * (k + 0.5) / n;
    };
    for (int g = 0; g <= 4; ++g) {
        const double v = low + (high - low) * g / 4;
        const QString label = Number(v, peakEgt ? 0 : 1);
        if (g > 0 && g < 4) canvas.line(box.left(), y(v), box.right(), y(v), kGrid);
        canvas.moveTo(box.left() - canvas.textWidth(label) - 2,
                      y(v) - canvas.textHeight(label) / 2);
        canvas.printOn(label);
    }
    if (base) {
        canvas.setLineStyle(LineStyle::Dot);
        canvas.line(box.left(), y(*base), box.right(), y(*base), kBaseline);
        canvas.setLineStyle(LineStyle::Solid);
    }
    if (measured == 0) {
        const QString none = QStringLiteral("no measured start");
        canvas.moveTo(box.center().x() - canvas.textWidth(none) / 2, box.center().y());
        canvas.printOn(none);
        return;
    }
    canvas.setLineWidth(2);
    std::optional<QPointF> previous;
    const double mark = std::min(box.width(), box.height()) * 0.012 + 1;
    for (int k = 0; k < n; ++k) {
        const auto v = ValueOf(runs[size_t(k)], peakEgt);
        if (!v) continue;
        const QPointF p(x(k), y(*v));
        if (previous) canvas.line(previous->x(), previous->y(), p.x(), p.y(), kTrend);
        previous = p;
        if (!runs[size_t(k)].health.flag.empty())
            canvas.filledBox(p.x() - mark, p.y() - mark, p.x() + mark, p.y() + mark, kTrend);
    }
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
    canvas.print(QStringLiteral("Engine report: %1").arg(engine.name));
    canvas.setFont({QStringLiteral("Arial"), 9, false});
    QString who = engine.serial ? QStringLiteral("serial %1").arg(*engine.serial)
                                : QStringLiteral("welcome text \"%1\"").arg(engine.welcome);
    canvas.print(who);
    canvas.print(QString());
    canvas.print(QStringLiteral("Runs: %1    starts measured: %2    minutes of running: %3    "
                                "flagged runs: %4    events: %5")
                     .arg(totals.runs)
                     .arg(totals.starts)
                     .arg(Number(totals.minutes, 1))
                     .arg(totals.flagged)
                     .arg(totals.events));
    canvas.print(
        QStringLiteral("The unit's count: %1 cycles, %2 minutes in total (newest download)")
            .arg(totals.unitCycles ? QString::number(*totals.unitCycles) : QStringLiteral("n/a"),
                 totals.unitTotalMinutes ? Number(*totals.unitTotalMinutes, 1)
                                         : QStringLiteral("n/a")));
    if (totals.lastService)
        canvas.print(QStringLiteral("Last service: %1; since then %2 runs, %3 minutes of running")
                         .arg(totals.lastService->toString(QStringLiteral("yyyy-MM-dd")))
                         .arg(totals.runsSinceService)
                         .arg(Number(totals.minutesSinceService, 1)));
    canvas.print(
        baseline.runs
            ? QStringLiteral("Baseline (median of the first %1 measured starts%2): peak "
                             "start EGT %3 C, time to idle %4 s%5")
                  .arg(baseline.runs)
                  .arg(totals.lastService ? QStringLiteral(" since the service") : QString())
                  .arg(Number(*baseline.peakStartEgt, 0), Number(*baseline.timeToIdleS, 1))
                  .arg(baseline.lightToIdleS ? QStringLiteral(" (%1 s from light-off)")
                                                   .arg(Number(*baseline.lightToIdleS, 1))
                                             : QString())
            : QStringLiteral("No measured start yet: no baseline."));
    if (!totals.shift.empty())
        canvas.print(QStringLiteral("SHIFT: %1").arg(QString::fromStdString(totals.shift)));
    canvas.print(QStringLiteral("Flagged: a start at the unit's EGT limit, more than %1 C hotter "
                                "than the baseline, or taking more than %2 times as long to idle.")
                     .arg(kHotStartMarginC)
                     .arg(kSlowStartFactor));
    double top = canvas.currentPosition().y() + 20;
    const double trendHeight = std::min(260.0, (height - top) / 3);
    DrawTrend(canvas, runs, baseline, true, QRectF(0, top, 1000, trendHeight));
    top += trendHeight + 20;
    DrawTrend(canvas, runs, baseline, false, QRectF(0, top, 1000, trendHeight));
    top += trendHeight + 25;
    canvas.setForeColor(Qt::black);
    canvas.setFont({QStringLiteral("Arial"), 11, true});
    canvas.moveTo(0, top);
    canvas.print(QStringLiteral("Flagged runs and events"));
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
        canvas.print(QStringLiteral("%1  cycle %2: %3  (%4)")
                         .arg(r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                              QString::number(r.run.cycle), what,
                              QFileInfo(r.downloadFile).fileName()));
    }
    if (toList == 0) canvas.print(QStringLiteral("none"));
    return painter.end();
}

}  // namespace norva
