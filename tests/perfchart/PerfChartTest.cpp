// The performance chart: its scales and labels, how points join, the measure files, the
// window's run and the printed page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QResizeEvent>
#include <QTemporaryDir>

#include "link/Link.h"
#include "perfchart/PerfChart.h"
#include "perfchart/PerformanceChartWindow.h"
#include "support/FakeBackend.h"
#include "support/UnitStateAccess.h"
#include "ui/PainterCanvas.h"
#include "ui/RecordingCanvas.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;
using Kind = CanvasOp::Kind;

namespace {
std::vector<QString> TextsAt(const RecordingCanvas& c, double x) {
    std::vector<QString> out;
    for (const CanvasOp& op : c.ops(Kind::Text))
        if (op.a.x() == x) out.push_back(op.text);
    return out;
}
QString TextAt(const RecordingCanvas& c, QPointF at) {
    for (const CanvasOp& op : c.ops(Kind::Text))
        if (op.a == at) return op.text;
    return "(none)";
}
// The drawing calls after the grid, in the colour given.
std::vector<CanvasOp> InColour(const RecordingCanvas& c, Kind kind, const QColor& colour) {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : c.ops(kind))
        if (op.pen.color == colour) out.push_back(op);
    return out;
}
const QColor kBlue(0, 0, 255), kGreen(0, 255, 0);

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}
}  // namespace

// The labels come from the unit's single-precision factor: 10.5 N a line is 10, 21, not 11.
// Another unit's bottom axis is its speed; every curve keeps its scale, and a thrust far beyond
// it is drawn there, not at the chart's edge.
TEST(PerformanceChart, ScalesAndLabels) {
    RecordingCanvas c({554, 296});
    PlotMemory m{5, 1, 2, 3, 4};
    IniciaGrafic(c, ChartScales{}, m);
    EXPECT_EQ(TextAt(c, {14, 265}), "0.15");  // pressure along the bottom: 0.15 bar a line
    const std::vector<QString> thrust = TextsAt(c, 272);
    EXPECT_EQ(std::vector<QString>(thrust.begin(), thrust.begin() + 5),
              (std::vector<QString>{"0", "10", "21", "31", "42"}));
    EXPECT_EQ(m.prevRpmY, 260);  // a new chart starts every curve at its bottom line
    EXPECT_EQ(m.prevThrustY, 260);

    RecordingCanvas other({554, 296});
    const ChartScales s{false, 0.009f, 150};
    IniciaGrafic(other, s, m);
    EXPECT_EQ(TextAt(other, {14, 265}), "10");  // 150 / 15 a line
    EXPECT_EQ(TextsAt(other, 272).back(), "137");
    const UserScale& scale = other.userScale();  // and it stands whole inside the picture
    EXPECT_LE(272 + other.textWidth(QStringLiteral("137")), scale.left + scale.width);
    other.forget();
    PintaPunt(other, s, m, {0, 75, 1e9f, 500});
    EXPECT_LT(InColour(other, Kind::Point, kGreen).at(0).a.y(), -1000);
}

TEST(PerformanceChart, PointsOutsideTheChartAreCutOffNotMovedToItsEdges) {
    // A cold engine (20 C) and a hot one (900 C) beside a point inside, on the screen and on the
    // page: no red pixel outside the box, some inside.
    const std::vector<MeasureRecord> records = {{1.0f, 60, 0, 20},   {1.01f, 60, 0, 20},
                                                {1.02f, 60, 0, 500}, {1.03f, 60, 0, 900},
                                                {1.04f, 60, 0, 900}, {1.05f, 60, 0, 300}};
    const auto red = [](const QImage& image, const QRect& box, bool inside) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (box.contains(x, y) == inside) {
                    const QColor c = image.pixelColor(x, y);
                    n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
                }
        return n;
    };
    ImageCanvas screen({554, 296});
    screen.setBackColor(Qt::white);
    PlotMemory m;
    ReplayChart(screen, ChartScales{}, m, records);
    // The box (0, 5)-(255, 260) of -20..280 by -10..290, with its frame's width.
    const QRect box(QPoint(35, 13), QPoint(509, 268));
    EXPECT_EQ(red(screen.image(), box, false), 0);
    EXPECT_GT(red(screen.image(), box, true), 0);

    ImageCanvas page({350, 800});
    page.setBackColor(Qt::white);
    page.clear();
    PrintChartPage(page, ChartScales{}, records, "cold.nvm", QDateTime({2026, 5, 1}, {14, 30}));
    // The box (0, 50)-(2380, 2600) of -500..3000 by -500..7500.
    const QRect pageBox(QPoint(48, 53), QPoint(290, 312));
    EXPECT_EQ(red(page.image(), pageBox, false), 0);
    EXPECT_GT(red(page.image(), pageBox, true), 0);
}

// Thrust is drawn only when typed: a dot joined to the last thrust, the first after a clear to
// the chart's corner.
TEST(PerformanceChart, ThrustIsDrawnOnceJoinedToTheLastThrust) {
    RecordingCanvas c;
    const ChartScales s;
    PlotMemory m;
    IniciaGrafic(c, s, m);
    const auto plot = [&](const MeasureRecord& r) {
        c.forget();
        PintaPunt(c, s, m, r);
    };
    plot({0.5f, 0, 0, 20});  // nothing typed
    EXPECT_TRUE(InColour(c, Kind::Point, kGreen).empty());
    plot({1.0f, 30, 42, 600});
    const auto dot = InColour(c, Kind::Point, kGreen);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_EQ(InColour(c, Kind::Line, kGreen).at(0).a, QPointF(0, 260));
    plot({2.0f, 30, 84, 600});
    EXPECT_EQ(InColour(c, Kind::Line, kGreen).at(0).a, dot[0].a);
}

TEST(MeasureFile, WrittenAndReadBackExactly) {
    EXPECT_EQ(MeasureLine({1.8f, 112.3f, 0, 656}), "1.8,112.3,0,656");
    EXPECT_EQ(MeasureLine({0.009f, 1234.5678f, -3.5f, 0.5f}), "0.009,1234.568,-3.5,0.5");
    QTemporaryDir dir;
    const QString path = dir.filePath("run.nvm");
    WriteFile(path, "1.8,112.3,0,656\r\n.5,1e2,3,4\n7,8\r\n9,10\r\n");
    std::string error;
    const auto records = ReadMeasureFile(path.toStdString(), error);
    ASSERT_TRUE(records) << error;
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[0], (MeasureRecord{1.8f, 112.3f, 0, 656}));
    EXPECT_EQ((*records)[1], (MeasureRecord{0.5f, 100, 3, 4}));

    for (const char* bad : {"1,2,3,4\r\n5,6,7\r\n", "1,2,3,4\r\n5,six,7,8\r\n"}) {
        WriteFile(path, bad);
        EXPECT_FALSE(ReadMeasureFile(path.toStdString(), error));
        EXPECT_NE(error.find("run.nvm:2: "), std::string::npos) << error;
    }
}

// The page names its file and date, and a typed thrust is a cross.
TEST(PrintedChart, PageNamesTheFileAndCrossesTheThrust) {
    RecordingCanvas page({794, 1123});
    PrintChartPage(page, ChartScales{}, {{1.0f, 60, 0, 600}, {1.1f, 70, 50, 640}}, "run.nvm",
                   QDateTime({2026, 5, 1}, {14, 30}));
    EXPECT_EQ(TextAt(page, {1000, -220}), "file:run.nvm     Date:2026-05-01 14:30");
    EXPECT_EQ(InColour(page, Kind::Line, Qt::black).size() - 14 - 15, 2u);  // the cross
    EXPECT_TRUE(InColour(page, Kind::Line, kBlue).empty());  // alone, the first joins nothing
}

class ChartWindowTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeBackend bus;
    Link link{bus};
    ScriptedDialogs dialogs;
    Config settings;
    PerformanceChartWindow window{link, dialogs, settings, dir.filePath("norva10.ini"),
                                  dir.filePath("chart")};

    void live(float pressure, float speed, float egt) {
        Writable(link.Pressure) = pressure;
        Writable(link.EngineSpeed) = speed;
        Writable(link.Egt) = egt;
    }
    QByteArray present() { return ReadFile(window.run().present()); }
    int greenDots() {
        const QImage image = window.Picture1->faceImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == kGreen;
        return n;
    }
};

TEST_F(ChartWindowTest, RecordsHotTicksOnlyAndTheTableOfStates) {
    EXPECT_TRUE(window.run().RecordingEnabled);
    live(1.0f, 60, 90);  // cold: plotted, not recorded
    window.run().tick();
    live(1.0f, 60, 600);
    window.run().ManualThrust = 42;
    window.run().tick();
    EXPECT_EQ(window.run().ManualThrust, 0);  // used once
    window.run().tick();
    EXPECT_EQ(present(), "1,60,42,600\r\n1,60,0,600\r\n");

    // Saved: a copy, and recording goes on in the current file.
    const QString saved = dir.filePath("saved.nvm");
    dialogs.answerSaveFile(saved);
    window.SaveMeasures();
    EXPECT_EQ(ReadFile(saved), present());
    EXPECT_TRUE(window.run().RecordingEnabled);
    EXPECT_TRUE(window.run().running());
    dialogs.answerSaveFile(dir.filePath("no/such/folder/x.nvm"));
    window.SaveMeasures();
    EXPECT_NE(dialogs.messages().back().indexOf("x.nvm: the measures could not be copied there"),
              -1);
    EXPECT_TRUE(window.run().RecordingEnabled);

    // Display stops recording, even when cancelled, and draws the file over the chart.
    window.ClearGraph();
    EXPECT_EQ(present(), "");
    dialogs.answerOpenFile("");
    window.DisplayMeasures();
    EXPECT_FALSE(window.run().RecordingEnabled);
    window.run().tick();
    EXPECT_EQ(present(), "");
    WriteFile(dir.filePath("bad.nvm"), "1,2,3\r\n");
    dialogs.answerOpenFile(dir.filePath("bad.nvm"));
    window.DisplayMeasures();
    EXPECT_NE(dialogs.calls().back().text.indexOf("bad.nvm:1: "), -1)
        << dialogs.calls().back().text.toStdString();
    const int before = greenDots();
    dialogs.answerOpenFile(saved);
    window.DisplayMeasures();
    EXPECT_GT(greenDots(), before);           // the saved thrust point
    EXPECT_EQ(window.run().ManualThrust, 0);  // the last record had none
    // A resize replays the current run only: the overlay goes, recording comes back.
    window.resize(700, 450);
    QResizeEvent event(window.size(), {627, 400});
    QCoreApplication::sendEvent(&window, &event);
    window.Picture1->faceImage();
    EXPECT_EQ(greenDots(), 0);
    EXPECT_TRUE(window.run().RecordingEnabled);
}

TEST_F(ChartWindowTest, ThrustMenuTypedThrustAndPrinting) {
    dialogs.answerInput("1.25");
    window.Calibrate();
    EXPECT_EQ(settings.ThrustCalibration, 1.25f);
    dialogs.answerInput("");  // cancelled
    window.Calibrate();
    dialogs.answerInput("much");
    window.Calibrate();
    EXPECT_EQ(settings.ThrustCalibration, 1.25f);
    Writable(link.PressureRaw) = 12;
    window.Zero();
    EXPECT_EQ(settings.ThrustZero, -12);
    const Config kept = ReadConfig(dir.filePath("norva10.ini"));
    EXPECT_EQ(std::pair(kept.ThrustZero, kept.ThrustCalibration), std::pair(-12.0f, 1.25f));
    // Typed thrust: the leading number.
    window.Text1->setText("35.5 N");
    QMetaObject::invokeMethod(window.Text1, "returnPressed");
    EXPECT_EQ(window.run().ManualThrust, 35.5f);
    EXPECT_EQ(window.Text1->text(), "");

    const QString pdf = dir.filePath("page.pdf");
    WriteFile(dir.filePath("run.nvm"), "1,60,0,600\r\n1.1,62,40,610\r\n");
    dialogs.answerPrinter([pdf] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    dialogs.answerOpenFile(dir.filePath("run.nvm"));
    window.PrintMeasures();
    EXPECT_TRUE(ReadFile(pdf).startsWith("%PDF"));
    EXPECT_FALSE(window.run().RecordingEnabled);
}
