#include "params/WelcomeTextWindow.h"

#include "link/Link.h"
#include "ops/Operation.h"
#include "params/ImageLayout.h"
#include "params/WelcomeText.h"
#include "ui/Dialogs.h"

namespace norva {

namespace {
const QString kNotAvailable = QStringLiteral("Backup data not available, please wait");

Task<> WriteOperation(Link& link, Dialogs& dialogs, Progress& progress, WelcomeBytes bytes) {
    co_await WriteWelcome(link, dialogs, progress, bytes);
}
}  // namespace

WelcomeTextWindow::WelcomeTextWindow(Link& link, Dialogs& dialogs, Progress& progress,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      link_(link),
      dialogs_(dialogs),
      progress_(progress),
      layout_(QSizeF(2676, 1440)) {
    setWindowTitle(QStringLiteral("Credits"));
    QFont mono(QStringLiteral("Liberation Mono"));  // Courier New's stand-in
    mono.setBold(true);
    Text1 = new QLineEdit(this);
    Text2 = new QLineEdit(this);
    for (QLineEdit* t : {Text1, Text2}) {
        t->setMaxLength(16);
        t->setFont(mono);
    }
    Command1 = new QPushButton(QStringLiteral("Read NORVA"), this);
    Command2 = new QPushButton(QStringLiteral("Write NORVA"), this);
    layout_.add(Text1, {120, 120, 2412, 396}, 12);
    layout_.add(Text2, {120, 480, 2412, 396}, 12);
    layout_.add(Command1, {120, 960, 1092, 372}, 8);
    layout_.add(Command2, {1440, 960, 1092, 372}, 8);
    connect(Command1, &QPushButton::clicked, this, &WelcomeTextWindow::Read);
    connect(Command2, &QPushButton::clicked, this, &WelcomeTextWindow::Write);
    new CancelWithWindow(link_, this);
    resize(TwipsToPixels(2676) * 2, TwipsToPixels(1440) * 2);
}

void WelcomeTextWindow::resizeEvent(QResizeEvent*) {
    layout_.apply(size());
}

void WelcomeTextWindow::Read() {
    Text1->clear();
    Text2->clear();
    if (link_.BackupByteCount < 255) {
        dialogs_.notify(kNotAvailable);
        return;
    }
    Text1->setText(params::WelcomeLine(link_.BackupImage, 1));
    Text2->setText(params::WelcomeLine(link_.BackupImage, 2));
}

void WelcomeTextWindow::Write() {
    QString bad;
    const auto bytes = EncodeWelcome(Text1->text(), Text2->text(), &bad);
    if (!bytes) {
        dialogs_.notify(QStringLiteral("The unit cannot show the character \"%1\"; nothing "
                                       "was sent. Use letters, digits and common signs.")
                            .arg(bad),
                        {}, MessageIcon::Warning);
        return;
    }
    Link& link = link_;
    Dialogs& dialogs = dialogs_;
    Progress& progress = progress_;
    StartOperation(
        link_, dialogs_,
        [&link, &dialogs, &progress, b = *bytes] {
            return WriteOperation(link, dialogs, progress, b);
        },
        true, this);
}

}  // namespace norva
