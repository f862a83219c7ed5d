#include "params/WelcomeTextWindow.h"

#include "link/Link.h"
#include "params/ImageLayout.h"
#include "params/WelcomeText.h"
#include "ui/Dialogs.h"

namespace norva {

namespace {
const QString kNotAvailable = QStringLiteral("Backup data not available, please wait");
const QString kBusy =
    QStringLiteral("The unit is busy with another operation; write again when it has finished.");
// The busy pointer shows for the whole write, however it ends (a cancelled write too).
struct BusyPointer {
    Dialogs& dialogs;
    explicit BusyPointer(Dialogs& d) : dialogs(d) { dialogs.setBusy(true); }
    ~BusyPointer() { dialogs.setBusy(false); }
};

Task WriteWithBusyPointer(Link& link, Dialogs& dialogs, WelcomeBytes bytes) {
    BusyPointer busy(dialogs);
    co_await WriteWelcome(link, bytes);
}
}  // namespace

WelcomeTextWindow::WelcomeTextWindow(Link& link, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), dialogs_(dialogs), layout_(QSizeF(2676, 1440)) {
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
    resize(TwipsToPixels(2676) * 2, TwipsToPixels(1440) * 2);
}

void WelcomeTextWindow::resizeEvent(QResizeEvent*) {
    layout_.apply(size());
}

void WelcomeTextWindow::Read() {
    Text1->clear();
    Text2->clear();
    if (link_.BackupByteCount < 255) {
        dialogs_.message(kNotAvailable, kProgramTitle);
        return;
    }
    Text1->setText(params::WelcomeLine(link_.BackupImage, 1));
    Text2->setText(params::WelcomeLine(link_.BackupImage, 2));
}

void WelcomeTextWindow::Write() {
    QString bad;
    const auto bytes = EncodeWelcome(Text1->text(), Text2->text(), &bad);
    if (!bytes) {
        dialogs_.message(QStringLiteral("The unit cannot show the character \"%1\"; nothing "
                                        "was sent. Use letters, digits and common signs.")
                             .arg(bad),
                         kProgramTitle, MessageIcon::Warning);
        return;
    }
    // The operation belongs to the link, not to this window: closing the window mid-write
    // lets the write finish.
    Link& link = link_;
    Dialogs& dialogs = dialogs_;
    const bool started = link_.Operation.start(
        [&link, &dialogs, b = *bytes] { return WriteWithBusyPointer(link, dialogs, b); });
    if (!started) dialogs_.message(kBusy, kProgramTitle, MessageIcon::Warning);
}

}  // namespace norva
