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
