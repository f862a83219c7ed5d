#include "logbook/LogbookWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPointer>
#include <QSplitter>
#include <QVBoxLayout>

#include "logbook/EngineReport.h"

namespace norva {

namespace {
const QColor kFlagged(255, 215, 215);

// The trend fills its widget, a margin kept.
void DrawTrendOn(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& base,
                 TrendValue value) {
    canvas.clear();
    const QSizeF size = canvas.areaPixels();
    DrawTrend(canvas, runs, base, value, QRectF(6, 4, size.width() - 12, size.height() - 10));
}

Task<> AskAndPrint(Dialogs& dialogs, QPointer<LogbookWindow> window,
                   std::function<bool(QPagedPaintDevice&)> print) {
    auto printer = co_await dialogs.selectPrinter();
    if (!printer || !window) co_return;
    if (!print(*printer))
        co_await dialogs.message(QStringLiteral("The report could not be printed."), {},
                                 MessageIcon::Warning);
}

Task<> AskAndSave(Dialogs& dialogs, QPointer<LogbookWindow> window, QString initialName,
                  std::function<bool(QPagedPaintDevice&)> print) {
    const FileRequest request(QStringLiteral("Save engine report"),
                              QStringLiteral("PDF document(*.pdf)|*.pdf"), QStringLiteral("pdf"),
                              initialName, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty() || !window) co_return;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!print(writer))
        co_await dialogs.message(QStringLiteral("The report could not be written: %1").arg(path),
                                 {}, MessageIcon::Warning);
}

Task<> AskName(Dialogs& dialogs, QPointer<LogbookWindow> window, QString title, QString prompt,
               QString proposal, std::function<void(const QString&)> chosen) {
    const QString name = co_await dialogs.inputBox(title, prompt, proposal);
    if (window && !name.trimmed().isEmpty()) chosen(name.trimmed());
}
}  // namespace

LogbookWindow::LogbookWindow(const QString& path, Dialogs& dialogs,
                             std::function<void(const QString&, int)> openRun, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), openRun_(std::move(openRun)) {
    setWindowTitle(QStringLiteral("NORVA Logbook"));
    Engines = new QListWidget;
    Engines->setAccessibleName(QStringLiteral("Engines"));
    Rename = new QPushButton(QStringLiteral("Re&name\u2026"));
    Move = new QPushButton(QStringLiteral("&Move download\u2026"));
    Print = new QPushButton(QStringLiteral("&Print report\u2026"));
    SavePdf = new QPushButton(QStringLiteral("Save report as P&DF\u2026"));
    Totals = new QLabel;
    Totals->setWordWrap(true);
    Totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Runs = new QTreeWidget;
    Runs->setAccessibleName(QStringLiteral("Runs"));
    Runs->setRootIsDecorated(false);
    Runs->setHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Download"), QStringLiteral("Cycle"),
         QStringLiteral("Minute"), QStringLiteral("Length s"), QStringLiteral("Idle after s"),
         QStringLiteral("Start EGT C"), QStringLiteral("Max RPM"), QStringLiteral("Max EGT C"),
         QStringLiteral("Mean pump %"), QStringLiteral("Flag")});
    Runs->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The download's long name would push the flags out of sight: it is cut, and told in full
    // on its tooltip.
    Runs->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    Runs->header()->resizeSection(1, 150);
    Runs->header()->setStretchLastSection(true);
    Engines->setMaximumWidth(240);
    EgtTrend = new CanvasWidget;
    IdleTrend = new CanvasWidget;
    for (CanvasWidget* trend : {EgtTrend, IdleTrend}) trend->setMinimumHeight(150);
    EgtTrend->setAccessibleName(QStringLiteral("Peak start EGT trend"));
    IdleTrend->setAccessibleName(QStringLiteral("Time to idle trend"));
    EgtTrend->setFaceDrawing([this](Canvas& c) {
        DrawTrendOn(c, life_.runs, life_.baseline, TrendValue::PeakStartEgt);
    });
    IdleTrend->setFaceDrawing(
        [this](Canvas& c) { DrawTrendOn(c, life_.runs, life_.baseline, TrendValue::TimeToIdle); });

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Engines")));
    left->addWidget(Engines, 1);
    left->addWidget(Rename);
    left->addWidget(Move);
    left->addWidget(Print);
    left->addWidget(SavePdf);
    auto* right = new QVBoxLayout;
    right->addWidget(Totals);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(Runs);
    auto* trends = new QWidget;
    auto* trendRow = new QHBoxLayout(trends);
    trendRow->setContentsMargins(0, 0, 0, 0);
    trendRow->addWidget(EgtTrend);
    trendRow->addWidget(IdleTrend);
    split->addWidget(trends);
    right->addWidget(split, 1);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 1);
    all->addLayout(right, 4);
    resize(1100, 650);

    connect(Engines, &QListWidget::currentRowChanged, this, &LogbookWindow::chooseEngine);
    connect(Runs, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { this->openRun(Runs->indexOfTopLevelItem(item)); });
    connect(Print, &QPushButton::clicked, this, &LogbookWindow::PrintReport);
    connect(SavePdf, &QPushButton::clicked, this, &LogbookWindow::SaveReport);
    connect(Rename, &QPushButton::clicked, this, &LogbookWindow::RenameEngine);
    connect(Move, &QPushButton::clicked, this, &LogbookWindow::MoveDownload);

    book_ = std::make_unique<Logbook>(path);
    if (!book_->isOpen()) dialogs_.notify(book_->error(), {}, MessageIcon::Warning);
    reload();
}

LogbookWindow::~LogbookWindow() = default;

std::optional<Engine> LogbookWindow::engine() const {
    const int row = Engines->currentRow();
    if (row < 0 || size_t(row) >= engines_.size()) return std::nullopt;
    return engines_[size_t(row)];
}

void LogbookWindow::reload() {
    const auto chosen = engine();
    engines_ = book_->engines();
    const QSignalBlocker quiet(Engines);
    Engines->clear();
    int row = engines_.empty() ? -1 : 0;
    for (size_t k = 0; k < engines_.size(); ++k) {
        Engines->addItem(engines_[k].name);
        if (chosen && chosen->id == engines_[k].id) row = int(k);
    }
    Engines->setCurrentRow(row);
    chooseEngine(row);
}

void LogbookWindow::chooseEngine(int row) {
    life_ = {};
    Runs->clear();
    const bool any = row >= 0 && size_t(row) < engines_.size();
    for (QPushButton* b : {Print, SavePdf, Rename, Move}) b->setEnabled(any);
    if (!any) {
        Totals->setText(book_->isOpen() ? QStringLiteral("No engine in the logbook yet: every "
                                                         "download goes in by itself.")
                                        : book_->error());
    } else {
        const Engine& e = engines_[size_t(row)];
        life_ = book_->life(e.id);
        const EngineTotals& t = life_.totals;
        const Baseline& baseline = life_.baseline;
        QString text =
            QStringLiteral(
                "<b>%1</b> (%2): %3 runs, %4 starts, %5 min of running, "
                "%6 flagged.")
                .arg(e.name.toHtmlEscaped(),
                     e.serial
                         ? QStringLiteral("serial %1").arg(*e.serial)
                         : QStringLiteral("welcome text \"%1\"").arg(e.welcome.toHtmlEscaped()))
                .arg(t.runs)
                .arg(t.starts)
                .arg(t.minutes, 0, 'f', 1)
                .arg(t.flagged);
        if (t.unitCycles || t.unitTotalMinutes)
            text += QStringLiteral(" The unit counts %1 cycles and %2 min in total.")
                        .arg(t.unitCycles ? QString::number(*t.unitCycles) : QStringLiteral("n/a"))
                        .arg(t.unitTotalMinutes ? QString::number(*t.unitTotalMinutes, 'f', 1)
                                                : QStringLiteral("n/a"));
        if (baseline.runs)
            text += QStringLiteral(
                        "<br>Baseline of its first %1 measured starts: %2 C at start, "
                        "idle after %3 s. Flagged: more than %4 C hotter, or more "
                        "than %5 times as long.")
                        .arg(baseline.runs)
                        .arg(*baseline.peakStartEgt, 0, 'f', 0)
                        .arg(*baseline.timeToIdleS, 0, 'f', 1)
                        .arg(kHotStartMarginC)
                        .arg(kSlowStartFactor);
        const auto events = book_->events(e.id);
        if (!events.empty())
            text += QStringLiteral("<br>%1 events; the last: %2 on %3 (%4).")
                        .arg(events.size())
                        .arg(events.back().kind.toHtmlEscaped(),
                             events.back().moment.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                             events.back().file.toHtmlEscaped());
        Totals->setText(text);
        QList<QTreeWidgetItem*> items;
        for (const LoggedRun& r : life_.runs) {
            QStringList columns{r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                                QFileInfo(r.downloadFile).fileName()};
            for (const std::string& f : RunFields(r.run)) columns << QString::fromStdString(f);
            // The mean pump in percent, as the other windows show it.
            if (!columns[9].isEmpty())
                columns[9] = QString::number(columns[9].toInt() / 10.0, 'f', 1);
            columns << QString::fromStdString(r.health.flag);
            auto* item = new QTreeWidgetItem(columns);
            item->setToolTip(1, r.downloadFile);
            if (!r.health.flag.empty())
                for (int c = 0; c < columns.size(); ++c) item->setBackground(c, kFlagged);
            items << item;
        }
        Runs->addTopLevelItems(items);
        if (!items.isEmpty()) Runs->scrollToBottom();
    }
    EgtTrend->redrawFace();
    IdleTrend->redrawFace();
}

void LogbookWindow::openRun(int row) {
    if (row < 0 || size_t(row) >= life_.runs.size() || !openRun_) return;
    openRun_(life_.runs[size_t(row)].downloadFile, life_.runs[size_t(row)].position);
}

void LogbookWindow::PrintReport() {
    const auto e = engine();
    if (!e || !dialogTask_.done()) return;
    dialogTask_ = AskAndPrint(dialogs_, this, [this, e](QPagedPaintDevice& device) {
        return PrintEngineReport(device, *e, life_);
    });
    dialogTask_.start();
}

void LogbookWindow::SaveReport() {
    const auto e = engine();
    if (!e || !dialogTask_.done()) return;
    dialogTask_ = AskAndSave(
        dialogs_, this, e->name + QStringLiteral(".pdf"),
        [this, e](QPagedPaintDevice& device) { return PrintEngineReport(device, *e, life_); });
    dialogTask_.start();
}

void LogbookWindow::RenameEngine() {
    const auto e = engine();
    if (!e || !dialogTask_.done()) return;
    dialogTask_ =
        AskName(dialogs_, this, QStringLiteral("Rename engine"),
                QStringLiteral("The engine's new name:"), e->name, [this, e](const QString& name) {
                    if (!book_->renameEngine(e->id, name))
                        dialogs_.notify(QStringLiteral("The engine could not be renamed "
                                                       "to \"%1\": %2")
                                            .arg(name, book_->error()),
                                        {}, MessageIcon::Warning);
                    reload();
                });
    dialogTask_.start();
}

void LogbookWindow::MoveDownload() {
    const int row = Runs->indexOfTopLevelItem(Runs->currentItem());
    if (row < 0 || size_t(row) >= life_.runs.size() || !dialogTask_.done()) {
        dialogs_.notify(QStringLiteral("Choose a run of the download to move first."));
        return;
    }
    const LoggedRun run = life_.runs[size_t(row)];
    QStringList names;
    for (const Engine& e : engines_) names << e.name;
    dialogTask_ = AskName(
        dialogs_, this, QStringLiteral("Move download"),
        QStringLiteral("Move %1 and its runs to the engine (known: %2):")
            .arg(QFileInfo(run.downloadFile).fileName(), names.join(QStringLiteral(", "))),
        {}, [this, run](const QString& name) {
            auto target = book_->engineNamed(name);
            if (!target) target = book_->addEngine(name, {});
            if (!target || !book_->moveDownload(run.downloadId, target->id))
                dialogs_.notify(
                    QStringLiteral("The download could not be moved: %1").arg(book_->error()), {},
                    MessageIcon::Warning);
            reload();
        });
    dialogTask_.start();
}

}  // namespace norva
