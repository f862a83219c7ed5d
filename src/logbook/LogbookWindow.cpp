#include "logbook/LogbookWindow.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>
#include <cmath>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "base/OffThread.h"
#include "logbook/EngineReport.h"
#include "logbook/LogDownload.h"
#include "logbook/LogbookLocation.h"
#include "logbook/RunsTable.h"

namespace norva {

namespace {
const QColor kFlagged(255, 215, 215);
const QColor kWithEvents(255, 236, 190);
// Offered among the engines' names, translated where it is shown.
const char* const kNewEngine = QT_TRANSLATE_NOOP("norva::LogbookWindow", "A new engine…");

// The trend fills its widget, a margin kept.
void DrawTrendOn(Canvas& canvas, const std::vector<LoggedRun>& runs, const Baseline& base,
                 TrendValue value) {
    canvas.clear();
    const QSizeF size = canvas.areaPixels();
    DrawTrend(canvas, runs, base, value, QRectF(6, 4, size.width() - 12, size.height() - 8));
}

// What an import did, after the file's name: ImportOutcome's words, in the user's language
// (the command line's stay English for the scripts that read them).
QString ImportSaid(const QString& path, const ImportResult& result, const QString& engineName) {
    if (result.status == ImportResult::AlreadyThere)
        return LogbookWindow::tr("%1: already in the logbook").arg(path);
    return LogbookWindow::tr("%1: %2, %3 runs added, %4 replaced, %5 already there")
        .arg(path, engineName, QString::number(result.runsAdded),
             QString::number(result.runsReplaced), QString::number(result.runsKnown));
}

// "1 run", "3 runs": both forms given translated, "%1" standing for the number.
QString Counted(int n, const QString& one, const QString& many) {
    return n == 1 ? one : many.arg(n);
}

// Translated where a header is shown.
const char* const kRunColumns[] = {QT_TRANSLATE_NOOP("LogbookWindow", "Date"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Cycle"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Flag"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Events"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Download"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Minute"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Length s"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Idle after s"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Start EGT C"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Max RPM"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Max EGT C"),
                                   QT_TRANSLATE_NOOP("LogbookWindow", "Mean pump %")};
}  // namespace

// The runs as the table shows them: a row's texts are made when the view paints it, so an
// engine of a hundred thousand runs costs the rows on the screen, not a widget item each.
class RunsModel : public QAbstractTableModel {
  public:
    explicit RunsModel(QObject* parent) : QAbstractTableModel(parent) {}
    void show(const std::vector<LoggedRun>* runs) {
        beginResetModel();
        runs_ = runs;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !runs_ ? 0 : int(runs_->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(std::size(kRunColumns));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < int(std::size(kRunColumns)))
            return QCoreApplication::translate("LogbookWindow", kRunColumns[section]);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!runs_ || !index.isValid() || size_t(index.row()) >= runs_->size()) return {};
        const LoggedRun& r = (*runs_)[size_t(index.row())];
        const int c = index.column();
        const auto flag = [&] { return QString::fromStdString(r.health.flag); };
        const auto events = [&] { return QString::fromStdString(EventsField(r.analysis.events)); };
        switch (role) {
            case Qt::DisplayRole:
                return text(r, c);
            case Qt::ToolTipRole:
                return c == LogbookWindow::FlagColumn       ? QVariant(flag())
                       : c == LogbookWindow::EventsColumn   ? QVariant(events())
                       : c == LogbookWindow::DownloadColumn ? QVariant(r.downloadFile)
                                                            : QVariant();
            case Qt::BackgroundRole:
                // A flag outranks events: its row keeps the flag's colour.
                if (!r.health.flag.empty()) return kFlagged;
                if (!r.analysis.events.empty()) return kWithEvents;
                return {};
            default:
                return {};
        }
    }

  private:
    static QString text(const LoggedRun& r, int c) {
        switch (c) {
            case LogbookWindow::DateColumn:
                return r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
            case LogbookWindow::FlagColumn:
                return QString::fromStdString(r.health.flag);
            case LogbookWindow::EventsColumn:
                return QString::fromStdString(EventsField(r.analysis.events));
            case LogbookWindow::DownloadColumn:
                return QFileInfo(r.downloadFile).fileName();
            default:
                break;
        }
        // The values of `runlog runs`, the mean pump in percent as the other windows show it.
        const std::vector<std::string> fields = RunFields(r.run);
        const size_t f = c == LogbookWindow::CycleColumn ? 0 : size_t(c - 4);
        if (f >= fields.size()) return {};
        QString value = QString::fromStdString(fields[f]);
        if (c == LogbookWindow::MeanPumpColumn && !value.isEmpty())
            value = QString::number(value.toInt() / 10.0, 'f', 1);
        return value;
    }
    const std::vector<LoggedRun>* runs_ = nullptr;
};

namespace {

Task<> AskAndPrint(Dialogs& dialogs, QPointer<LogbookWindow> window,
                   std::function<bool(QPagedPaintDevice&)> print) {
    auto printer = co_await dialogs.selectPrinter();
    if (!printer || !window) co_return;
    if (!print(*printer))
        co_await dialogs.message(LogbookWindow::tr("The report could not be printed."), {},
                                 MessageIcon::Warning);
}

Task<> AskAndSave(Dialogs& dialogs, QPointer<LogbookWindow> window, QString initialName,
                  std::function<bool(QPagedPaintDevice&)> print) {
    const FileRequest request(LogbookWindow::tr("Save engine report"),
                              LogbookWindow::tr("PDF document(*.pdf)|*.pdf"), QStringLiteral("pdf"),
                              initialName, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty() || !window) co_return;
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!print(writer))
        co_await dialogs.message(LogbookWindow::tr("The report could not be written: %1").arg(path),
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
    setWindowTitle(tr("NORVA Logbook"));
    Engines = new QListWidget;
    Engines->setAccessibleName(tr("Engines"));
    Import = new QPushButton(tr("&Import download\u2026"));
    Move = new QPushButton(tr("&Move download\u2026"));
    Rename = new QPushButton(tr("Re&name\u2026"));
    Service = new QPushButton(tr("Ser&vice done\u2026"));
    SaveCsv = new QPushButton(tr("Runs as &CSV\u2026"));
    Print = new QPushButton(tr("&Print report\u2026"));
    SavePdf = new QPushButton(tr("Save report as P&DF\u2026"));
    Totals = new QLabel;
    Totals->setWordWrap(true);
    Totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Runs = new QTreeView;
    Runs->setAccessibleName(tr("Runs"));
    Runs->setRootIsDecorated(false);
    Runs->setUniformRowHeights(true);  // the rows on the screen are all the view measures
    model_ = new RunsModel(this);
    Runs->setModel(model_);
    Runs->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Sized by the rows in view and a few more, not by every run of a shop's engine.
    Runs->header()->setResizeContentsPrecision(64);
    // The long texts would push the numbers out of sight: they are cut, and told in full on
    // their tooltips. Flag and events come first, where they are read without scrolling.
    for (const auto& [column, width] :
         {std::pair{FlagColumn, 170}, {EventsColumn, 170}, {DownloadColumn, 130}}) {
        Runs->header()->setSectionResizeMode(column, QHeaderView::Interactive);
        Runs->header()->resizeSection(column, width);
    }
    Runs->header()->setStretchLastSection(true);
    Engines->setMaximumWidth(240);

    auto* trends = new QWidget;
    auto* trendGrid = new QGridLayout(trends);
    trendGrid->setContentsMargins(0, 0, 0, 0);
    for (size_t k = 0; k < 2; ++k) {
        TrendChoices[k] = new QComboBox;
        for (const TrendValue v : kTrendValues) TrendChoices[k]->addItem(TrendName(v));
        TrendChoices[k]->setCurrentIndex(int(k));  // peak start EGT and time to idle at first
        TrendChoices[k]->setAccessibleName(tr("Trend %1 shows").arg(k + 1));
        Trends[k] = new CanvasWidget;
        Trends[k]->setMinimumHeight(150);
        Trends[k]->setAccessibleName(tr("Trend %1").arg(k + 1));
        Trends[k]->setFaceDrawing([this, k](Canvas& c) {
            DrawTrendOn(c, life_.runs, life_.baseline,
                        kTrendValues[size_t(std::max(0, TrendChoices[k]->currentIndex()))]);
        });
        connect(TrendChoices[k], &QComboBox::currentIndexChanged, this,
                [this, k] { Trends[k]->redrawFace(); });
        auto* choice = new QHBoxLayout;
        choice->addWidget(TrendChoices[k]);
        choice->addStretch(1);
        trendGrid->addLayout(choice, 0, int(k));
        trendGrid->addWidget(Trends[k], 1, int(k));
    }
    trendGrid->setRowStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Engines")));
    left->addWidget(Engines, 1);
    for (QPushButton* b : {Import, Move, Rename, Service, SaveCsv, Print, SavePdf})
        left->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(Totals);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(Runs);
    split->addWidget(trends);
    right->addWidget(split, 1);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 1);
    all->addLayout(right, 4);
    // Never larger than the screen: at a large scale factor its buttons would be out of reach.
    const QSize wanted(1100, 650);
    const QScreen* screen = this->screen();
    resize(screen ? wanted.boundedTo(screen->availableGeometry().size()) : wanted);

    connect(Engines, &QListWidget::currentRowChanged, this, &LogbookWindow::chooseEngine);
    connect(Runs, &QTreeView::activated, this,
            [this](const QModelIndex& index) { this->openRun(index.row()); });
    connect(Print, &QPushButton::clicked, this, &LogbookWindow::PrintReport);
    connect(SavePdf, &QPushButton::clicked, this, &LogbookWindow::SaveReport);
    connect(Rename, &QPushButton::clicked, this, &LogbookWindow::RenameEngine);
    connect(Move, &QPushButton::clicked, this, &LogbookWindow::MoveDownload);
    connect(Import, &QPushButton::clicked, this, &LogbookWindow::ImportDownload);
    connect(Service, &QPushButton::clicked, this, &LogbookWindow::ServiceDone);
    connect(SaveCsv, &QPushButton::clicked, this, &LogbookWindow::SaveRunsCsv);

    book_ = std::make_unique<Logbook>(path);
    if (book_->needsPassword())
        dialogTask_ = askPassword(path).started();
    else if (!book_->isOpen())
        dialogs_.notify(book_->error(), {}, MessageIcon::Warning);
    Import->setEnabled(book_->isOpen() && book_->importRefusal().isEmpty());
    Import->setToolTip(book_->importRefusal());
    reload();
}

// A shop's server that wants a password neither ~/.pgpass nor PGPASSWORD gave: asked once, and
// kept in memory for the rest of the session (never written anywhere).
Task<> LogbookWindow::askPassword(QString path) {
    QPointer<LogbookWindow> self(this);
    QString why;
    const auto at = LocationOf(path, why);
    const QString typed = co_await dialogs_.password(
        tr("Logbook"), tr("The password of %1 for the logbook at %2:").arg(at->user, at->name()));
    if (!self) co_return;
    if (!typed.isEmpty()) {
        RememberLogbookPassword(*at, typed);
        book_ = std::make_unique<Logbook>(path);
    }
    if (!book_->isOpen()) dialogs_.notify(book_->error(), {}, MessageIcon::Warning);
    Import->setEnabled(book_->isOpen() && book_->importRefusal().isEmpty());
    reload();
}

LogbookWindow::~LogbookWindow() {
    // The view outlives the runs it shows (it goes with the window's children, after them).
    model_->show(nullptr);
}

std::optional<Engine> LogbookWindow::engine() const {
    const int row = Engines->currentRow();
    if (row < 0 || size_t(row) >= engines_.size()) return std::nullopt;
    return engines_[size_t(row)];
}

void LogbookWindow::reload() {
    const auto chosen = engine();
    load(chosen ? chosen->id : 0);
}

void LogbookWindow::load(qint64 engineId) {
    engines_ = book_->engines();
    const QSignalBlocker quiet(Engines);
    Engines->clear();
    int row = engines_.empty() ? -1 : 0;
    for (size_t k = 0; k < engines_.size(); ++k) {
        Engines->addItem(engines_[k].name);
        if (engineId == engines_[k].id) row = int(k);
    }
    Engines->setCurrentRow(row);
    chooseEngine(row);
}

void LogbookWindow::chooseEngine(int row) {
    life_ = {};
    events_.clear();
    model_->show(nullptr);
    const bool any = row >= 0 && size_t(row) < engines_.size();
    for (QPushButton* b : {Rename, Service}) b->setEnabled(any);
    // What works on the runs waits for them.
    for (QPushButton* b : {Print, SavePdf, Move, SaveCsv}) b->setEnabled(false);
    for (CanvasWidget* trend : Trends) trend->redrawFace();
    if (!any) {
        loadTask_ = {};
        Totals->setText(book_->isOpen()
                            ? tr("No engine in the logbook yet: every download goes in by itself.")
                            : book_->error());
        return;
    }
    const Engine e = engines_[size_t(row)];
    Totals->setText(tr("<b>%1</b>: reading its runs\u2026").arg(e.name.toHtmlEscaped()));
    // An engine's life is read off the interface thread: a shop's engine of a hundred thousand
    // runs takes a second the live values should have. Choosing another meanwhile drops it.
    loadTask_ = readLife(e);
    loadTask_.start();
}

bool LogbookWindow::loading() const {
    return !loadTask_.done();
}

Task<> LogbookWindow::readLife(Engine e) {
    struct Read {
        EngineLife life;
        std::vector<LogbookEvent> events;
        QString error;
    };
    Read read = co_await OffThread([path = book_->path(), id = e.id] {
        Read r;
        Logbook book(path);
        r.life = book.life(id);
        r.events = book.events(id);
        r.error = book.error();
        return r;
    });
    life_ = std::move(read.life);
    events_ = std::move(read.events);
    showLife(e, read.error);
}

void LogbookWindow::showLife(const Engine& e, const QString& error) {
    for (QPushButton* b : {Print, SavePdf, Move, SaveCsv}) b->setEnabled(true);
    {
        const EngineTotals& t = life_.totals;
        const Baseline& baseline = life_.baseline;
        QString text = tr("<b>%1</b> (%2): %3, %4, %5 min of running, %6 flagged, %7.")
                           .arg(e.name.toHtmlEscaped(),
                                e.serial ? tr("serial %1").arg(*e.serial)
                                         : tr("welcome text \"%1\"").arg(e.welcome.toHtmlEscaped()),
                                Counted(t.runs, tr("1 run"), tr("%1 runs")),
                                Counted(t.starts, tr("1 start"), tr("%1 starts")))
                           .arg(QString::fromStdString(MinutesText(t.minutes)))
                           .arg(t.flagged)
                           .arg(Counted(t.events, tr("1 event"), tr("%1 events")));
        if (t.unitCycles || t.unitTotalMinutes)
            text += tr(" The unit counts %1 cycles and %2 min in total.")
                        .arg(t.unitCycles ? QString::number(*t.unitCycles) : QStringLiteral("n/a"))
                        .arg(t.unitTotalMinutes ? QString::number(*t.unitTotalMinutes, 'f', 1)
                                                : QStringLiteral("n/a"));
        // A shift is the one thing here that asks for a look before the next run.
        if (!t.shift.empty())
            text += tr("<br><b><span style=\"color:#c00000\">%1</span></b>")
                        .arg(QString::fromStdString(t.shift).toHtmlEscaped());
        if (t.lastService) {
            const qint64 days = t.lastService->date().daysTo(QDate::currentDate());
            text += tr("<br>Last service %1 (%2); since then %3, %4 min of running.")
                        .arg(t.lastService->toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                             days <= 0 ? tr("today")
                                       : Counted(int(days), tr("1 day ago"), tr("%1 days ago")),
                             Counted(t.runsSinceService, tr("1 run"), tr("%1 runs")))
                        .arg(QString::fromStdString(MinutesText(t.minutesSinceService)));
        }
        if (baseline.runs)
            text += tr("<br>Baseline of its first %1 measured starts%2: %3 C at start, "
                       "idle after %4 s. Flagged: more than %5 C hotter, or more "
                       "than %6 times as long.")
                        .arg(baseline.runs)
                        .arg(t.lastService ? tr(" since the service") : QString())
                        .arg(*baseline.peakStartEgt, 0, 'f', 0)
                        .arg(*baseline.timeToIdleS, 0, 'f', 1)
                        .arg(kHotStartMarginC)
                        .arg(kSlowStartFactor);
        else if (baseline.since.isValid())
            text +=
                tr("<br>No measured start since the service: its baseline is "
                   "taken from the next ones.");
        const auto& events = events_;
        if (!events.empty()) {
            const LogbookEvent& last = events.back();
            const QString about = !last.file.isEmpty() ? last.file : last.detail;
            text += tr("<br>%1 recorded; the last: %2 on %3%4.")
                        .arg(Counted(int(events.size()), tr("1 operation"), tr("%1 operations")),
                             last.kind.toHtmlEscaped(),
                             last.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm")),
                             about.isEmpty() ? QString()
                                             : QStringLiteral(" (%1)").arg(about.toHtmlEscaped()));
        }
        Totals->setText(text);
        if (!error.isEmpty()) Totals->setText(error);
        model_->show(&life_.runs);
        if (!life_.runs.empty()) Runs->scrollToBottom();
    }
    for (CanvasWidget* trend : Trends) trend->redrawFace();
}

void LogbookWindow::openRun(int row) {
    if (row < 0 || size_t(row) >= life_.runs.size() || !openRun_) return;
    const LoggedRun& run = life_.runs[size_t(row)];
    // A kept copy removed (older than the kept days, or by logbook vacuum) is made again from
    // the logbook's own.
    if (!QFileInfo::exists(run.downloadFile)) {
        QDir().mkpath(QFileInfo(run.downloadFile).absolutePath());
        if (!book_->writeExport(run.downloadId, run.downloadFile)) {
            dialogs_.notify(tr("%1 cannot be opened: %2").arg(run.downloadFile, book_->error()), {},
                            MessageIcon::Warning);
            return;
        }
    }
    openRun_(run.downloadFile, run.position);
}

void LogbookWindow::PrintReport() {
    const auto e = engine();
    if (!e || !dialogTask_.done() || loading()) return;
    dialogTask_ = AskAndPrint(dialogs_, this, [this, e](QPagedPaintDevice& device) {
        return PrintEngineReport(device, *e, life_);
    });
    dialogTask_.start();
}

void LogbookWindow::SaveReport() {
    const auto e = engine();
    if (!e || !dialogTask_.done() || loading()) return;
    dialogTask_ = AskAndSave(
        dialogs_, this, e->name + QStringLiteral(".pdf"),
        [this, e](QPagedPaintDevice& device) { return PrintEngineReport(device, *e, life_); });
    dialogTask_.start();
}

void LogbookWindow::RenameEngine() {
    const auto e = engine();
    if (!e || !dialogTask_.done()) return;
    dialogTask_ = AskName(
        dialogs_, this, tr("Rename engine"), tr("The engine's new name:"), e->name,
        [this, e](const QString& name) {
            if (!book_->renameEngine(e->id, name))
                dialogs_.notify(
                    tr("The engine could not be renamed to \"%1\": %2").arg(name, book_->error()),
                    {}, MessageIcon::Warning);
            reload();
        });
    dialogTask_.start();
}

void LogbookWindow::MoveDownload() {
    const auto e = engine();
    const int row = Runs->currentIndex().isValid() ? Runs->currentIndex().row() : -1;
    if (!e || row < 0 || size_t(row) >= life_.runs.size()) {
        dialogs_.notify(tr("Choose a run of the download to move first."));
        return;
    }
    if (!dialogTask_.done()) return;
    dialogTask_ = moveTo(life_.runs[size_t(row)], e->id);
    dialogTask_.start();
}

Task<> LogbookWindow::moveTo(LoggedRun run, qint64 from) {
    QStringList names;
    for (const Engine& e : engines_)
        if (e.id != from) names << e.name;
    const QString newEngine = QCoreApplication::translate("norva::LogbookWindow", kNewEngine);
    names << newEngine;
    const QString chosen = co_await dialogs_.choose(
        tr("Move download"),
        tr("Move %1 and its runs to the engine:").arg(QFileInfo(run.downloadFile).fileName()),
        names, 0);
    if (chosen.isEmpty()) co_return;
    auto target = book_->engineNamed(chosen);
    if (!target && chosen == newEngine) {
        const QString name = co_await dialogs_.inputBox(tr("Move download"),
                                                        tr("The new engine's name:"), QString());
        if (name.trimmed().isEmpty()) co_return;
        target = EngineNamedOrNew(*book_, name.trimmed(), {});
    }
    if (!target || !book_->moveDownload(run.downloadId, target->id))
        dialogs_.notify(tr("The download could not be moved: %1").arg(book_->error()), {},
                        MessageIcon::Warning);
    reload();
}

void LogbookWindow::ImportDownload() {
    if (!book_->isOpen() || !dialogTask_.done()) return;
    dialogTask_ = importFile();
    dialogTask_.start();
}

Task<> LogbookWindow::importFile() {
    const QString path = co_await dialogs_.openFile(FileRequest(
        tr("Import download"), tr("Run-log export(*.txt)|*.txt"), QStringLiteral("txt")));
    if (path.isEmpty()) co_return;
    std::string error;
    const auto file = ReadLogbookExport(path.toStdString(), error);
    if (!file) {
        co_await dialogs_.message(QString::fromStdString(error), {}, MessageIcon::Warning);
        co_return;
    }
    const QString name = QFileInfo(path).fileName();
    if (book_->holds(*file)) {
        ImportResult known;
        known.status = ImportResult::AlreadyThere;
        co_await dialogs_.message(ImportSaid(path, known, {}));
        co_return;
    }
    auto engine = book_->engineFor(file->identity);
    if (!engine) {
        QStringList names;
        for (const Engine& e : engines_) names << e.name;
        const QString who = file->identity.welcome.isEmpty()
                                ? tr("without the unit's welcome text")
                                : tr("from a unit new to the logbook (welcome text \"%1\")")
                                      .arg(file->identity.welcome);
        const QString answer = co_await dialogs_.inputBox(
            tr("Import download"),
            tr("%1 is %2. The engine's name:%3")
                .arg(name, who,
                     names.isEmpty() ? QString()
                                     : tr("\n(known: %1)").arg(names.join(QStringLiteral(", ")))),
            ProposedEngineName(file->identity));
        if (answer.trimmed().isEmpty()) co_return;
        engine = EngineNamedOrNew(*book_, answer.trimmed(), file->identity);
        // The unit's next file goes there without asking.
        if (engine) book_->addIdentity(engine->id, file->identity);
    }
    if (!engine) {
        co_await dialogs_.message(tr("%1 was not imported: %2").arg(path, book_->error()), {},
                                  MessageIcon::Warning);
        co_return;
    }
    // Without the idle speed no start is measured. Given once, it stays with the engine and
    // measures its later files too.
    if (!book_->limitsFor(*file, *engine).idleRpm) {
        const QString answer = co_await dialogs_.inputBox(
            tr("Idle speed"),
            tr("%1 holds no configuration, and the idle speed of %2 is not known yet: without "
               "it no start is measured. Its idle speed in RPM (kept for the engine; empty: "
               "leave it unknown):")
                .arg(name, engine->name),
            QString());
        const auto rpm = ParseNumber(answer.trimmed().toStdString());
        if (rpm && *rpm > 0 && *rpm <= 1e6 && *rpm == std::floor(*rpm)) {
            if (!book_->setEngineLimits(engine->id,
                                        {.idleRpm = int(*rpm), .fullRpm = {}, .maxEgtC = {}}))
                co_await dialogs_.message(book_->error(), {}, MessageIcon::Warning);
        } else if (!answer.trimmed().isEmpty()) {
            co_await dialogs_.message(
                tr("\"%1\" is not a speed in RPM: the idle speed stays unknown.")
                    .arg(answer.trimmed()),
                {}, MessageIcon::Warning);
        }
    }
    const ImportResult result = book_->import(*file, engine->id);
    load(engine->id);  // the engine it went to, chosen
    if (result.status == ImportResult::Failed)
        co_await dialogs_.message(tr("%1 was not imported: %2").arg(path, result.error), {},
                                  MessageIcon::Warning);
    else
        co_await dialogs_.message(ImportSaid(path, result, engine->name));
}

void LogbookWindow::ServiceDone() {
    const auto e = engine();
    if (!e || !dialogTask_.done()) return;
    dialogTask_ = service(*e);
    dialogTask_.start();
}

Task<> LogbookWindow::service(Engine e) {
    const QString note = co_await dialogs_.inputBox(
        tr("Service done"),
        tr("A service of %1, done now: its baseline and its time since service start again. "
           "What was done (may be left empty):")
            .arg(e.name),
        QString());
    if (note.isNull()) co_return;  // cancelled; an empty note is a service all the same
    if (!book_->addService(e.id, QDateTime::currentDateTime(), note.trimmed()))
        dialogs_.notify(tr("The service could not be recorded: %1").arg(book_->error()), {},
                        MessageIcon::Warning);
    reload();
}

void LogbookWindow::SaveRunsCsv() {
    const auto e = engine();
    if (!e || !dialogTask_.done() || loading()) return;
    dialogTask_ = saveCsv(*e);
    dialogTask_.start();
}

Task<> LogbookWindow::saveCsv(Engine e) {
    // The runs as shown when asked, whatever is chosen while the dialog is open.
    const std::string text = RunsCsv(life_.runs);
    const int runs = int(life_.runs.size());
    const QString path = co_await dialogs_.saveFile(
        FileRequest(tr("Save runs as CSV"), tr("CSV file(*.csv)|*.csv"), QStringLiteral("csv"),
                    e.name + QStringLiteral(".csv"), true));
    if (path.isEmpty()) co_return;
    std::string error;
    if (!WriteText(path, text, error))
        co_await dialogs_.message(QString::fromStdString(error), {}, MessageIcon::Warning);
    else
        co_await dialogs_.message(
            tr("%1 of %2 went to %3.")
                .arg(Counted(runs, tr("1 run"), tr("%1 runs")), e.name, path));
}

}  // namespace norva
