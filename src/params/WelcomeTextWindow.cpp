#include "params/WelcomeTextWindow.h"

#include <QFontMetrics>
#include <QStringList>

#include "link/Link.h"
#include "ops/OperationTools.h"
#include "params/WelcomeText.h"
#include "protocol/ImageLayout.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// Translated where it is shown.
const char* const kWriteCaption = QT_TRANSLATE_NOOP("norva::WelcomeTextWindow", "Write NORVA");
constexpr int kWrittenShownMs = 3000;
// The design's size with a line below the buttons for why Write waits.
constexpr double kWidthTwips = 2676;
constexpr double kHeightTwips = 1860;

Task<> WriteOperation(Services s, WelcomeBytes bytes, WriteOptions options,
                      QPointer<WelcomeTextWindow> window) {
    const OpStatus status = co_await WriteWelcome(s, bytes, options);
    if (window) window->WriteFinished(status == OpStatus::Done);
}

// As much of `text` as fits in `room`, cut between words ("Confirming…", never
// "Confirmi…") and keeping a closing percentage ("Reading… 40%"); cut within the first word
// only when not even that fits.
QString Shortened(const QString& text, const QFontMetrics& metrics, int room) {
    if (metrics.horizontalAdvance(text) <= room) return text;
    QStringList words = text.split(QLatin1Char(' '));
    const QString percent =
        words.size() > 1 && words.last().endsWith(QLatin1Char('%')) ? words.takeLast() : QString();
    const QString tail = QStringLiteral("\u2026") + (percent.isEmpty() ? QString() : ' ' + percent);
    for (qsizetype n = words.size() - 1; n >= 1; --n) {
        const QString shown = QStringList(words.mid(0, n)).join(' ') + tail;
        if (metrics.horizontalAdvance(shown) <= room) return shown;
    }
    return metrics.elidedText(text, Qt::ElideRight, room);
}
}  // namespace

// The write's progress on the window itself, on the Write button; the busy pointer is the
// program's.
class WelcomeTextWindow::ButtonProgress : public Progress {
  public:
    ButtonProgress(WelcomeTextWindow& window, Progress& pointer)
        : window_(window), pointer_(pointer) {}
    // A text longer than the button ("Reading the unit's configuration 40%") ends in an
    // ellipsis there and stands whole in its tooltip.
    void show(const QString& text, bool) override {
        QPushButton* b = window_.Command2;
        const int room = b->contentsRect().width() - 8;
        const QString shown = Shortened(text, b->fontMetrics(), room);
        b->setText(shown);
        b->setToolTip(shown == text ? QString() : text);
    }
    void setPercent(int) override {}
    void hide() override {}
    void setBusy(bool busy) override { pointer_.setBusy(busy); }

  private:
    WelcomeTextWindow& window_;
    Progress& pointer_;
};

WelcomeTextWindow::WelcomeTextWindow(Link& link, Dialogs& dialogs, Progress& progress,
                                     WriteOptions writeOptions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      link_(link),
      dialogs_(dialogs),
      progress_(progress),
      writeOptions_(std::move(writeOptions)),
      layout_(QSizeF(kWidthTwips, kHeightTwips)) {
    setWindowTitle(tr("Credits"));
    QFont mono(QStringLiteral("Liberation Mono"));  // Courier New's stand-in
    mono.setBold(true);
    Text1 = new QLineEdit(this);
    Text2 = new QLineEdit(this);
    Text1->setAccessibleName(tr("Welcome text line 1"));
    Text2->setAccessibleName(tr("Welcome text line 2"));
    for (QLineEdit* t : {Text1, Text2}) {
        t->setMaxLength(16);
        t->setFont(mono);
    }
    Command1 = new QPushButton(tr("Read NORVA"), this);
    Command2 = new QPushButton(tr(kWriteCaption), this);
    Command2->setEnabled(false);
    Label1 = new QLabel(tr("Reading the unit's configuration…"), this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    layout_.add(Text1, {120, 120, 2412, 396}, 12);
    layout_.add(Text2, {120, 480, 2412, 396}, 12);
    layout_.add(Command1, {120, 960, 1092, 372}, 8);
    layout_.add(Command2, {1440, 960, 1092, 372}, 8);
    layout_.add(Label1, {120, 1380, 2412, 408}, 8);
    connect(Command1, &QPushButton::clicked, this, &WelcomeTextWindow::Read);
    connect(Command2, &QPushButton::clicked, this, &WelcomeTextWindow::Write);
    for (QLineEdit* t : {Text1, Text2})
        connect(t, &QLineEdit::textEdited, this, [this] { edited_ = true; });
    connect(&link_, &Link::dispatched, this, &WelcomeTextWindow::followImage);
    new CancelWithWindow(link_, this);
    buttonProgress_ = std::make_unique<ButtonProgress>(*this, progress_);
    restoreCaption_.setSingleShot(true);
    restoreCaption_.setInterval(kWrittenShownMs);
    connect(&restoreCaption_, &QTimer::timeout, this,
            [this] { Command2->setText(tr(kWriteCaption)); });
    // The design size, like every other window; a larger window scales the layout.
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
    followImage();
}

WelcomeTextWindow::~WelcomeTextWindow() = default;

void WelcomeTextWindow::resizeEvent(QResizeEvent*) {
    layout_.apply(size());
}

void WelcomeTextWindow::Read() {
    Text1->clear();
    Text2->clear();
    edited_ = false;  // asked for the unit's text: it comes in with the image if not now
    if (link_.BackupByteCount < Link::kImageComplete) {
        dialogs_.notify(tr("Backup data not available, please wait"));
        return;
    }
    showUnitText();
}

void WelcomeTextWindow::showUnitText() {
    Text1->setText(params::WelcomeLine(link_.BackupImage, 1));
    Text2->setText(params::WelcomeLine(link_.BackupImage, 2));
}

void WelcomeTextWindow::followImage() {
    const bool complete = link_.BackupByteCount >= Link::kImageComplete;
    if (complete == imageComplete_) return;  // the usual report: nothing to do
    imageComplete_ = complete;
    Command2->setEnabled(complete && !writing_);
    Label1->setVisible(!complete);
    if (complete && !edited_) showUnitText();
}

void WelcomeTextWindow::Write() {
    char32_t bad = 0;
    const auto bytes = EncodeWelcome(Text1->text(), Text2->text(), &bad);
    if (!bytes) {
        dialogs_.notify(CannotShowText(bad), {}, MessageIcon::Warning);
        return;
    }
    Services s(link_, dialogs_, *buttonProgress_);
    s.journal = journal;
    const WriteOptions options = writeOptions_;
    QPointer<WelcomeTextWindow> self(this);
    restoreCaption_.stop();
    writing_ = true;
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    const bool started =
        StartOperation(link_, dialogs_, WriteOperation(s, *bytes, options, self), true, this);
    if (!started) {
        writing_ = false;
        Command1->setEnabled(true);
        Command2->setEnabled(imageComplete_);
    }
}

void WelcomeTextWindow::WriteFinished(bool written) {
    writing_ = false;
    followImage();  // a finished write starts the image afresh
    Command2->setToolTip(QString());
    Command1->setEnabled(true);
    Command2->setEnabled(imageComplete_);
    Command2->setText(written ? tr("Written") : tr(kWriteCaption));
    if (written) restoreCaption_.start();
}

}  // namespace norva
