// The logbook window does what the command line does, through the same code: an export
// imported (the idle speed asked once for an engine without one), a download moved to an engine
// from the list, a service recorded, the runs saved as the very CSV `logbook runs --csv`
// prints. The trends' axes tick at round steps.
#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "logbook/EngineReport.h"
#include "logbook/LogbookWindow.h"
#include "support/CraftedLog.h"
#include "support/LinkFixture.h"
#include "support/Postgres.h"
#include "support/Program.h"
#include "ui/RecordingCanvas.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;

TEST(LogbookWindow, DoesWhatTheCommandLineDoes) {
    QTemporaryDir dir;
    const QString book = dir.filePath("l.sqlite");
    std::string error;
    const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
    ASSERT_TRUE(
        WriteLines(a, BareExport({{1, 6, 700}, {2, 6, 720}}, "2026-11-01 10:00:00"), error));
    ASSERT_TRUE(WriteLines(b, BareExport({{3, 6, 710}}, "2026-11-20 10:00:00"), error));
    ScriptedDialogs dialogs;
    LogbookWindow window(book, dialogs, {});
    // The test screen (800 x 600) is smaller than the size the window wants.
    EXPECT_TRUE(window.screen()->availableGeometry().contains(QRect({}, window.size())));
    // No trailer, so no welcome text to know the unit by: its engine is named each time, the
    // idle speed given once.
    for (const QString& file : {a, b}) {
        dialogs.answerOpenFile(file);
        dialogs.answerInput(QStringLiteral("Bench"));
        if (file == a) dialogs.answerInput(QStringLiteral("20000"));
        window.ImportDownload();
    }
    const auto inputs = dialogs.calls(DialogCall::Kind::Input);
    EXPECT_EQ(std::count_if(inputs.begin(), inputs.end(),
                            [](const DialogCall& c) { return c.title == "Idle speed"; }),
              1);
    EXPECT_EQ(dialogs.messages().back(), b + ": Bench, 1 runs added, 0 replaced, 0 already there");
    Logbook logbook(book);
    const Engine bench = *logbook.engineNamed(QStringLiteral("Bench"));
    EXPECT_EQ(logbook.life(bench.id).totals.starts, 3);  // every run measured

    // b's run to another engine, chosen from the engines there are.
    const Engine spare = *logbook.addEngine(QStringLiteral("Spare"), {});
    window.reload();
    ASSERT_TRUE(WaitReally([&] { return !window.loading(); }));
    window.Runs->setCurrentIndex(window.Runs->model()->index(2, 0));
    dialogs.answerInput(QStringLiteral("Spare"));
    window.MoveDownload();
    EXPECT_EQ(dialogs.calls(DialogCall::Kind::Choice).at(0).items,
              (QStringList{"Spare", QStringLiteral("A new engine\u2026")}));
    EXPECT_EQ(logbook.runs(spare.id).size(), 1u);

    dialogs.answerInput(QStringLiteral("bearings"));
    window.ServiceDone();
    EXPECT_TRUE(logbook.life(bench.id).baseline.since.isValid());

    dialogs.answerSaveFile(dir.filePath("runs.csv"));
    ASSERT_TRUE(WaitReally([&] { return !window.loading(); }));
    window.SaveRunsCsv();
    QFile csv(dir.filePath("runs.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(),
              RunNorva({"--logbook", book, "logbook", "runs", "Bench", "--csv"}).out);
    EXPECT_TRUE(dialogs.allAnswered());
}

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

// A trend's title stays inside its chart: the key to its marks gives way first.
TEST(LogbookWindow, ATrendsTitleStaysInsideItsChart) {
    for (const double width : {260.0, 700.0}) {
        RecordingCanvas c({width, 200});
        const QRectF area(0, 0, width, 200);
        DrawTrend(c, {}, Baseline{.runs = 10}, TrendValue::PeakStartEgt, area);
        for (const CanvasOp& text : c.ops(CanvasOp::Kind::Text)) {
            c.setFont(text.font);
            EXPECT_LE(text.a.x() + c.textWidth(text.text), area.right()) << text.text.toStdString();
        }
    }
}

// A server's password that libpq finds nowhere is asked once, and the logbook opens with it.
TEST(LogbookWindow, AsksAServersPasswordLibpqFindsNowhere) {
    PostgresDatabase db;
    ASSERT_TRUE(db.ok() && Logbook(db.ownerUrl()).isOpen());
    const QByteArray passwords = qgetenv("PGPASSFILE");
    qputenv("PGPASSFILE", "/nonexistent");
    ScriptedDialogs dialogs;
    dialogs.answerInput(QStringLiteral("owner-pw"));
    LogbookWindow window(db.ownerUrl(), dialogs, {});
    EXPECT_TRUE(WaitReally([&] { return !window.loading() && window.Import->isEnabled(); }));
    qputenv("PGPASSFILE", passwords);
    EXPECT_EQ(dialogs.calls(DialogCall::Kind::Input).at(0).text,
              "The password of norva_owner for the logbook at 127.0.0.1/" + db.name() + ":");
}
