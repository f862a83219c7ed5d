#include "params/PumpCurve.h"

#include <QColor>
#include <QString>
#include <cmath>

#include "base/NumberText.h"

namespace norva::params {

namespace {
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kCurveBlue(0, 0, 255);

constexpr double kFrameLeft = 0;
constexpr double kFrameTop = 5;
constexpr double kFrameRight = 255;
constexpr double kFrameBottom = 260;
constexpr double kBaseline = 255;
constexpr double kSpeedLabelY = 265;
constexpr double kPowerLabelX = 258;

// Text goes where the current position is; a white point on the white background moves it
// there without leaving a mark.
void PrintAt(Canvas& canvas, double x, double y, const std::string& text) {
    canvas.point(x, y, kWhite);
    canvas.print(QString::fromStdString(text));
}
}  // namespace

void IniciaGrafic(Canvas& canvas, std::span<const uint8_t> image) {
    canvas.clear();
    canvas.scale(kPumpChartScale);
    canvas.setForeColor(kBlack);  // frame, grid and labels

    canvas.setLineWidth(2);
    canvas.box(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);

    canvas.setLineWidth(1);
    const double idle = Stored(image, Field::IdleSpeed);
    const double step = (Stored(image, Field::FullSpeed) - idle) / 10.0;
    double value = idle;
    canvas.setLineStyle(LineStyle::Dot);

    // Speed labels under the frame, idle at the left edge; a grid line at each one after it.
    PrintAt(canvas, -6, kSpeedLabelY, FormatNumber(value, "###"));
    value += step;
    for (double x = 25; x <= 255; x += 25.5) {
        PrintAt(canvas, x - 6, kSpeedLabelY, FormatNumber(value, "###"));
        value += step;
        canvas.line(x, kFrameTop, x, kFrameBottom);
    }

    // Power labels at the right, 100 at the bottom grid line up to 1000 at the top edge.
    int label = 100;
    double y = 234;
    for (; y >= 10; y -= 25.5) {
        PrintAt(canvas, kPowerLabelX, y - 8, FormatNumber(label, "#0"));
        label += 100;
        canvas.line(kFrameLeft, y, 254, y);
    }
    PrintAt(canvas, kPowerLabelX, y - 8, FormatNumber(label, "#0"));

    canvas.setLineWidth(2);
}

namespace {
// nearbyint in the default rounding mode: halves go to the even neighbour.
double ChartY(double height) {
    return std::nearbyint(kBaseline - height);
}
}  // namespace

double PumpCurveHeight(int value, int pumpLimit) {
    return ChartY(static_cast<double>(value) * pumpLimit / 256.0);
}

void PintaPump(Canvas& canvas, std::span<const uint8_t> image) {
    IniciaGrafic(canvas, image);
    // A flat start from the left edge to the first point, at the first point's height.
    canvas.moveTo(0, ChartY(PumpCurvePoint(image, 0).height));
    canvas.setLineWidth(2);
    for (int k = 0; k < kPumpCurvePoints; ++k) {
        const CurvePoint p = PumpCurvePoint(image, k);
        canvas.lineTo(p.x, ChartY(p.height), kCurveBlue);
    }
}

}  // namespace norva::params
