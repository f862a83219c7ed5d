#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "ui/PainterCanvas.h"

using namespace norva;

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
