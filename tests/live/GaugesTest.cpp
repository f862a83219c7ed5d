#include <gtest/gtest.h>

#include "live/Gauges.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using Kind = CanvasOp::Kind;

TEST(Gauges, SpeedScaleFollowsTheUnitsFullSpeed) {
    RecordingCanvas canvas;
    const auto texts = [&] {
        std::vector<QString> texts;
        for (const CanvasOp& op : canvas.ops(Kind::Text)) texts.push_back(op.text);
        canvas.forget();
        return texts;
    };
    DrawDial(canvas, DialKind::Speed, 120);
    EXPECT_EQ(texts(), (std::vector<QString>{"144", "120", "96", "72", "48", "24", "0"}));
    DrawDial(canvas, DialKind::Speed, 250);
    EXPECT_EQ(texts(), (std::vector<QString>{"300", "250", "200", "150", "100", "50", "0"}));
}

TEST(Gauges, BarsFillFromTheBottomInTheirColour) {
    RecordingCanvas canvas;
    DrawBar(canvas, 0, QColor(255, 0, 0));
    ASSERT_EQ(canvas.count(Kind::FilledBox), 1);
    EXPECT_EQ(canvas.ops(Kind::FilledBox)[0].b.y(), 100);  // an empty bar
    canvas.forget();
    DrawBar(canvas, 100, QColor(255, 0, 0));
    EXPECT_EQ(canvas.ops(Kind::FilledBox)[0].b, QPointF(200, 0));
    // Stick colour: red at or above the idle position (byte 59 / 2.55), pale yellow below.
    EXPECT_EQ(StickBarColour(20, 51), QColor(255, 0, 0));
    EXPECT_EQ(StickBarColour(19, 51), QColor(255, 255, 128));
    EXPECT_EQ(StickBarColour(0, 0), QColor(255, 0, 0));
}
