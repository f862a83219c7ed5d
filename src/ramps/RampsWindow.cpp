#include "ramps/RampsWindow.h"

#include <QFont>
#include <QPointer>
#include <QResizeEvent>
#include <cmath>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "link/Link.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {

// Translated where they are shown.
const char* const kHelp = QT_TRANSLATE_NOOP(
    "norva::RampsWindow",
    "-Enter the absolute speed value from 0 to 255. 0 is idle and 255 is full power. If you "
    "fill the above fields whit the real idle and full power rpm, you will see the real rpm in "
    "to the relative speed column.  The slope values should be between 1 and 32, and the last "
    "value on the acceleration ramp should be of low value to avoid the posibility to "
    "overspeed the engine in accelerations close to max power.");
const char* const kFilter = QT_TRANSLATE_NOOP("norva::RampsWindow", "Norva ramp(*.rmp)|*.rmp");
const QString kExtension = QStringLiteral("rmp");
const QString kBadField = QStringLiteral("QLineEdit { border: 2px solid rgb(255,0,0); }");
constexpr double kPoints = 8;
constexpr double kRowTop = 960;
constexpr double kRowPitch = 360;
constexpr double kRowHeight = 288;

Task<> Ended(Task<OpStatus> operation) {
    co_await std::move(operation);
}

Task<> LoadFile(Dialogs& dialogs, QPointer<RampsWindow> window) {
    const FileRequest request(QString(), RampsWindow::tr(kFilter), kExtension);
    const QString path = co_await dialogs.openFile(request);
    if (path.isEmpty() || !window) co_return;
    std::string error;
    const auto fields = ReadRampFile(path.toStdString(), error);
    if (!fields) {
        // The editor stays as it was: no half-loaded table.
        co_await dialogs.message(QString::fromStdString(error), {}, MessageIcon::Warning);
        co_return;
    }
    window->setFieldsFromFile(*fields);
}

Task<> SaveFile(Dialogs& dialogs, RampFields fields) {
    std::string error;
    const auto lines = RampFileLines(fields, error);
    if (!lines) {
        co_await dialogs.message(
            RampsWindow::tr("%1. Nothing was saved.").arg(QString::fromStdString(error)), {},
            MessageIcon::Warning);
        co_return;
    }
    const FileRequest request(QString(), RampsWindow::tr(kFilter), kExtension, {}, true);
    const QString path = co_await dialogs.saveFile(request);
    if (path.isEmpty()) co_return;
    if (!WriteLines(path, *lines, error))
        co_await dialogs.message(QString::fromStdString(error), {}, MessageIcon::Warning);
}

}  // namespace

// The window's own "Please Wait" label for its transfers, with the program's busy pointer.
class RampsWindow::LabelProgress : public Progress {
  public:
    LabelProgress(QLabel* label, Progress& pointer) : label_(label), pointer_(pointer) {}
    void show(const QString&, bool) override {
        if (label_) label_->show();
    }
    void setPercent(int) override {}
    void hide() override {
        if (label_) label_->hide();
    }
    void setBusy(bool busy) override { pointer_.setBusy(busy); }

  private:
    QPointer<QLabel> label_;
    Progress& pointer_;
};

RampsWindow::RampsWindow(Services services, WriteOptions writeOptions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      writeOptions_(std::move(writeOptions)),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("Acceleration/Deceleration ramps"));
    setFont(QFont(QStringLiteral("Liberation Sans")));
    buildControls();
    labelProgress_ = std::make_unique<LabelProgress>(Label11, services_.progress);
    new CancelWithWindow(services_.link, this);
    // Drawn at once; Write stays off until the unit's own ramps have replaced these.
    setFields(DefaultRampFields());
    connect(&services_.link, &Link::dispatched, this, &RampsWindow::followImage);
    followImage();
    resize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
}

RampsWindow::~RampsWindow() = default;

void RampsWindow::buildControls() {
    for (int n = 1; n <= 50; ++n) {
        fields_[n - 1] = new QLineEdit(this);
        fields_[n - 1]->setObjectName(QStringLiteral("Text%1").arg(n));
    }
    Picture1 = new CanvasWidget(this);
    Picture1->setFaceDrawing([this](Canvas& c) {
        c.setBackColor(Qt::white);
        if (view_)
            DrawRamps(c, *view_);
        else
            c.clear();
    });
    Text51 = new QPlainTextEdit(tr(kHelp), this);
    Text51->setReadOnly(true);
    Text51->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* fullLabel = new QLabel(tr("Full throttle speed:"), this);
    auto* idleLabel = new QLabel(tr("Idle speed:"), this);
    Frame1 = new QGroupBox(tr("Acceleration"), this);
    Frame2 = new QGroupBox(tr("Deceleration"), this);
    Label11 = new QLabel(tr("Please Wait"), this);
    Label11->setAlignment(Qt::AlignCenter);
    Label11->hide();
    Command1 = new QPushButton(tr("Load File"), this);
    Command2 = new QPushButton(tr("Save File"), this);
    Command3 = new QPushButton(tr("Read NORVA"), this);
    Command4 = new QPushButton(tr("Write to NORVA"), this);
    Command4->setEnabled(false);
    Label12 = new QLabel(tr("Reading the unit's configuration…"), this);
    Label12->setWordWrap(true);
    Command1->setShortcut(QKeySequence::Open);
    Command2->setShortcut(QKeySequence::Save);
    Picture1->setAccessibleName(tr("Ramp chart"));
    Text51->setAccessibleName(tr("How to edit the ramps"));
    // The captions name their fields for screen readers.
    fullLabel->setBuddy(field(kFullThrottleField));
    idleLabel->setBuddy(field(kIdleField));

    const std::pair<QWidget*, TwipRect> places[] = {
        {Picture1, {360, 240, 2796, 1332}},  {Text51, {120, 1800, 3012, 2412}},
        {fullLabel, {720, 4320, 1380, 288}}, {field(kFullThrottleField), {2160, 4320, 852, 288}},
        {idleLabel, {1200, 4680, 900, 288}}, {field(kIdleField), {2160, 4680, 852, 288}},
        {Frame1, {3360, 240, 3012, 3972}},   {Frame2, {7080, 240, 2412, 3972}},
        {Command1, {360, 5160, 1692, 492}},  {Command2, {2280, 5160, 1692, 492}},
        {Command3, {4200, 5160, 1692, 492}}, {Command4, {6120, 5160, 1692, 492}},
    };
    for (const auto& [widget, place] : places) layout_.add(widget, place, kPoints);
    layout_.add(Label11, {5760, 4440, 2292, 492}, 18);
    layout_.add(Label12, {7920, 5160, 1884, 492}, kPoints);
    buildFrame(Frame1, 1, 35, 3012);
    buildFrame(Frame2, 17, 43, 2412);

    // Locked: row 8's speed is always 255, row 1's slope comes from the unit or a file.
    for (int n : {15, 31, 2, 18}) field(n)->setReadOnly(true);
    for (int n = 35; n <= 50; ++n) field(n)->setReadOnly(true);
    for (int n = 1; n <= kRampFields; ++n) {
        connect(field(n), &QLineEdit::textChanged, this, [this] {
            if (!filling_) pinta();
        });
        connect(field(n), &QLineEdit::textEdited, this, [this] { edited_ = true; });
    }
    connect(Command1, &QPushButton::clicked, this, &RampsWindow::Load);
    connect(Command2, &QPushButton::clicked, this, &RampsWindow::Save);
    connect(Command3, &QPushButton::clicked, this, &RampsWindow::Read);
    connect(Command4, &QPushButton::clicked, this, &RampsWindow::Write);
}

void RampsWindow::buildFrame(QGroupBox* frame, int firstField, int firstRelative, double width) {
    const double column = (width - 240) / 3;  // three columns with margins
    const QString headers[] = {tr("Relative speed:"), tr("Absolute Speed:"), tr("Slope Value:")};
    auto* upTo = new QLabel(tr("Up to:"), frame);
    layout_.add(upTo, {120, 240, 2 * column, 240}, kPoints);
    for (int c = 0; c < 3; ++c) {
        auto* header = new QLabel(headers[c], frame);
        header->setWordWrap(true);
        layout_.add(header, {120 + c * column, 480, column - 60, 456}, kPoints);
    }
    for (int r = 0; r < kRampRows; ++r) {
        QLineEdit* row[] = {field(firstRelative + r), field(firstField + 2 * r),
                            field(firstField + 2 * r + 1)};
        for (int c = 0; c < 3; ++c) {
            row[c]->setParent(frame);
            row[c]->setAccessibleName(tr("%1 row %2, %3")
                                          .arg(frame->title())
                                          .arg(r + 1)
                                          .arg(headers[c].chopped(1).toLower()));
            layout_.add(row[c],
                        {120 + c * column, kRowTop + r * kRowPitch, column - 60, kRowHeight},
                        kPoints);
        }
    }
}

RampFields RampsWindow::fields() const {
    RampFields f;
    for (int n = 1; n <= kRampFields; ++n) f[n - 1] = field(n)->text();
    return f;
}

void RampsWindow::setFields(const RampFields& fields) {
    filling_ = true;
    for (int n = 1; n <= kRampFields; ++n) field(n)->setText(fields[n - 1]);
    filling_ = false;
    pinta();
}

void RampsWindow::setFieldsFromFile(const RampFields& fields) {
    edited_ = true;
    setFields(fields);
}

void RampsWindow::followImage() {
    const bool complete = services_.link.BackupByteCount >= Link::kImageComplete;
    if (complete == imageComplete_) return;  // the usual report: nothing to do
    imageComplete_ = complete;
    Command4->setEnabled(complete);
    Label12->setVisible(!complete);
    if (complete && !edited_) setFields(RampFieldsFromImage(services_.link.BackupImage));
}

void RampsWindow::pinta() {
    int bad = 0;
    auto view = Pinta(fields(), &bad);
    for (int n = 1; n <= kRampFields; ++n) {
        QString why;
        if (n == bad) {
            why = tr("Not a number: the relative speeds and the chart wait for a number here");
        } else if (n <= kRampWriteFields) {
            const auto number = ParseNumber(field(n)->text().toStdString());
            const auto sent = RampSentValue(field(n)->text());
            if (number && sent && (std::floor(*number) < 1 || std::floor(*number) > 255))
                why = tr("The unit takes 1 to 255: %1 will be sent").arg(*sent);
        }
        field(n)->setStyleSheet(why.isEmpty() ? QString() : kBadField);
        field(n)->setToolTip(why);
    }
    if (!view) return;  // the column and the chart stay as they were
    view_ = std::move(view);
    filling_ = true;
    field(15)->setText(QStringLiteral("255"));
    field(31)->setText(QStringLiteral("255"));
    filling_ = false;
    for (int row = 0; row < 16; ++row) field(35 + row)->setText(view_->relative[row]);
    Picture1->redrawFace();
}

void RampsWindow::Read() {
    edited_ = false;  // asked for the unit's ramps: they come in with its image if not now
    if (services_.link.BackupByteCount < Link::kImageComplete) {
        services_.dialogs.notify(tr("Backup data not available, please wait"));
        return;
    }
    ProgressScope wait(*labelProgress_, tr("Please Wait"));
    setFields(RampFieldsFromImage(services_.link.BackupImage));
}

void RampsWindow::Write() {
    const Services s(services_.link, services_.dialogs, *labelProgress_);
    const RampFields f = fields();
    const WriteOptions options = writeOptions_;
    QPointer<RampsWindow> self(this);
    // Once the ramps are out the fields show what the unit was sent, not what was typed.
    const auto sent = [self](const RampFields& values) {
        if (self) self->setFields(values);
    };
    StartOperation(s.link, s.dialogs, Ended(WriteRamps(s, f, options, sent)), true, this);
}

void RampsWindow::Load() {
    if (!fileTask_.done()) return;
    fileTask_ = LoadFile(services_.dialogs, QPointer<RampsWindow>(this)).started();
}

void RampsWindow::Save() {
    if (!fileTask_.done()) return;
    fileTask_ = SaveFile(services_.dialogs, fields()).started();
}

void RampsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.apply(event->size());
}

}  // namespace norva
