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

    // A negative width runs right to left; an empty bar draws nothing.
    ImageCanvas bar(QSize(100, 100));
    bar.clear();
    bar.scale(100, 0, -100, 100);
    bar.filledBox(0, 0, 30, 100, Qt::black);
    bar.filledBox(0, 100, 100, 100, Qt::red);
    EXPECT_EQ(bar.image().pixelColor(85, 50), QColor(Qt::black));
    EXPECT_EQ(bar.image().pixelColor(15, 50), QColor(Qt::white));
    EXPECT_EQ(bar.image().pixelColor(50, 99), QColor(Qt::white));
}

TEST(CanvasPainter, HighDpiImagesKeepLogicalCoordinates) {
    ImageCanvas c(QSize(100, 50), 2);
    c.clear();
    c.scale(0, 0, 100, 50);
    c.filledBox(50, 0, 100, 50, Qt::black);
    EXPECT_EQ(c.image().size(), QSize(200, 100));
    EXPECT_EQ(c.image().pixelColor(150, 50), QColor(Qt::black));
    EXPECT_EQ(c.image().pixelColor(90, 50), QColor(Qt::white));
    // A painter on such an image: the canvas takes the image's logical size.
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas given(painter);
    EXPECT_EQ(given.areaPixels(), QSizeF(100, 50));
}

TEST(CanvasPrinting, PenScalesWithTheResolution) {
    // One inch square: 96 screen pixels, 1200 device pixels.
    QImage page(1200, 1200, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    PainterCanvas paper(painter, QSizeF(1200, 1200), 12.5);
    paper.scale(0, 0, 100, 100);
    paper.setLineWidth(2);  // 2 screen pixels = 25 device pixels
    paper.line(50, 0, 50, 100, Qt::black);
    painter.end();
    for (int dx : {-10, 10}) EXPECT_EQ(page.pixelColor(600 + dx, 600), QColor(Qt::black)) << dx;
    for (int dx : {-16, 16}) EXPECT_EQ(page.pixelColor(600 + dx, 600), QColor(Qt::white)) << dx;
}

TEST(CanvasPrinting, PdfPrinterTakesItsResolutionAndTextIsAsTallAsOnAScreen) {
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
        // 18 points is a quarter inch.
        const double inches = page.textHeight("N") / 8000 * printer.height() / 1200.0;
        EXPECT_GT(inches, 0.2);
        EXPECT_LT(inches, 0.45);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}
