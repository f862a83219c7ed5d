#include <gtest/gtest.h>

#include <QImage>

#include "ui/CanvasWidget.h"

using namespace norva;

namespace {

struct Dial {
    int faceDraws = 0;
    double needleAngle = 0;  // degrees, 0 pointing right

    void face(Canvas& c) {
        ++faceDraws;
        c.setBackColor(Qt::black);
        c.clear();
        c.scale(-100, -100, 200, 200);
        c.setLineWidth(4);
        c.filledBox(-100, 90, 100, 100, Qt::yellow);  // a band along the bottom edge
    }
    void needle(Canvas& c) const {
        c.setLineWidth(6);
        const double a = needleAngle * 3.1416 / 180;
        c.line(0, 0, 60 * std::cos(a), -60 * std::sin(a), Qt::red);
    }
};

}  // namespace

TEST(CanvasWidget, PiecesDrawnOnTheFaceStay) {
    CanvasWidget w;
    w.resize(100, 100);
    Canvas& chart = w.face();
    chart.clear();
    chart.scale(0, 0, 10, 10);
    chart.setLineWidth(3);
    chart.point(2, 2, Qt::blue);
    chart.point(7, 7, Qt::blue);  // a later point, drawn after a repaint could have happened
    (void)w.snapshot();
    chart.point(5, 5, Qt::red);
    const QImage img = w.snapshot();
    EXPECT_EQ(img.pixelColor(20, 20), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(70, 70), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(50, 50), QColor(Qt::red));
}
