// The pump chart: its labels from the unit's speeds, and the curve from the pump points.
#include <gtest/gtest.h>

#include <array>

#include "params/PumpCurve.h"
#include "protocol/AddressMap.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using namespace norva::params;
using Kind = CanvasOp::Kind;

namespace {
constexpr int kPumpLimitAddress = 80;

std::vector<QString> SpeedLabels(const RecordingCanvas& canvas) {
    std::vector<QString> texts;
    for (const CanvasOp& op : canvas.ops(Kind::Text))
        if (op.a.y() == 265) texts.push_back(op.text);
    return texts;
}
std::vector<CanvasOp> BlueLines(const RecordingCanvas& canvas) {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : canvas.ops(Kind::Line))
        if (op.pen.color == QColor(0, 0, 255)) out.push_back(op);
    return out;
}
}  // namespace

TEST(PumpCurve, SpeedLabelsRunFromIdleToFullSpeed) {
    const auto labels = [](int idle, int full) {
        std::array<uint8_t, 257> image{};
        image[cell::kIdleSpeed] = uint8_t(idle);
        image[cell::kFullSpeed] = uint8_t(full);
        RecordingCanvas canvas{{313, 249}};
        IniciaGrafic(canvas, image);
        return SpeedLabels(canvas);
    };
    // A step of 8.5: halves round away from zero.
    EXPECT_EQ(labels(35, 120), (std::vector<QString>{"35", "44", "52", "61", "69", "78", "86", "95",
                                                     "103", "112", "120"}));
    EXPECT_EQ(labels(60, 60), std::vector<QString>(11, "60"));
    EXPECT_EQ(labels(0, 100).front(), "");  // zero prints nothing
    EXPECT_EQ(labels(0, 0), std::vector<QString>(11, ""));
}

TEST(PumpCurve, ThirtyTwoSegmentsFromAFlatStartWithHalvesToTheEvenHeight) {
    std::array<uint8_t, 257> image{};
    image[kPumpLimitAddress] = 200;
    for (int k = 0; k < kPumpCurvePoints; ++k) image[cell::kPumpCurveFirst + k] = uint8_t(8 * k);
    RecordingCanvas canvas{{313, 249}};
    PintaPump(canvas, image);
    const auto lines = BlueLines(canvas);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0].a, QPointF(0, lines[0].b.y()));  // flat from the left edge
    EXPECT_EQ(lines.back().b.x(), 255);
    for (size_t k = 1; k < lines.size(); ++k) EXPECT_EQ(lines[k].a, lines[k - 1].b);
    EXPECT_EQ(lines[0].pen.style, LineStyle::Solid);  // whatever the grid left

    EXPECT_EQ(PumpCurveHeight(1, 128), 254);  // 254.5
    EXPECT_EQ(PumpCurveHeight(3, 128), 254);  // 253.5
    EXPECT_EQ(PumpCurveHeight(5, 128), 252);  // 252.5
    EXPECT_EQ(PumpCurveHeight(0, 0), 255);    // on the baseline
    EXPECT_EQ(PumpCurveHeight(255, 255), 1);  // just below the top
}
