#include "params/ParametersWindow.h"

#include <QResizeEvent>

#include "link/Link.h"
#include "params/PumpCurve.h"

namespace norva::params {

namespace {
// Metric-compatible stand-in for the design's sans-serif font.
const QString kSans = QStringLiteral("Liberation Sans");
constexpr double kLinePoints = 8;
constexpr double kLargePoints = 14;  // status and welcome lines
constexpr double kChartPoints = 7;   // chart labels: three digits fit between grid lines

// The caption sits in the frame's top edge, as in the design, so the first line at 240 twips
// clears the border rather than running into it.
const QString kFrameStyle = QStringLiteral(
    "QGroupBox { border: 1px solid rgb(160,160,160); margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");

constexpr double kLineLeft = 120;
constexpr double kLineHeight = 252;
constexpr double kLineStep = 240;
constexpr double kFirstLineTop = 240;
constexpr double kLargeHeight = 372;

struct FramePlace {
    Frame frame;
    TwipRect rect;
};
const FramePlace kFrames[] = {
    {Frame::Status, {120, 120, 3372, 1452}},   {Frame::Welcome, {120, 1680, 3372, 1092}},
    {Frame::Start, {120, 3000, 3132, 2652}},   {Frame::GasStart, {120, 5880, 3132, 1932}},
    {Frame::LastRun, {3600, 120, 2772, 2652}}, {Frame::Kerosene, {3600, 3000, 2772, 2652}},
    {Frame::Radio, {6600, 120, 2652, 2652}},   {Frame::Pump, {6600, 3000, 5652, 4812}},
    {Frame::Run, {9480, 120, 2772, 2652}},
};

const TwipRect& FrameRect(Frame frame) {
    for (const FramePlace& p : kFrames)
        if (p.frame == frame) return p.rect;
    return kFrames[0].rect;
}
}  // namespace

ParametersWindow::ParametersWindow(Link& link, QWidget* parent)
    : QWidget(parent, Qt::Window),
      link_(link),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("Parameters"));
    setFont(QFont(kSans));
    setStyleSheet(kFrameStyle);
    buildControls();
    resize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
    layout_.apply(size());

    Timer1.setInterval(kRefreshMs);
    connect(&Timer1, &QTimer::timeout, this, &ParametersWindow::Refresh);
    Refresh();
    Timer1.start();
}

ParametersWindow::~ParametersWindow() = default;

QLabel* ParametersWindow::addLine(Frame frame, const char* control, const TwipRect& place,
                                  double points) {
    auto* label = new QLabel(this->frame(frame));
    label->setObjectName(QString::fromLatin1(control));
    label->setFont(QFont(kSans));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labels_.insert(label->objectName(), label);
    layout_.add(label, place, points);
    return label;
}

void ParametersWindow::buildControls() {
    for (const FramePlace& p : kFrames) {
        auto* box = new QGroupBox(FrameCaption(p.frame), this);
        box->setFont(QFont(kSans));
        frames_[static_cast<int>(p.frame)] = box;
        layout_.add(box, p.rect, kLinePoints);
    }

    Label61 = addLine(Frame::Status, "Label61", {120, 480, 3132, kLargeHeight}, kLargePoints);
    // The status colour fills the line behind its text.
    Label61->setAutoFillBackground(true);
    Label40 = addLine(Frame::Welcome, "Label40", {120, 240, 3204, kLargeHeight}, kLargePoints);
    Label41 = addLine(Frame::Welcome, "Label41", {120, 600, 3204, kLargeHeight}, kLargePoints);

    addLine(Frame::Pump, "Label51", {480, 360, 1932, kLineHeight}, kLinePoints);
    addLine(Frame::Pump, "Label52", {2400, 360, 1932, kLineHeight}, kLinePoints);
    // The ordinary lines stack down their frame, one line step apart, in the summary's order.
    std::array<double, kFrameCount> top;
    top.fill(kFirstLineTop);
    for (const LinePlace& line : SummaryLinePlaces()) {
        if (labels_.contains(QString::fromLatin1(line.control))) continue;  // placed above
        const double width = FrameRect(line.frame).width - 2 * kLineLeft;
        double& y = top[static_cast<int>(line.frame)];
        addLine(line.frame, line.control, {kLineLeft, y, width, kLineHeight}, kLinePoints);
        y += kLineStep;
    }

    Picture1 = new CanvasWidget(frame(Frame::Pump));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Pump curve"));
    layout_.add(Picture1, {240, 720, 4692, 3732});
    Picture1->setFaceDrawing([this](Canvas& c) {
        c.setBackColor(Qt::white);
        c.setFont({kSans, kChartPoints * layout_.factors().kf, false});
        PintaPump(c, link_.BackupImage);
    });
}

void ParametersWindow::Refresh() {
    const Summary summary = MakeSummary(SummaryInputOf(link_));

    Label61->setText(summary.status);
    QPalette palette = Label61->palette();
    palette.setColor(QPalette::Window, summary.statusColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    Label61->setPalette(palette);
    for (int f = 0; f < kFrameCount; ++f)
        if (static_cast<Frame>(f) != Frame::Status) frames_[f]->setVisible(summary.frameVisible[f]);

    for (const SummaryLine& line : summary.lines) {
        QLabel* shown = label(QString::fromLatin1(line.control));
        if (!shown) continue;
        shown->setText(line.text);
        // The layout follows the unit's kind both ways: a unit plugged in after another, or
        // a stream whose direction is found again after a loss, must not leave gaps.
        shown->setHidden(line.hidden);
    }

    Picture1->redrawFace();
}

void ParametersWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.apply(event->size());
}

}  // namespace norva::params
