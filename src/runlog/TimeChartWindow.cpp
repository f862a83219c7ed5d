#include "runlog/TimeChartWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "runlog/RunEvents.h"
#include "ui/Contrast.h"
#include "ui/Dialogs.h"
#include "ui/PainterCanvas.h"

namespace norva {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kFilter = QStringLiteral("Norva Measures(*.txt)|*.txt");
constexpr double kBoxPoints = 10;
constexpr double kLegendPoints = 10;
constexpr int kMinimumDragPixels = 4;

double Minutes(const QString& text) {
    return LeadingNumber(text.toStdString()).value_or(0);
}

QString MinutesText(double minutes) {
    return QString::fromStdString(FormatNumber(minutes, "0.##"));
}

Task<> AskAndOpen(Dialogs& dialogs, QPointer<TimeChartWindow> window) {
    const FileRequest request(QString(), kFilter, QStringLiteral("txt"));
    const QString path = co_await dialogs.openFile(request);
    if (path.isEmpty() || !window) co_return;
    window->showFile(path, 0);
}

Task<> AskAndPrint(Dialogs& dialogs, QPointer<TimeChartWindow> window,
                   std::function<void(QPainter&)> paint) {
    auto printer = co_await dialogs.selectPrinter();
    if (!printer || !window) co_return;
    printer->setPageOrientation(QPageLayout::Landscape);
    QPainter painter(printer.get());
    paint(painter);
}

Task<> AskAndSave(Dialogs& dialogs, std::function<bool(const QString&)> save) {
    const FileRequest request(
        TimeChartWindow::tr("Save picture"),
        TimeChartWindow::tr("PNG picture(*.png)|*.png|PDF document(*.pdf)|*.pdf"),
        QStringLiteral("png"), {}, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty()) co_return;
    if (!save(path))
        co_await dialogs.message(
            TimeChartWindow::tr("The picture could not be written: %1").arg(path), {},
            MessageIcon::Warning);
}

}  // namespace

TimeChartWindow::TimeChartWindow(Dialogs& dialogs, QString settingsPath, QWidget* parent,
                                 QString library)
    : QMainWindow(parent),
      dialogs_(dialogs),
      settingsPath_(std::move(settingsPath)),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips), FontRule::Horizontal),
      library_(std::move(library)) {
    setWindowTitle(tr("NORVA Time Graph"));
    buildControls();
    // The window's font is its controls'; the menus keep the system's menu font.
    centralWidget()->setFont(QFont(kSans));
    const Geometry g = ReadChartGeometry(settingsPath_, "Form5");
    resize(TwipsToPixels(g.Width), TwipsToPixels(g.Height));
    move(TwipsToPixels(g.Left), TwipsToPixels(g.Top));
}

TimeChartWindow::~TimeChartWindow() = default;

void TimeChartWindow::buildControls() {
    // The chart and the runs share the room through a splitter, the chart first: it keeps a
    // usable width however small the window, and the runs take what the user gives them.
    Split = new QSplitter(Qt::Horizontal);
    setCentralWidget(Split);
    auto* area = new QWidget;
    area->setMinimumWidth(kChartMinimumWidth);
    Split->addWidget(area);
    Picture1 = new CanvasWidget(area);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    Picture1->setFaceDrawing([this](Canvas& c) { drawOn(c, layout_.factors().kf); });
    Picture1->setOverlayDrawing([this](Canvas& c) {
        if (!cursor_) return;
        c.setLineWidth(1);
        c.line(*cursor_, 5, *cursor_, 260, QColor(128, 128, 128));
    });
    Text2 = new QLineEdit(QStringLiteral("1"), area);
    Text1 = new QLineEdit(QStringLiteral("51"), area);
    Command1 = new QPushButton(tr("Refresh"), area);
    Command2 = new QPushButton(tr("Whole run"), area);
    Readout = new QLabel(area);
    auto* startLabel = new QLabel(tr("Initial Time (m)"), area);
    auto* endLabel = new QLabel(tr("End time (m)"), area);
    struct Legend {
        const char* text;
        QColor colour;
    };
    // The curves' own colours, made readable on the desktop's background; the black curves'
    // legends in the desktop's text colour.
    const Legend legends[] = {{QT_TR_NOOP("R.P.M.x1000"), QColor(0, 0, 255)},
                              {QT_TR_NOOP("E.G.T.(ºC) x10"), QColor(255, 0, 0)},
                              {QT_TR_NOOP("Throttle (%)"), QColor()},
                              {QT_TR_NOOP("Pump (%)"), QColor(0, 192, 0)},
                              {QT_TR_NOOP("Thrust(N)"), QColor()}};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(tr(legends[i].text), area);
        if (legends[i].colour.isValid())
            label->setStyleSheet(
                QStringLiteral("color: %1;")
                    .arg(ReadableOn(legends[i].colour, area->palette().color(QPalette::Window))
                             .name()));
        layout_.add(label, {192 + 1700.0 * i, 120, 1650, 300}, kLegendPoints);
    }
    layout_.add(Picture1, {192, 480, 8316, 4440});
    layout_.add(Readout, {192, 4960, 8316, 300}, 8);
    for (QLabel* label : {startLabel, endLabel})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The captions name their fields for screen readers.
    startLabel->setBuddy(Text2);
    endLabel->setBuddy(Text1);
    Picture1->setAccessibleName(tr("Time chart"));
    layout_.add(startLabel, {0, 5425, 1440, 300}, kBoxPoints);
    layout_.add(Text2, {1500, 5425, 500, 300}, kBoxPoints);
    layout_.add(endLabel, {2040, 5425, 1200, 300}, kBoxPoints);
    layout_.add(Text1, {3300, 5425, 500, 300}, kBoxPoints);
    layout_.add(Command1, {4300, 5425, 1000, 300}, kBoxPoints);
    layout_.add(Command2, {5500, 5425, 1200, 300}, kBoxPoints);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &TimeChartWindow::Open);
    recent_ = file->addMenu(tr("Recent downloads"));
    connect(recent_, &QMenu::aboutToShow, this, &TimeChartWindow::fillRecent);
    fillRecent();
    QAction* print = file->addAction(tr("&Print"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &TimeChartWindow::Print);
    QAction* save = file->addAction(tr("Save picture\u2026"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &TimeChartWindow::SavePicture);
    connect(file->addAction(tr("&Exit")), &QAction::triggered, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &TimeChartWindow::draw);
    connect(Command2, &QPushButton::clicked, this, &TimeChartWindow::wholeRun);
    connect(Text1, &QLineEdit::returnPressed, this, &TimeChartWindow::draw);
    connect(Text2, &QLineEdit::returnPressed, this, &TimeChartWindow::draw);

    Split->addWidget(buildRunList());
    Split->setStretchFactor(0, 1);
    Split->setStretchFactor(1, 0);
    Split->setCollapsible(0, false);
    // The design measures the chart's area, whatever the runs beside it take.
    area->installEventFilter(this);
    chartArea_ = area;
}

QWidget* TimeChartWindow::buildRunList() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(4, 0, 4, 4);
    RunList = new QTreeWidget;
    RunList->setRootIsDecorated(false);
    RunList->setUniformRowHeights(true);
    RunList->setAllColumnsShowFocus(true);
    const char* headers[][2] = {
        {QT_TR_NOOP("Cycle"), QT_TR_NOOP("The unit's cycle number")},
        {QT_TR_NOOP("Start"), QT_TR_NOOP("Minute of the log the run starts at")},
        {QT_TR_NOOP("Length"), QT_TR_NOOP("Seconds the engine turned")},
        {QT_TR_NOOP("To idle"), QT_TR_NOOP("Seconds from the first turn to idle speed")},
        {QT_TR_NOOP("Start EGT"), QT_TR_NOOP("Hottest EGT of the start, up to idle (ºC)")},
        {QT_TR_NOOP("Max RPM"), QT_TR_NOOP("Largest speed of the run")},
        {QT_TR_NOOP("Max EGT"), QT_TR_NOOP("Largest EGT of the run (ºC)")},
        {QT_TR_NOOP("Pump"), QT_TR_NOOP("Mean pump at or above idle (tenths of a percent)")}};
    auto* header = new QTreeWidgetItem;
    for (int c = 0; c < 8; ++c) {
        header->setText(c, tr(headers[c][0]));
        header->setToolTip(c, tr(headers[c][1]));
    }
    RunList->setHeaderItem(header);
    RunList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RunList->header()->setStretchLastSection(false);
    RunList->setMinimumWidth(220);
    RunList->setAccessibleName(tr("Engine runs"));
    RunNote = new QLabel;
    RunNote->setWordWrap(true);
    ReplayRun = new QPushButton(tr("&Replay"));
    ReplayRun->setToolTip(tr("Play the chosen run on the main window's dials"));
    ReplayRun->setEnabled(false);
    connect(ReplayRun, &QPushButton::clicked, this, [this] {
        const int index = RunList->indexOfTopLevelItem(RunList->currentItem());
        if (index >= 0 && static_cast<size_t>(index) < runs_.size())
            emit replayRequested(path_, runs_[static_cast<size_t>(index)].firstLine);
    });
    column->addWidget(RunList);
    column->addWidget(RunNote);
    column->addWidget(ReplayRun, 0, Qt::AlignRight);
    connect(RunList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) chooseRun(RunList->indexOfTopLevelItem(item));
    });
    return box;
}

void TimeChartWindow::fillRecent() {
    recent_->clear();
    const auto kept = KeptDownloads(library_);
    if (kept.empty()) recent_->addAction(tr("No downloads kept yet"))->setEnabled(false);
    for (const KeptDownload& download : kept) {
        QAction* item = recent_->addAction(download.title);
        item->setToolTip(download.path);
        connect(item, &QAction::triggered, this,
                [this, path = download.path] { showFile(path, 0); });
    }
}

void TimeChartWindow::findRuns() {
    runs_.clear();
    shaded_.reset();
    const QSignalBlocker quiet(RunList);
    RunList->clear();
    RunNote->clear();
    ReplayRun->setEnabled(false);
    if (path_.isEmpty()) return;
    std::string error;
    const auto log = ReadRunLogExport(path_.toStdString(), error);
    if (!log) {
        RunNote->setText(QString::fromStdString(error));
        return;
    }
    runs_ = FindRuns(log->lines, IdleRpm(*log, std::nullopt));
    const EngineLimits limits = LimitsOf(std::span<const std::optional<uint8_t>>(log->cells));
    runEvents_.clear();
    for (const EngineRun& run : runs_) {
        auto* item = new QTreeWidgetItem(RunList);
        const auto fields = RunFields(run);
        // What went wrong in the run: on its row's tooltip, the row in dark red.
        runEvents_.push_back(
            QString::fromStdString(EventsField(AnalyseRun(log->lines, run, limits).events)));
        for (int c = 0; c < 8; ++c) {
            const std::string& field = fields[static_cast<size_t>(c)];
            // A value the log does not hold is shown as not measured.
            item->setText(c,
                          field.empty() ? QStringLiteral("\u2013") : QString::fromStdString(field));
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            if (!runEvents_.back().isEmpty()) {
                item->setToolTip(c, runEvents_.back());
                item->setForeground(c, QColor(160, 0, 0));
            }
        }
    }
    // The whole table in view beside the chart at its design width: the window grows for it
    // where the screen has room, and the chart keeps at least its minimum.
    if (!runs_.empty()) {
        const int table =
            RunList->header()->length() + RunList->verticalScrollBar()->sizeHint().width() + 24;
        const int chart = TwipsToPixels(kDesignWidthTwips);
        const QScreen* screen = this->screen();
        const int room = screen ? screen->availableGeometry().width() : chart + table;
        if (width() < chart + table) resize(std::min(chart + table, room), height());
        const int total = Split->width() > 0 ? std::max(Split->width(), width()) : width();
        const int runs = std::max(0, std::min(table, total - kChartMinimumWidth));
        Split->setSizes({total - runs, runs});
    }
    if (runs_.empty())
        RunNote->setText(tr("The engine did not run."));
    else if (!log->idleCell)
        RunNote->setText(tr("%1 runs. The file does not hold the unit's idle speed, so the "
                            "starts are not measured.")
                             .arg(runs_.size()));
    else
        RunNote->setText(tr("%1 runs. Choose one to see it.").arg(runs_.size()));
}

void TimeChartWindow::chooseRun(int index) {
    if (index < 0 || static_cast<size_t>(index) >= runs_.size()) return;
    const EngineRun& run = runs_[static_cast<size_t>(index)];
    shaded_.reset();
    if (run.idleLine && !run.startCut) shaded_ = ShadedLines{run.firstLine - 1, *run.idleLine - 1};
    // Tenths of a minute are enough, and fit the boxes.
    Text2->setText(MinutesText(std::floor((run.firstMinute() - 0.5) * 10) / 10));
    Text1->setText(MinutesText(std::ceil((run.endMinute() + 0.5) * 10) / 10));
    typedStart_ = Minutes(Text2->text());
    typedEnd_ = Minutes(Text1->text());
    redraw();
    const QSignalBlocker quiet(RunList);
    RunList->setCurrentItem(RunList->topLevelItem(index));
    ReplayRun->setEnabled(true);
    const QString& events = runEvents_[static_cast<size_t>(index)];
    if (!events.isEmpty()) RunNote->setText(tr("Cycle %1: %2").arg(run.cycle).arg(events));
}

void TimeChartWindow::showFile(const QString& path, int startMinute) {
    path_ = path;
    findRuns();
    Text2->setText(QString::number(startMinute));
    Text1->setText(QStringLiteral("51"));
    draw();
}

void TimeChartWindow::draw() {
    const double start = Minutes(Text2->text());
    const double end = Minutes(Text1->text());
    if (!Drawable(CorrectWindow(start, end))) {
        dialogs_.notify(QCoreApplication::translate("norva::TimeChart", kEndBeforeStart), {},
                        MessageIcon::Warning);
        return;
    }
    std::string error;
    // A file that cannot be read draws an empty grid, as a chart of nothing.
    lines_ = ReadExportFile(path_.toStdString(), error).value_or(std::vector<RunLogLine>{});
    typedStart_ = start;
    typedEnd_ = end;
    redraw();
}

void TimeChartWindow::redraw() {
    drawn_ = CorrectWindow(typedStart_, typedEnd_);
    cursor_.reset();
    Readout->clear();
    Picture1->redrawFace();
    // The boxes show the minutes actually drawn.
    if (drawn_.start != typedStart_) Text2->setText(MinutesText(drawn_.start));
    if (drawn_.end != typedEnd_) Text1->setText(MinutesText(drawn_.end));
}

void TimeChartWindow::drawOn(Canvas& canvas, double fontScale, bool headed) {
    canvas.setBackColor(Qt::white);
    // A page or a picture stands on its own: it names its file and its curves.
    const QString heading = headed ? QFileInfo(path_).fileName() : QString();
    drawn_ = DrawTimeChart(canvas, lines_, typedStart_, typedEnd_, fontScale, shaded_, heading);
}

void TimeChartWindow::wholeRun() {
    Text2->setText(QStringLiteral("0"));
    Text1->setText(QStringLiteral("51.2"));
    draw();
}

void TimeChartWindow::zoom(double x1, double x2) {
    const double a = std::clamp(std::min(x1, x2), 0.0, 1000.0) / 1000;
    const double b = std::clamp(std::max(x1, x2), 0.0, 1000.0) / 1000;
    const double span = drawn_.end - drawn_.start;
    // Minutes as the boxes keep them; a drag narrower than that zooms nowhere.
    const double start = Minutes(MinutesText(drawn_.start + a * span));
    const double end = Minutes(MinutesText(drawn_.start + b * span));
    if (!Drawable(CorrectWindow(start, end))) return;
    Text2->setText(MinutesText(start));
    Text1->setText(MinutesText(end));
    typedStart_ = start;
    typedEnd_ = end;
    redraw();
}

double TimeChartWindow::chartX(double pixelX) const {
    return -50 + pixelX / std::max(1, Picture1->width()) * 1100;
}

void TimeChartWindow::showReadout(double x) {
    const auto index = LineAt(lines_, drawn_, x);
    if (!index) {
        Readout->clear();
        return;
    }
    const RunLogLine& l = lines_[static_cast<size_t>(*index)];
    const double minute = double(*index) / kLinesPerMinute;
    Readout->setText(QStringLiteral("%1 min   cycle %2   %3 RPM   %4 \u00BAC   throttle %5 %   "
                                    "pump %6 %")
                         .arg(QString::fromStdString(FormatNumber(minute, "0.0")))
                         .arg(l.cycle)
                         .arg(QString::fromStdString(FormatNumber(l.rpm, "###,##0")))
                         .arg(l.temp)
                         .arg(QString::fromStdString(FormatNumber(l.throttle / 10.0, "0.0")))
                         .arg(QString::fromStdString(FormatNumber(l.pump / 10.0, "0.0"))));
}

bool TimeChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chartArea_ && event->type() == QEvent::Resize) {
        // The chart is redrawn from what was read.
        layout_.apply(chartArea_->size());
        return false;
    }
    if (watched != Picture1) return false;
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse()->button() == Qt::LeftButton) dragFrom_ = mouse()->position().x();
            return true;
        case QEvent::MouseMove: {
            const double x = chartX(mouse()->position().x());
            cursor_ = x;
            showReadout(x);
            Picture1->updateOverlay();
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (dragFrom_ && std::abs(mouse()->position().x() - *dragFrom_) >= kMinimumDragPixels)
                zoom(chartX(*dragFrom_), chartX(mouse()->position().x()));
            dragFrom_.reset();
            return true;
        case QEvent::Leave:
            cursor_.reset();
            Readout->clear();
            Picture1->updateOverlay();
            return false;
        default:
            return false;
    }
}

void TimeChartWindow::Open() {
    if (!dialogTask_.done()) return;
    dialogTask_ = AskAndOpen(dialogs_, QPointer<TimeChartWindow>(this));
    dialogTask_.start();
}

void TimeChartWindow::Print() {
    if (!dialogTask_.done()) return;
    dialogTask_ = AskAndPrint(dialogs_, QPointer<TimeChartWindow>(this), [this](QPainter& p) {
        PainterCanvas canvas(p);
        drawOn(canvas, 1, true);
    });
    dialogTask_.start();
}

void TimeChartWindow::SavePicture() {
    if (!dialogTask_.done()) return;
    dialogTask_ = AskAndSave(dialogs_, [this](const QString& path) {
        if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageOrientation(QPageLayout::Landscape);
            QPainter painter;
            if (!painter.begin(&printer)) return false;
            PainterCanvas canvas(painter);
            drawOn(canvas, 1, true);
            return painter.end();
        }
        ImageCanvas canvas(Picture1->size(), 2);
        drawOn(canvas, layout_.factors().kf, true);
        return canvas.image().save(path, "PNG");
    });
    dialogTask_.start();
}

void TimeChartWindow::closeEvent(QCloseEvent* event) {
    WriteGeometry(settingsPath_, "Form5",
                  Geometry{int(width() * kTwipsPerPixel), int(height() * kTwipsPerPixel),
                           int(x() * kTwipsPerPixel), int(y() * kTwipsPerPixel)});
    event->accept();
}

}  // namespace norva
