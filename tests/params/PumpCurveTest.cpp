// The pump chart as drawn: coordinate system, frame, grid, both axes' labels and the curve.
#include <gtest/gtest.h>

#include <array>

#include "params/PumpCurve.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using namespace norva::params;
using Kind = CanvasOp::Kind;

namespace {
// Image addresses the chart reads.
constexpr int kIdleSpeedAddress = 50;
constexpr int kFullSpeedAddress = 51;
constexpr int kPumpLimitAddress = 80;
constexpr int kPumpCurveAddress = 208;

class PumpCurveTest : public ::testing::Test {
  protected:
    std::array<uint8_t, 257> image{};
    RecordingCanvas canvas{{313, 249}};

    void speeds(int idle, int full) {
        image[kIdleSpeedAddress] = static_cast<uint8_t>(idle);
        image[kFullSpeedAddress] = static_cast<uint8_t>(full);
    }
    void curve(int limit, int value) {
        image[kPumpLimitAddress] = static_cast<uint8_t>(limit);
        for (int k = 0; k < kPumpCurvePoints; ++k)
            image[kPumpCurveAddress + k] = static_cast<uint8_t>(value);
    }
    // Texts printed along a row (speed labels) or a column (power labels), in order.
    std::vector<CanvasOp> textsWhere(bool (*where)(QPointF)) const {
        std::vector<CanvasOp> out;
        for (const CanvasOp& op : canvas.ops(Kind::Text))
            if (where(op.a)) out.push_back(op);
        return out;
    }
    std::vector<QString> speedLabels() const {
        std::vector<QString> texts;
        for (const CanvasOp& op : textsWhere([](QPointF p) { return p.y() == 265; }))
            texts.push_back(op.text);
        return texts;
    }
    std::vector<CanvasOp> blueLines() const {
        std::vector<CanvasOp> out;
        for (const CanvasOp& op : canvas.ops(Kind::Line))
            if (op.pen.color == QColor(0, 0, 255)) out.push_back(op);
        return out;
    }
};
}  // namespace

TEST_F(PumpCurveTest, EmptyChartStartsClearWithItsScaleAndAThickBlackFrame) {
    IniciaGrafic(canvas, image);
    const auto& ops = canvas.ops();
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[0].kind, Kind::Clear);
    EXPECT_EQ(ops[1].kind, Kind::Scale);
    EXPECT_EQ(ops[1].a, QPointF(-20, -10));
    EXPECT_EQ(ops[1].b, QPointF(310, 300));  // y grows downwards
    ASSERT_EQ(canvas.count(Kind::Box), 1);
    const CanvasOp frame = canvas.ops(Kind::Box)[0];
    EXPECT_EQ(frame.a, QPointF(0, 5));
    EXPECT_EQ(frame.b, QPointF(255, 260));
    EXPECT_EQ(frame.pen, (CanvasPen{Qt::black, 2, LineStyle::Solid}));
    EXPECT_EQ(canvas.lineWidth(), 2);  // left ready for the curve
}

TEST_F(PumpCurveTest, GridIsThinDottedLinesWithinTheFrame) {
    IniciaGrafic(canvas, image);
    const auto lines = canvas.ops(Kind::Line);
    EXPECT_EQ(lines.size(), 19u);  // ten across, nine up
    for (const CanvasOp& op : lines) {
        EXPECT_EQ(op.pen, (CanvasPen{Qt::black, 1, LineStyle::Dot}));
        EXPECT_TRUE(op.a.x() == op.b.x() || op.a.y() == op.b.y());
        for (QPointF p : {op.a, op.b}) {
            EXPECT_GE(p.x(), 0);
            EXPECT_LE(p.x(), 255);
            EXPECT_GE(p.y(), 5);
            EXPECT_LE(p.y(), 260);
        }
    }
}

TEST_F(PumpCurveTest, SpeedLabelsRunFromIdleToFullSpeedUnderTheFrame) {
    speeds(35, 120);  // a step of 8.5: halves round away from zero
    IniciaGrafic(canvas, image);
    EXPECT_EQ(speedLabels(), (std::vector<QString>{"35", "44", "52", "61", "69", "78", "86", "95",
                                                   "103", "112", "120"}));
}

TEST_F(PumpCurveTest, TextIsPlacedByWhitePointsThatLeaveNoMark) {
    speeds(35, 120);
    IniciaGrafic(canvas, image);
    const auto& ops = canvas.ops();
    int texts = 0;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind != Kind::Text) continue;
        ++texts;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(ops[i - 1].kind, Kind::Point);
        EXPECT_EQ(ops[i - 1].pen.color, QColor(255, 255, 255));
        EXPECT_EQ(ops[i - 1].a, ops[i].a);
    }
    EXPECT_EQ(texts, 21);  // eleven speeds, ten powers
}

TEST_F(PumpCurveTest, EqualSpeedsGiveElevenEqualLabelsAndZeroPrintsNothing) {
    speeds(60, 60);
    IniciaGrafic(canvas, image);
    EXPECT_EQ(speedLabels(), std::vector<QString>(11, "60"));

    canvas.forget();
    speeds(0, 100);
    IniciaGrafic(canvas, image);
    const auto labels = speedLabels();
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "");
    EXPECT_EQ(labels[1], "10");
    EXPECT_EQ(labels.back(), "100");

    canvas.forget();
    speeds(0, 0);
    IniciaGrafic(canvas, image);
    EXPECT_EQ(speedLabels(), std::vector<QString>(11, ""));
}

TEST_F(PumpCurveTest, PowerLabelsClimbFromHundredToThousandAtTheRight) {
    IniciaGrafic(canvas, image);
    std::vector<QString> texts;
    std::vector<double> ys;
    for (const CanvasOp& op : textsWhere([](QPointF p) { return p.x() == 258; })) {
        texts.push_back(op.text);
        ys.push_back(op.a.y());
    }
    EXPECT_EQ(texts, (std::vector<QString>{"100", "200", "300", "400", "500", "600", "700", "800",
                                           "900", "1000"}));
    EXPECT_EQ(ys, (std::vector<double>{226, 200.5, 175, 149.5, 124, 98.5, 73, 47.5, 22, -3.5}));
}

TEST_F(PumpCurveTest, CurveIsThirtyTwoThickBlueSegmentsFromAFlatStart) {
    image[kPumpLimitAddress] = 200;
    for (int k = 0; k < kPumpCurvePoints; ++k) image[kPumpCurveAddress + k] = 8 * k;
    PintaPump(canvas, image);
    const auto lines = blueLines();
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0].a, QPointF(0, PumpCurveHeight(0, 200)));
    EXPECT_EQ(lines[0].b, QPointF(7, PumpCurveHeight(0, 200)));
    for (int k = 0; k < kPumpCurvePoints; ++k) {
        EXPECT_EQ(lines[k].b, QPointF(7 + 8 * k, PumpCurveHeight(8 * k, 200))) << k;
        if (k > 0) {
            EXPECT_EQ(lines[k].a, lines[k - 1].b);
        }
        // Solid even though the grid left the style dotted.
        EXPECT_EQ(lines[k].pen, (CanvasPen{QColor(0, 0, 255), 2, LineStyle::Solid}));
    }
    EXPECT_EQ(lines.back().b.x(), 255);
    // The chart comes first, the curve over it.
    EXPECT_EQ(canvas.ops().front().kind, Kind::Clear);
    EXPECT_EQ(canvas.ops().back().pen.color, QColor(0, 0, 255));
}

TEST_F(PumpCurveTest, AllZeroCurveLiesOnTheBaseline) {
    curve(255, 0);
    PintaPump(canvas, image);
    for (const CanvasOp& op : blueLines()) {
        EXPECT_EQ(op.a.y(), 255);
        EXPECT_EQ(op.b.y(), 255);
    }
    EXPECT_EQ(blueLines().front().a.x(), 0);
    EXPECT_EQ(blueLines().back().b.x(), 255);
}

TEST_F(PumpCurveTest, FullLimitAndFullPointsRunJustBelowTheTop) {
    curve(255, 255);
    PintaPump(canvas, image);
    for (const CanvasOp& op : blueLines()) EXPECT_EQ(op.b.y(), 1);  // 0.996 rounded
}

TEST_F(PumpCurveTest, HalvesRoundToTheEvenHeight) {
    EXPECT_EQ(PumpCurveHeight(1, 128), 254);  // 254.5
    EXPECT_EQ(PumpCurveHeight(3, 128), 254);  // 253.5
    EXPECT_EQ(PumpCurveHeight(5, 128), 252);  // 252.5
    EXPECT_EQ(PumpCurveHeight(0, 0), 255);
    EXPECT_EQ(PumpCurveHeight(255, 255), 1);

    curve(128, 1);
    image[kPumpCurveAddress + 1] = 3;
    PintaPump(canvas, image);
    const auto lines = blueLines();
    EXPECT_EQ(lines[0].a.y(), 254);
    EXPECT_EQ(lines[1].b.y(), 254);
}
