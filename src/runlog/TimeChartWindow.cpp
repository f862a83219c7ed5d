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
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
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

// The cursors' span as a CSV file.
Task<> AskAndSaveText(Dialogs& dialogs, QString text) {
    const FileRequest request(TimeChartWindow::tr("Save span as CSV"),
                              TimeChartWindow::tr("CSV file(*.csv)|*.csv"), QStringLiteral("csv"),
                              {}, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty()) co_return;
    std::string error;
    if (!WriteText(path, text.toStdString(), error))
        co_await dialogs.message(QString::fromStdString(error), {}, MessageIcon::Warning);
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
    Picture1->setFocusPolicy(Qt::ClickFocus);  // Home returns to the whole log
    Picture1->installEventFilter(this);
    Picture1->setFaceDrawing([this](Canvas& c) { drawOn(c, layout_.factors().kf); });
    Picture1->setOverlayDrawing([this](Canvas& c) {
        c.setLineWidth(1);
        if (cursor_) c.line(*cursor_, 5, *cursor_, 260, QColor(128, 128, 128));
        // The cursors, with their letters.
        for (const auto& [line, name] : {std::pair(cursorA_, "A"), std::pair(cursorB_, "B")}) {
            if (!line) continue;
            const double x = ChartXOfLine(drawn_, *line);
            if (x < 0 || x > 1000) continue;
            c.line(x, 5, x, 260, QColor(128, 0, 128));
            c.setForeColor(QColor(128, 0, 128));
            c.moveTo(x + 3, 240);
            c.print(QString::fromLatin1(name));
        }
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
    SpanReadout = new QLabel(tr("Click the chart twice to read the span between cursors A and B."));
    SpanReadout->setWordWrap(true);
    SpanReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Compare = new QPushButton(tr("Compare with\u2026"));
    Compare->setToolTip(tr("Lay a run of another export over this log, dotted"));
    SaveSpanCsv = new QPushButton(tr("Save span as CSV\u2026"));
    SaveSpanCsv->setEnabled(false);
    connect(Compare, &QPushButton::clicked, this, [this] {
        if (dialogTask_.done()) dialogTask_ = askCompare().started();
    });
    connect(SaveSpanCsv, &QPushButton::clicked, this, &TimeChartWindow::SaveSpan);
    column->addWidget(RunList);
    column->addWidget(RunNote);
    column->addWidget(ReplayRun, 0, Qt::AlignRight);
    column->addWidget(SpanReadout);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Compare);
    buttons->addWidget(SaveSpanCsv);
    column->addLayout(buttons);
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
    marks_ = {};
    cursorA_.reset();
    cursorB_.reset();
    showSpan();
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
    // The download's own limits and its runs' events are marked on the chart.
    marks_.maxEgtC = limits.maxEgtC;
    marks_.fullRpm = limits.fullRpm;
    marks_.idleRpm = limits.idleRpm;
    runEvents_.clear();
    for (const EngineRun& run : runs_) {
        auto* item = new QTreeWidgetItem(RunList);
        const auto fields = RunFields(run);
        // What went wrong in the run: on its row's tooltip, the row in dark red, and flagged
        // on the chart where it began.
        const auto events = AnalyseRun(log->lines, run, limits).events;
        for (const RunEvent& e : events)
            marks_.events.push_back({e.line - 1, QString::fromStdString(EventText(e))});
        runEvents_.push_back(QString::fromStdString(EventsField(events)));
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
    // Minutes typed, a run chosen or the whole log: the labels as they always were.
    marks_.roundMinutes = false;
    setView(typedStart_, typedEnd_);
}

void TimeChartWindow::setView(double start, double end) {
    typedStart_ = start;
    typedEnd_ = end;
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
    drawn_ =
        DrawTimeChart(canvas, lines_, typedStart_, typedEnd_, fontScale, shaded_, heading, marks_);
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
    marks_.roundMinutes = true;
    setView(start, end);
}

void TimeChartWindow::zoomAround(double x, double steps) {
    constexpr double kLog = 51.2, kNarrowest = 0.05;  // minutes: a few seconds at the most
    const double span = drawn_.end - drawn_.start;
    const double at = std::clamp(x, 0.0, 1000.0) / 1000;
    const double wanted = std::clamp(span * std::pow(0.8, steps), kNarrowest, kLog);
    // The minute under the mouse stays under it.
    const double start = std::clamp(drawn_.start + at * span - at * wanted, 0.0, kLog - wanted);
    Text2->setText(MinutesText(start));
    Text1->setText(MinutesText(start + wanted));
    marks_.roundMinutes = true;
    setView(start, start + wanted);
}

void TimeChartWindow::pan(double dx) {
    const double span = drawn_.end - drawn_.start;
    const double start = std::clamp(drawn_.start + dx / 1000 * span, 0.0, 51.2 - span);
    Text2->setText(MinutesText(start));
    Text1->setText(MinutesText(start + span));
    marks_.roundMinutes = true;
    setView(start, start + span);
}

void TimeChartWindow::placeCursor(double x) {
    const auto line = LineAt(lines_, drawn_, x);
    if (!line) return;
    if (!cursorA_ || cursorB_) {
        cursorA_ = line;
        cursorB_.reset();
    } else {
        cursorB_ = line;
    }
    showSpan();
    Picture1->updateOverlay();
}

std::optional<SpanStats> TimeChartWindow::span() const {
    if (!cursorA_ || !cursorB_) return std::nullopt;
    return StatsBetween(lines_, *cursorA_, *cursorB_);
}

void TimeChartWindow::showSpan() {
    const auto stats = span();
    SaveSpanCsv->setEnabled(stats.has_value());
    if (!stats) {
        SpanReadout->setText(
            cursorA_ ? tr("Cursor A at minute %1: click again for B.")
                           .arg(QString::fromStdString(
                               FormatNumber(double(*cursorA_) / kLinesPerMinute, "0.00")))
                     : tr("Click the chart twice to read the span between cursors A and B."));
        return;
    }
    const auto number = [](const std::optional<double>& v, const char* picture) {
        return v ? QString::fromStdString(FormatNumber(*v, picture)) : QStringLiteral("\u2013");
    };
    const char* names[4] = {QT_TR_NOOP("Speed (RPM)"), QT_TR_NOOP("EGT (ºC)"),
                            QT_TR_NOOP("Stick (%)"), QT_TR_NOOP("Pump (%)")};
    const char* pictures[4] = {"0", "0", "0.0", "0.0"};
    QString rows = QStringLiteral(
                       "<tr><th></th><th>A</th><th>B</th><th>B\u2212A</th><th>%1</th>"
                       "<th>%2</th><th>%3</th></tr>")
                       .arg(tr("min"), tr("max"), tr("mean"));
    for (int c = 0; c < 4; ++c) {
        const ChannelStats& s = stats->channels[size_t(c)];
        const char* p = pictures[c];
        rows += QStringLiteral(
                    "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                    "<td>%6</td><td>%7</td></tr>")
                    .arg(tr(names[c]), number(s.atA, p), number(s.atB, p), number(s.difference, p),
                         number(s.minimum, p), number(s.maximum, p),
                         number(s.mean, c < 2 ? "0.0" : "0.00"));
    }
    const QString seconds = number(stats->seconds, "0.0");
    const QString said = stats->noData > 0
                             ? tr("\u0394t %1 s, %2 samples; %3 without data, left out")
                                   .arg(seconds)
                                   .arg(stats->samples)
                                   .arg(stats->noData)
                             : tr("\u0394t %1 s, %2 samples").arg(seconds).arg(stats->samples);
    SpanReadout->setText(QStringLiteral("<table cellspacing=\"2\">%1</table>%2").arg(rows, said));
}

bool TimeChartWindow::compareWith(const QString& path, int cycle) {
    std::string error;
    auto run = RunOfCycle(path.toStdString(), cycle, error);
    if (!run) return false;
    marks_.overlay = std::move(*run);
    // Aligned at the start: on the run chosen here, else on the first run of the view.
    const int chosen = RunList->indexOfTopLevelItem(RunList->currentItem());
    marks_.overlayAt = chosen >= 0 && size_t(chosen) < runs_.size()
                           ? runs_[size_t(chosen)].firstLine - 1
                           : OverlayStart(lines_, drawn_);
    marks_.overlayLegend = OverlayLegend(path, cycle);
    Picture1->redrawFace();
    return true;
}

bool TimeChartWindow::compareWithNormal() {
    const auto normal = normalStartOf_ ? normalStartOf_(path_) : std::nullopt;
    if (!normal) return false;
    marks_.overlay = normal->second;
    // From light-off, as the normal is: of the run chosen, else of the first run in view.
    const int chosen = RunList->indexOfTopLevelItem(RunList->currentItem());
    const int start = chosen >= 0 && size_t(chosen) < runs_.size()
                          ? runs_[size_t(chosen)].firstLine - 1
                          : OverlayStart(lines_, drawn_);
    marks_.overlayAt = start;
    for (const EngineRun& run : runs_)
        if (run.firstLine - 1 == start)
            if (const auto light = AnalyseRun(lines_, run, {}).lightLine)
                marks_.overlayAt = *light - 1;
    marks_.overlayLegend = tr("normal start of %1").arg(normal->first);
    Picture1->redrawFace();
    return true;
}

Task<> TimeChartWindow::askCompare() {
    QPointer<TimeChartWindow> self(this);
    if (normalStartOf_) {
        const QString another = tr("A run of another export");
        const QString which = co_await dialogs_.choose(
            tr("Compare with"), tr("Lay over the log:"),
            {another, tr("The engine's normal start, from the logbook")}, 0);
        if (which.isEmpty() || !self) co_return;
        if (which != another) {
            if (!compareWithNormal())
                co_await dialogs_.message(tr("The logbook knows no normal start of this engine."),
                                          {}, MessageIcon::Information);
            co_return;
        }
    }
    const QString path =
        co_await dialogs_.openFile(FileRequest(QString(), kFilter, QStringLiteral("txt")));
    if (path.isEmpty() || !self) co_return;
    std::string error;
    const auto other = ReadRunLogExport(path.toStdString(), error);
    if (!other) {
        co_await dialogs_.message(QString::fromStdString(error), {}, MessageIcon::Warning);
        co_return;
    }
    QStringList cycles;
    for (const EngineRun& run : FindRuns(other->lines, IdleRpm(*other, std::nullopt)))
        cycles << QString::number(run.cycle);
    if (cycles.isEmpty()) {
        co_await dialogs_.message(tr("%1 holds no engine run.").arg(path), {},
                                  MessageIcon::Information);
        co_return;
    }
    const QString cycle =
        co_await dialogs_.choose(tr("Compare with"), tr("The run of cycle:"), cycles, 0);
    if (!cycle.isEmpty() && self) compareWith(path, cycle.toInt());
}

void TimeChartWindow::SaveSpan() {
    const auto stats = span();
    if (!stats || !dialogTask_.done()) return;
    dialogTask_ =
        AskAndSaveText(dialogs_, QString::fromStdString(SpanCsv(lines_, *stats))).started();
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
        case QEvent::MouseButtonPress: {
            const bool panning = mouse()->button() == Qt::RightButton ||
                                 (mouse()->button() == Qt::LeftButton &&
                                  mouse()->modifiers().testFlag(Qt::ShiftModifier));
            if (panning)
                panFrom_ = chartX(mouse()->position().x());
            else if (mouse()->button() == Qt::LeftButton)
                dragFrom_ = mouse()->position().x();
            return true;
        }
        case QEvent::MouseMove: {
            const double x = chartX(mouse()->position().x());
            if (panFrom_) {
                // The minute taken follows the mouse.
                pan(*panFrom_ - x);
                panFrom_ = x;
                return true;
            }
            cursor_ = x;
            showReadout(x);
            Picture1->updateOverlay();
            // An event's flag says what happened there.
            const double y = -10 + mouse()->position().y() / std::max(1, Picture1->height()) * 300;
            const auto flag =
                std::find_if(marks_.events.begin(), marks_.events.end(), [&](auto& e) {
                    return y < 25 && std::abs(ChartXOfLine(drawn_, e.line) + 4 - x) < 8;
                });
            if (flag != marks_.events.end())
                QToolTip::showText(mouse()->globalPosition().toPoint(), flag->text, Picture1);
            else
                QToolTip::hideText();
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (panFrom_) {
                panFrom_.reset();
            } else if (dragFrom_) {
                if (std::abs(mouse()->position().x() - *dragFrom_) >= kMinimumDragPixels)
                    zoom(chartX(*dragFrom_), chartX(mouse()->position().x()));
                else
                    placeCursor(chartX(mouse()->position().x()));
            }
            dragFrom_.reset();
            return true;
        case QEvent::MouseButtonDblClick:
            cursorA_.reset();
            cursorB_.reset();
            showSpan();
            zoomAround(0, -100);  // out to the whole log, as quickly as any zoom
            return true;
        case QEvent::Wheel: {
            auto* wheel = static_cast<QWheelEvent*>(event);
            zoomAround(chartX(wheel->position().x()), wheel->angleDelta().y() / 120.0);
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Home) return false;
            zoomAround(0, -100);
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
