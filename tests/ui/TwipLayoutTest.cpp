#include <gtest/gtest.h>

#include "ui/TwipLayout.h"

using namespace norva;

TEST(TwipLayoutArithmetic, KeysThatMeetAtDesignStillMeetWhenScaled) {
    // Four keys 800 twips apart, 800 wide: edge rounding leaves no gap or overlap.
    for (double width : {8000.0, 9100.0, 12345.0, 1700.0}) {
        const TwipFactors k = LayoutFactors({width, 5940}, {8000, 5940}, FontRule::Smaller);
        for (int i = 0; i < 3; ++i) {
            const QRect a =
                PlaceControl({624.0 + 800 * i, 4100, 800, 400}, 8, TwipMode::Both, k).rect;
            const QRect b =
                PlaceControl({624.0 + 800 * (i + 1), 4100, 800, 400}, 8, TwipMode::Both, k).rect;
            EXPECT_EQ(a.right() + 1, b.left()) << "width " << width << " key " << i;
        }
    }
}
