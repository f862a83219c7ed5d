#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "ui/PainterCanvas.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using Kind = CanvasOp::Kind;

TEST(CanvasRecording, CurrentPositionFollowsPointsLinesAndBoxes) {
    RecordingCanvas c;
    c.scale(0, 0, 100, 100);
    c.point(10, 20);
    c.lineTo(30, 40);
    c.lineTo(50, 40, Qt::blue);
    EXPECT_EQ(c.currentPosition(), QPointF(50, 40));
    c.box(0, 5, 25, 26);
    EXPECT_EQ(c.currentPosition(), QPointF(25, 26));
    c.filledBox(0, 100, 200, 55, Qt::red);
    c.moveTo(7, 8);
    c.lineTo(9, 9);
    c.clear();
    EXPECT_EQ(c.currentPosition(), QPointF(0, 0));

    const auto lines = c.ops(Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].a, QPointF(10, 20));
    EXPECT_EQ(lines[0].b, QPointF(30, 40));
    EXPECT_EQ(lines[1].a, QPointF(30, 40));
    EXPECT_EQ(lines[1].pen.color, QColor(Qt::blue));
    EXPECT_EQ(lines[2].a, QPointF(7, 8));
    const auto fills = c.ops(Kind::FilledBox);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].b, QPointF(200, 55));
    EXPECT_EQ(fills[0].pen.color, QColor(Qt::red));
    EXPECT_EQ(c.count(Kind::Box), 1);
}

TEST(CanvasRecording, DottedOnlyOnThinLines) {
    RecordingCanvas c;
    c.setLineStyle(LineStyle::Dot);
    c.line(0, 0, 1, 1);
    c.setLineWidth(2);
    c.line(0, 0, 1, 1);
    const auto lines = c.ops(Kind::Line);
    EXPECT_EQ(lines[0].pen.style, LineStyle::Dot);
    EXPECT_EQ(lines[1].pen.style, LineStyle::Solid);
    EXPECT_EQ(c.lineStyle(), LineStyle::Dot);  // the setting stays for the next thin line
}

TEST(CanvasRecording, PrintMovesToTheNextLineAndPrintOnAlongIt) {
    RecordingCanvas c({310, 300});
    c.scale(-20, -10, 310, 300);
    c.moveTo(40, 50);
    const double h = c.textHeight("100");
    const double w = c.textWidth("100");
    EXPECT_GT(h, 0);
    EXPECT_GT(w, 0);
    c.printOn("100");
    EXPECT_DOUBLE_EQ(c.currentPosition().x(), 40 + w);
    EXPECT_DOUBLE_EQ(c.currentPosition().y(), 50);
    c.print("x");
    EXPECT_DOUBLE_EQ(c.currentPosition().x(), -20);
    EXPECT_DOUBLE_EQ(c.currentPosition().y(), 50 + h);

    // With the y axis running upwards the next line is lower on the area, so y decreases;
    // sizes stay positive.
    c.scale(0, 300, 310, -300);
    c.moveTo(0, 200);
    EXPECT_DOUBLE_EQ(c.textHeight("x"), h);
    c.print("x");
    EXPECT_DOUBLE_EQ(c.currentPosition().y(), 200 - h);
}

TEST(CanvasRecording, ZeroScaleIsRefused) {
    RecordingCanvas c;
    c.scale(0, 0, 200, 100);
    c.scale(0, 0, 0, 100);
    EXPECT_EQ(c.userScale(), (UserScale{0, 0, 200, 100}));
    EXPECT_EQ(c.count(Kind::Scale), 1);
}

TEST(CanvasPainter, FilledBoxLineAndPointLandWhereTheScaleSays) {
    ImageCanvas c(QSize(200, 100));
    c.setBackColor(Qt::white);
    c.clear();
    // y runs upwards: user y 0 is the bottom row.
    c.scale(0, 100, 200, -100);
    c.filledBox(0, 0, 50, 20, Qt::red);
    c.setLineWidth(3);
    c.line(100, 50, 190, 50, Qt::blue);
    c.setLineWidth(4);
    c.point(20, 80, Qt::green);
    const QImage& img = c.image();
    EXPECT_EQ(img.pixelColor(25, 90), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(25, 10), QColor(Qt::white));  // top left is empty
    EXPECT_EQ(img.pixelColor(150, 49), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(150, 56), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(20, 20), QColor(Qt::green));
}

TEST(CanvasPainter, NegativeWidthRunsRightToLeft) {
    ImageCanvas c(QSize(100, 100));
    c.clear();
    c.scale(100, 0, -100, 100);
    c.filledBox(0, 0, 30, 100, Qt::black);
    EXPECT_EQ(c.image().pixelColor(85, 50), QColor(Qt::black));
    EXPECT_EQ(c.image().pixelColor(15, 50), QColor(Qt::white));
}

TEST(CanvasPainter, EmptyBarDrawsNothing) {
    ImageCanvas c(QSize(20, 100));
    c.clear();
    c.scale(0, 0, 200, 100);
    c.filledBox(0, 100, 200, 100, Qt::red);
    EXPECT_EQ(c.image().pixelColor(10, 99), QColor(Qt::white));
    c.filledBox(0, 100, 200, 0, Qt::red);
    EXPECT_EQ(c.image().pixelColor(10, 0), QColor(Qt::red));
}

TEST(CanvasPainter, HighDpiImageKeepsLogicalCoordinates) {
    ImageCanvas c(QSize(100, 50), 2);
    c.clear();
    c.scale(0, 0, 100, 50);
    c.filledBox(50, 0, 100, 50, Qt::black);
    const QImage& img = c.image();
    EXPECT_EQ(img.size(), QSize(200, 100));
    EXPECT_EQ(img.pixelColor(150, 50), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(90, 50), QColor(Qt::white));
}

TEST(CanvasPainter, TakesTheLogicalSizeOfAnImageItIsGiven) {
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas c(painter);
    EXPECT_EQ(c.areaPixels(), QSizeF(100, 50));
    c.scale(0, 0, 1, 1);
    c.filledBox(0.5, 0, 1, 1, Qt::black);
    painter.end();
    EXPECT_EQ(image.pixelColor(150, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white));
}

TEST(CanvasPrinting, PenAndTextScaleWithTheResolution) {
    // One inch square: 96 screen pixels, 1200 device pixels.
    QImage page(1200, 1200, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    PainterCanvas paper(painter, QSizeF(1200, 1200), 12.5);
    paper.scale(0, 0, 100, 100);
    paper.setLineWidth(2);  // 2 screen pixels = 25 device pixels
    paper.line(50, 0, 50, 100, Qt::black);
    painter.end();
    EXPECT_EQ(page.pixelColor(600 - 10, 600), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(600 + 10, 600), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(600 - 16, 600), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(600 + 16, 600), QColor(Qt::white));

    ImageCanvas screen(QSize(96, 96));
    screen.scale(0, 0, 100, 100);
    QImage other(1200, 1200, QImage::Format_ARGB32_Premultiplied);
    QPainter p2(&other);
    PainterCanvas paper2(p2, QSizeF(1200, 1200), 12.5);
    paper2.scale(0, 0, 100, 100);
    for (Canvas* c : {static_cast<Canvas*>(&screen), static_cast<Canvas*>(&paper2)}) {
        c->setFont({"Arial", 10, false});
    }
    // The same text takes the same share of the page as of the screen area.
    EXPECT_NEAR(paper2.textHeight("NORVA System"), screen.textHeight("NORVA System"),
                screen.textHeight("NORVA System") * 0.15);
    EXPECT_NEAR(paper2.textWidth("NORVA System"), screen.textWidth("NORVA System"),
                screen.textWidth("NORVA System") * 0.15);
}

TEST(CanvasPrinting, PdfPrinterTakesItsResolution) {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(1200);
    {
        QPainter painter(&printer);
        PainterCanvas page(painter);
        EXPECT_DOUBLE_EQ(page.unitPixels(), 12.5);
        page.scale(-500, -500, 3500, 8000);
        page.setFont({"Arial", 18, false});
        page.moveTo(150, -300);
        page.print("NORVA System");
        page.setLineWidth(2);
        page.box(0, 50, 2380, 2600);
        // Text is as tall on paper as on a screen: 18 points is a quarter inch.
        const double inches = page.textHeight("N") / 8000 * printer.height() / 1200.0;
        EXPECT_GT(inches, 0.2);
        EXPECT_LT(inches, 0.45);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}
