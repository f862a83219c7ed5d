#include "runlog/DownloadWindow.h"

#include <QFont>
#include <QPointer>
#include <QResizeEvent>

#include "runlog/Download.h"

namespace norva {

namespace {

// Translated where it is shown.
const char* const kExplanation = QT_TRANSLATE_NOOP(
    "norva::DownloadWindow",
    " To initiate the download of the last 51 minutes of engine run stored in the NORVA "
    "memory, it should be recently reseted and with the trim and throttle low. In the terminal "
    "the reading TRIM LOW must be displayed. The output is a text file, and each line are the "
    "values recorded each 0,5s. You can open it later using Notepad or import directly to "
    "Excel");
constexpr double kPoints = 9;

Task<> Ended(Task<OpStatus> operation, QPointer<DownloadWindow> window) {
    const OpStatus status = co_await std::move(operation);
    if (window) window->Finished(status);
}

}  // namespace

DownloadWindow::DownloadWindow(Services services, std::function<void(const QString&)> exported,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      exported_(std::move(exported)),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("Download measures"));
    setFont(QFont(QStringLiteral("Liberation Sans")));
    Text1 = new QPlainTextEdit(tr(kExplanation), this);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("About the download"));
    Picture1 = new CanvasWidget(this);
    Picture1->setFaceDrawing([this](Canvas& c) {
        // A red bar over the part received: 100 wide, 200 high.
        c.setBackColor(Qt::white);
        c.clear();
        c.scale(0, 0, 100, 200);
        c.setLineWidth(1);
        if (percent_ > 0) c.filledBox(0, 0, percent_, 200, QColor(255, 0, 0));
    });
    Picture1->setAccessibleName(tr("Download progress"));
    Label2 = new QLabel(this);
    Label1 = new QLabel(tr("Please Wait"), this);
    Label1->hide();
    Command1 = new QPushButton(tr("Download measures and configuration"), this);
    Download = new QPushButton(tr("Download Measures"), this);
    layout_.add(Text1, {120, 120, 6360, 1800}, kPoints);
    layout_.add(Picture1, {120, 2040, 6360, 360});
    layout_.add(Label2, {120, 2460, 4200, 300}, kPoints);
    layout_.add(Label1, {4440, 2460, 2040, 300}, kPoints);
    layout_.add(Command1, {120, 3000, 3660, 480}, kPoints);
    layout_.add(Download, {3900, 3000, 2580, 480}, kPoints);
    connect(Command1, &QPushButton::clicked, this, [this] { Start(true); });
    connect(Download, &QPushButton::clicked, this, [this] { Start(false); });
    new CancelWithWindow(services_.link, this);
    resize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
}

void DownloadWindow::Start(bool withConfiguration) {
    if (running_) {  // the button reads "Stop"
        services_.link.Operation.cancel();
        return;
    }
    DownloadOptions options;
    options.needsImage = withConfiguration;
    QPointer<DownloadWindow> self(this);
    options.received = [self](int percent, int secondsLeft) {
        if (self) self->showReceived(percent, secondsLeft);
    };
    options.exported = exported_;
    options.kept = kept_;
    const Services s = services_;
    const bool started =
        StartOperation(s.link, s.dialogs, Ended(DownloadRunLog(s, options), self), true, this);
    if (!started || !services_.link.Operation.busy()) return;
    showReceived(0, -1);
    Label1->show();
    running_ = withConfiguration ? Command1 : Download;
    runningCaption_ = running_->text();
    running_->setText(tr("Stop"));
    (withConfiguration ? Download : Command1)->setEnabled(false);
}

void DownloadWindow::Finished(OpStatus status) {
    Label1->hide();
    if (running_) running_->setText(runningCaption_);
    running_ = nullptr;
    Command1->setEnabled(true);
    Download->setEnabled(true);
    // A finished download closes the window; otherwise it stays for another try.
    if (status == OpStatus::Done) {
        hide();
        return;
    }
    if (status == OpStatus::Abandoned)
        Label2->setText(tr("Kept with the recent downloads; no file was exported."));
    else
        Label2->setText(percent_ < 100 ? tr("The download stopped at %1%.").arg(percent_)
                                       : tr("No file was exported."));
}

void DownloadWindow::showReceived(int percent, int secondsLeft) {
    percent_ = percent;
    Picture1->setAccessibleName(tr("Download progress %1%").arg(percent));
    Label2->setText(secondsLeft < 0 ? QString()
                                    : tr("%1% received, %2 s left").arg(percent).arg(secondsLeft));
    Picture1->redrawFace();
}

void DownloadWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.apply(event->size());
}

}  // namespace norva
