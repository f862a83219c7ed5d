#include <gtest/gtest.h>

#include "link/Link.h"
#include "live/GaugeGeometry.h"
#include "live/Gauges.h"
#include "support/FakeBackend.h"
#include "support/UnitStateAccess.h"
#include "ui/CanvasWidget.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using norva::testing::Writable;
using Kind = CanvasOp::Kind;

namespace {
std::vector<QString> Texts(const RecordingCanvas& canvas) {
    std::vector<QString> texts;
    for (const CanvasOp& op : canvas.ops(Kind::Text)) texts.push_back(op.text);
    return texts;
}
}  // namespace

TEST(Gauges, DialFaceHasRingArcTicksAndScale) {
    RecordingCanvas canvas;
    DrawDial(canvas, DialKind::Temperature, 250);
    EXPECT_EQ(canvas.userScale(), (UserScale{-100, -100, 200, 200}));
    const auto points = canvas.ops(Kind::Point);
    ASSERT_EQ(points.size(), 361u + 301u + 7u);  // ring, arc, the points the numbers start at
    EXPECT_EQ(points[0].pen.color, QColor(128, 128, 128));
    EXPECT_EQ(points[0].pen.width, 2);
    EXPECT_NEAR(points[0].a.x(), 95, 1e-9);
    // The arc starts at -60 degrees in red, at width 4.
    EXPECT_EQ(points[361].pen.color, QColor(255, 0, 0));
    EXPECT_EQ(points[361].pen.width, 4);
    EXPECT_EQ(points[361 + 50].pen.color, QColor(255, 255, 0));    // -10 degrees
    EXPECT_EQ(points[361 + 81].pen.color, QColor(255, 255, 255));  // 21 degrees
    const auto ticks = canvas.ops(Kind::Line);
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[0].pen.width, 1);
    EXPECT_EQ(ticks[0].pen.color, QColor(255, 255, 255));
    EXPECT_EQ(Texts(canvas), (std::vector<QString>{"960", "800", "640", "480", "320", "160", "0"}));
    // Each number starts 10 up and left of the point at radius 80.
    const CanvasOp first = canvas.ops(Kind::Text)[0];
    const QPointF at = DialPoint(-60, 80);
    EXPECT_NEAR(first.a.x(), at.x() - 10, 1e-9);
    EXPECT_NEAR(first.a.y(), at.y() - 10, 1e-9);
}

TEST(Gauges, SpeedScaleFollowsTheUnitsFullSpeed) {
    RecordingCanvas canvas;
    DrawDial(canvas, DialKind::Speed, 120);
    EXPECT_EQ(Texts(canvas), (std::vector<QString>{"144", "120", "96", "72", "48", "24", "0"}));
    canvas.forget();
    DrawDial(canvas, DialKind::Speed, 250);
    EXPECT_EQ(Texts(canvas), (std::vector<QString>{"300", "250", "200", "150", "100", "50", "0"}));
    // The speed dial's yellow ends at 0 degrees, the temperature dial's at 20.
    EXPECT_EQ(canvas.ops(Kind::Point)[361 + 61].pen.color, QColor(255, 255, 255));
}

TEST(Gauges, NeedleRunsFromTheCentreToRadius60) {
    RecordingCanvas canvas;
    canvas.scale(-100, -100, 200, 200);
    DrawNeedle(canvas, 240);
    const auto lines = canvas.ops(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].a, QPointF(0, 0));
    EXPECT_NEAR(lines[0].b.x(), DialPoint(240, 60).x(), 1e-9);
    EXPECT_NEAR(lines[0].b.y(), DialPoint(240, 60).y(), 1e-9);
}

TEST(Gauges, BarsFillFromTheBottomInTheirColour) {
    RecordingCanvas canvas;
    DrawBar(canvas, 0, QColor(255, 0, 0));
    ASSERT_EQ(canvas.count(Kind::FilledBox), 1);
    EXPECT_EQ(canvas.ops(Kind::FilledBox)[0].b.y(), 100);  // an empty bar
    canvas.forget();
    DrawBar(canvas, 100, QColor(255, 0, 0));
    EXPECT_EQ(canvas.ops(Kind::FilledBox)[0].a, QPointF(0, 100));
    EXPECT_EQ(canvas.ops(Kind::FilledBox)[0].b, QPointF(200, 0));
    // Stick colour: red at or above the idle position (byte 59 / 2.55), pale yellow below.
    EXPECT_EQ(StickBarColour(20, 51), QColor(255, 0, 0));
    EXPECT_EQ(StickBarColour(19, 51), QColor(255, 255, 128));
    EXPECT_EQ(StickBarColour(0, 0), QColor(255, 0, 0));
}

TEST(Gauges, PaintedBarShowsOnTheWidget) {
    CanvasWidget widget;
    widget.resize(40, 120);
    widget.setFaceDrawing([](Canvas& c) { DrawBar(c, 0, Qt::black); });
    widget.setOverlayDrawing([](Canvas& c) { DrawBar(c, 50, QColor(255, 0, 0)); });
    const QImage image = widget.snapshot();
    EXPECT_EQ(image.pixelColor(20, 110), QColor(255, 0, 0));  // lower half filled
    EXPECT_NE(image.pixelColor(20, 10), QColor(255, 0, 0));   // upper half empty
}

TEST(Gauges, LiveTexts) {
    norva::testing::FakeBackend bus;
    Link link(bus);
    Writable(link.EngineSpeed) = 120.0f;
    Writable(link.Egt) = 0;
    Writable(link.StickPosition) = 45;
    Writable(link.PumpPower) = 0;
    Writable(link.BatteryCurrent) = 5;
    Writable(link.BatteryVoltage) = 0.5f;
    const LiveTexts t = MakeLiveTexts(link);
    EXPECT_EQ(t.speed, "120,000");
    EXPECT_EQ(t.temperature, "ºC");  // "###" prints nothing for 0
    EXPECT_EQ(t.stick, " 45%");
    EXPECT_EQ(t.pump, " 0%");
    EXPECT_EQ(t.current, "0.5A");
    EXPECT_EQ(t.voltage, ".5V");
    EXPECT_EQ(t.line1, "NORVA NOT FOUND ");
    EXPECT_EQ(t.line2, QString(16, ' '));
}
