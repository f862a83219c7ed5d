#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

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

TEST(TwipLayoutWidgets, MovesResizesAndSetsFonts) {
    QWidget window;
    auto* label = new QLabel("R.P.M.", &window);
    auto* check = new QCheckBox("Power", &window);
    TwipLayout layout(QSizeF(6000, 3000));
    layout.add(label, {1500, 300, 3000, 600}, 10);
    layout.add(check, {1500, 1500, 1500, 300}, 8, TwipMode::VerticalOnly);

    const TwipFactors k = layout.apply(QSize(800, 200));  // 12000 x 3000 twips
    EXPECT_DOUBLE_EQ(k.kx, 2);
    EXPECT_DOUBLE_EQ(k.ky, 1);
    EXPECT_EQ(label->geometry(), QRect(200, 20, 400, 40));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10);
    EXPECT_EQ(check->geometry(), QRect(100, 100, 100, 20));
    EXPECT_DOUBLE_EQ(check->font().pointSizeF(), 8);

    layout.apply(QSize(40, 20));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 2);
    EXPECT_DOUBLE_EQ(check->font().pointSizeF(), 1.6);
}

TEST(TwipLayoutWidgets, ControlsWithoutFontKeepTheirsAndGoneControlsAreSkipped) {
    QWidget window;
    auto* area = new QWidget(&window);
    QFont font = area->font();
    font.setPointSizeF(11);
    area->setFont(font);
    auto* gone = new QLabel(&window);
    TwipLayout layout(QSizeF(1500, 1500), FontRule::Horizontal);
    layout.add(area, {0, 0, 750, 750});
    layout.add(gone, {0, 0, 750, 750}, 9);
    delete gone;
    layout.apply(QSize(200, 200));
    EXPECT_EQ(area->geometry(), QRect(0, 0, 100, 100));
    EXPECT_DOUBLE_EQ(area->font().pointSizeF(), 11);
}
