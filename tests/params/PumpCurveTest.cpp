// The pump chart's speed labels, from the unit's idle and full speeds. The curve: the
// parameters window's chart.
#include <gtest/gtest.h>

#include <array>

#include "params/PumpCurve.h"
#include "protocol/AddressMap.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using namespace norva::params;
using Kind = CanvasOp::Kind;

namespace {
std::vector<QString> SpeedLabels(const RecordingCanvas& canvas) {
    std::vector<QString> texts;
    for (const CanvasOp& op : canvas.ops(Kind::Text))
        if (op.a.y() == 265) texts.push_back(op.text);
    return texts;
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
