#include "perfchart/PerformanceChartWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QSaveFile>

#include "base/NumberText.h"
#include "base/Platform.h"
#include "link/Link.h"
#include "ui/Contrast.h"
#include "ui/Dialogs.h"

namespace norva {

namespace {

const QString kFilter = QStringLiteral("Norva Measures(*.nvm)|*.nvm");
const QString kSans = QStringLiteral("Liberation Sans");
constexpr double kLabelPoints = 10;

// Working files of programs no longer running are left over from a crash: removed.
void RemoveStaleFiles(const QString& folder) {
    for (const QFileInfo& f :
         QDir(folder).entryInfoList({QStringLiteral("*-*.nvm")}, QDir::Files)) {
        bool ok = false;
        const qint64 pid = f.completeBaseName().section('-', -1).toLongLong(&ok);
        if (ok && pid != QCoreApplication::applicationPid() && ProcessGone(pid))
            QFile::remove(f.filePath());
    }
}

// A whole copy through a temporary file: an earlier file of that name stays as it was when the
// copy fails.
bool CopyFile(const QString& from, const QString& to, std::string& error) {
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly) ||
        out.write(in.readAll()) < 0 || !out.commit()) {
        const QString why =
            in.error() != QFileDevice::NoError ? in.errorString() : out.errorString();
        error =
            (to + PerformanceChartWindow::tr(": the measures could not be copied there: ") + why)
                .toStdString();
        return false;
    }
    return true;
}

struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};

Task<> SaveTask(Dialogs& dialogs, QPointer<PerformanceChartWindow> window) {
    const FileRequest request(QString(), kFilter, QStringLiteral("nvm"), {}, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty() || !window) co_return;
    ChartRun& run = window->run();
    run.closeFile();
    run.stop();
    std::string error;
    const bool copied = CopyFile(run.present(), path, error);
    std::string reopenError;
    if (!run.reopen(reopenError)) error += (copied ? "" : "\n") + reopenError;
    run.start();
    if (!error.empty())
        co_await dialogs.message(QString::fromStdString(error), {}, MessageIcon::Warning);
}

// The measure file the user chooses and its records, read whole; no records when cancelled or
// refused (told by `refused`, the sentence of what was not done with the reason as its %1).
// `dialogs` is the program's and lives as long as it.
struct ChosenMeasures {
    QString path;
    std::optional<std::vector<MeasureRecord>> records;
};
Task<ChosenMeasures> ChooseMeasureFile(Dialogs& dialogs, QString refused) {
    ChosenMeasures chosen;
    chosen.path = co_await dialogs.openFile(FileRequest(QString(), kFilter, QStringLiteral("nvm")));
    if (chosen.path.isEmpty()) co_return chosen;
    std::string error;
    chosen.records = ReadMeasureFile(chosen.path.toStdString(), error);
    if (!chosen.records)
        co_await dialogs.message(refused.arg(QString::fromStdString(error)), {},
                                 MessageIcon::Warning);
    co_return chosen;
}

Task<> DisplayTask(Dialogs& dialogs, QPointer<PerformanceChartWindow> window) {
    window->run().closeFile();  // recording stays off, even when the dialog is cancelled
    const ChosenMeasures chosen = co_await ChooseMeasureFile(
        dialogs, PerformanceChartWindow::tr("%1. Nothing of it was drawn."));
    const auto& records = chosen.records;
    if (!records || !window) co_return;
    PlotMemory& m = window->memory();
    m.prevRpmY = m.prevEgtY = m.prevThrustY = 260;
    m.prevThrustX = 0;
    const BusyPointer busy;
    Canvas& canvas = window->Picture1->face();
    const ChartScales scales = window->scales();
    for (const MeasureRecord& r : *records) PintaPunt(canvas, scales, m, r);
    // The last record's thrust stays typed, as if entered for the next tick.
    if (!records->empty()) window->run().ManualThrust = records->back().thrust;
}

Task<> PrintTask(Dialogs& dialogs, QPointer<PerformanceChartWindow> window) {
    auto printer = co_await dialogs.selectPrinter();
    if (!window) co_return;
    // A cancelled printer choice prints on the default printer.
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    window->run().closeFile();
    const ChosenMeasures chosen =
        co_await ChooseMeasureFile(dialogs, PerformanceChartWindow::tr("%1. Nothing was printed."));
    const auto& records = chosen.records;
    const QString& path = chosen.path;
    if (!records || !window) co_return;
    bool printed = false;
    {
        const BusyPointer busy;
        printed =
            PrintMeasurePage(*printer, window->scales(), *records, path, window->memory().prevX);
    }
    if (!printed)
        co_await dialogs.message(PerformanceChartWindow::tr("The printer could not be opened."), {},
                                 MessageIcon::Warning);
}

Task<> CalibrateTask(Dialogs& dialogs, Config& settings, QString settingsPath, float fullSpeed) {
    const QString answer = co_await dialogs.inputBox(
        PerformanceChartWindow::tr("Thrust Calibration"),
        PerformanceChartWindow::tr("Input the correction value"),
        QString::fromStdString(PlainNumberText(settings.ThrustCalibration)));
    const auto value = ParseNumber(answer.toStdString());
    if (!value) co_return;  // cancelled, or not a number: the old value stays
    settings.ThrustCalibration = static_cast<float>(*value);
    GuardaConfig(settingsPath, settings, fullSpeed);
}

}  // namespace

PerformanceChartWindow::PerformanceChartWindow(Link& link, Dialogs& dialogs, Config& settings,
                                               QString settingsPath, QString folder,
                                               QWidget* parent)
    : QMainWindow(parent),
      link_(link),
      dialogs_(dialogs),
      settings_(settings),
      settingsPath_(std::move(settingsPath)),
      folder_(std::move(folder)),
      run_(link, settings, workFile("present")),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("NORVA Graphic"));
    RemoveStaleFiles(folder_);
    buildControls();
    const Geometry g = ReadChartGeometry(settingsPath_, "Form4");
    resize(TwipsToPixels(g.Width), TwipsToPixels(g.Height));
    move(TwipsToPixels(g.Left), TwipsToPixels(g.Top));
    ClearGraph();
    Text1->setFocus();
    connect(&run_, &ChartRun::ticked, this, &PerformanceChartWindow::plot);
    connect(&run_, &ChartRun::recordFailed, this,
            [this](const QString& error) { dialogs_.notify(error, {}, MessageIcon::Warning); });
    run_.start();
}

PerformanceChartWindow::~PerformanceChartWindow() {
    run_.closeFile();
    QFile::remove(workFile("dummy"));
}

QString PerformanceChartWindow::workFile(const char* name) const {
    return QDir(folder_).filePath(
        QStringLiteral("%1-%2.nvm").arg(name).arg(QCoreApplication::applicationPid()));
}

ChartScales PerformanceChartWindow::scales() const {
    return {settings_.NorvaType == "P", static_cast<float>(link_.PressureFactor),
            link_.GaugeFullSpeed};
}

void PerformanceChartWindow::buildControls() {
    auto* area = new QWidget;
    setCentralWidget(area);
    // The window's font is its controls'; the menus keep the system's menu font.
    area->setFont(QFont(kSans));
    Picture1 = new CanvasWidget(area);
    Picture1->setFaceDrawing([this](Canvas& c) { Redibuixa(c); });
    Label2 = new QLabel(QStringLiteral("R.P.M.x1000"), area);
    Label3 = new QLabel(tr("E.G.T.(ºC)"), area);
    Label1 =
        new QLabel(settings_.NorvaType == "P" ? tr("Pressure (Bar)") : QStringLiteral("RPM"), area);
    Label4 = new QLabel(tr("Thrust (N)"), area);
    Label5 = new QLabel(tr("Thrust(N)"), area);
    Text1 = new QLineEdit(area);
    // The curves' own colours, made readable on the desktop's background.
    const QColor behind = area->palette().color(QPalette::Window);
    for (const auto& [label, colour] : {std::pair{Label2, QColor(0, 0, 255)},
                                        {Label3, QColor(255, 0, 0)},
                                        {Label4, QColor(0, 192, 0)}})
        label->setStyleSheet(QStringLiteral("color: %1;").arg(ReadableOn(colour, behind).name()));
    layout_.add(Picture1, {192, 480, 8316, 4440});
    Picture1->setAccessibleName(tr("Performance chart"));
    Label5->setBuddy(Text1);  // names the thrust field for screen readers
    layout_.add(Label2, {48, 144, 1452, 300}, kLabelPoints);
    layout_.add(Label3, {7488, 240, 1020, 252}, kLabelPoints);
    layout_.add(Label1, {3552, 4992, 1962, 372}, kLabelPoints);
    layout_.add(Label4, {8112, 4944, 1116, 252}, kLabelPoints);
    layout_.add(Label5, {1440, 5136, 1212, 348}, kLabelPoints);
    layout_.add(Text1, {480, 5088, 876, 348}, kLabelPoints);
    connect(Text1, &QLineEdit::returnPressed, this, [this] {
        run_.ManualThrust =
            static_cast<float>(LeadingNumber(Text1->text().toStdString()).value_or(0));
        Text1->clear();
    });

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save measures to file"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &PerformanceChartWindow::SaveMeasures);
    QAction* display = file->addAction(tr("&Display measures from file"));
    display->setShortcut(QKeySequence::Open);
    connect(display, &QAction::triggered, this, &PerformanceChartWindow::DisplayMeasures);
    QAction* print = file->addAction(tr("&Print measures from File"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &PerformanceChartWindow::PrintMeasures);
    connect(file->addAction(tr("&Clear Graph")), &QAction::triggered, this,
            &PerformanceChartWindow::ClearGraph);
    connect(file->addAction(tr("&Exit")), &QAction::triggered, this, &QWidget::close);
    QMenu* thrust = menuBar()->addMenu(tr("&Thrust"));
    // Present in the design, with nothing behind them: thrust is typed.
    thrust->addAction(tr("Manual"));
    thrust->addAction(tr("Auxiliar input"));
    connect(thrust->addAction(tr("Calibrate")), &QAction::triggered, this,
            &PerformanceChartWindow::Calibrate);
    connect(thrust->addAction(tr("Zero")), &QAction::triggered, this,
            &PerformanceChartWindow::Zero);
}

void PerformanceChartWindow::plot(const MeasureRecord& point) {
    PintaPunt(Picture1->face(), scales(), memory_, point);
}

void PerformanceChartWindow::ClearGraph() {
    drawChart(Picture1->face(), {});
    std::string error;
    if (!run_.newRun(error))
        dialogs_.notify(QString::fromStdString(error), {}, MessageIcon::Warning);
}

void PerformanceChartWindow::drawChart(Canvas& canvas, const std::vector<MeasureRecord>& records) {
    canvas.setBackColor(Qt::white);
    canvas.setFont(ChartFont(layout_.factors().kf));
    ReplayChart(canvas, scales(), memory_, records);
}

void PerformanceChartWindow::Redibuixa(Canvas& canvas) {
    const bool wasRunning = run_.running();
    run_.stop();
    run_.closeFile();
    if (!QFile::exists(run_.present())) {
        QFile create(run_.present());
        QDir().mkpath(folder_);
        create.open(QIODevice::WriteOnly);
    }
    // The replay reads a copy, so the current file is never open twice.
    const QString dummy = workFile("dummy");
    QFile::remove(dummy);
    QFile::copy(run_.present(), dummy);
    std::string error;
    drawChart(canvas,
              ReadMeasureFile(dummy.toStdString(), error).value_or(std::vector<MeasureRecord>{}));
    run_.reopen(error);
    if (wasRunning) run_.start();
}

void PerformanceChartWindow::SaveMeasures() {
    if (!task_.done()) return;
    task_ = SaveTask(dialogs_, QPointer<PerformanceChartWindow>(this));
    task_.start();
}

void PerformanceChartWindow::DisplayMeasures() {
    if (!task_.done()) return;
    task_ = DisplayTask(dialogs_, QPointer<PerformanceChartWindow>(this));
    task_.start();
}

void PerformanceChartWindow::PrintMeasures() {
    if (!task_.done()) return;
    task_ = PrintTask(dialogs_, QPointer<PerformanceChartWindow>(this));
    task_.start();
}

void PerformanceChartWindow::Calibrate() {
    if (!task_.done()) return;
    task_ = CalibrateTask(dialogs_, settings_, settingsPath_, link_.GaugeFullSpeed);
    task_.start();
}

void PerformanceChartWindow::Zero() {
    settings_.ThrustZero -= link_.PressureRaw;
    GuardaConfig(settingsPath_, settings_, link_.GaugeFullSpeed);
}

void PerformanceChartWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layout_.apply(centralWidget()->size());
}

void PerformanceChartWindow::closeEvent(QCloseEvent* event) {
    run_.stop();
    run_.closeFile();
    WriteGeometry(settingsPath_, "Form4",
                  Geometry{int(width() * kTwipsPerPixel), int(height() * kTwipsPerPixel),
                           int(x() * kTwipsPerPixel), int(y() * kTwipsPerPixel)});
    event->accept();
}

}  // namespace norva
