#include "ui/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <coroutine>

namespace norva {

namespace {

// A dialog that the awaiting coroutine owns: deleted when the coroutine ends or is destroyed
// while the dialog is still open (quitting). Qt may have deleted it first, with its parent.
template <typename D>
struct Owned {
    QPointer<D> dialog;
    explicit Owned(D* d) : dialog(d) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { delete dialog.data(); }
    D* operator->() const { return dialog.data(); }
};

// Opens the dialog and suspends until it is finished. The result arrives queued, so the
// coroutine never goes on inside the dialog's own signal.
class Finished {
  public:
    explicit Finished(QDialog* dialog) : dialog_(dialog) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle) {
        QObject::connect(
            dialog_, &QDialog::finished, &context_,
            [this, handle](int result) {
                result_ = result;
                handle.resume();
            },
            Qt::QueuedConnection);
        dialog_->open();
    }
    int await_resume() const noexcept { return result_; }

  private:
    QDialog* dialog_;
    QObject context_;  // ends the connection, and any result still queued, with the wait
    int result_ = QDialog::Rejected;
};

// The normal pointer over a dialog, whatever an operation has put up meanwhile.
struct NormalPointer {
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_.data();
}

Task<QString> QtDialogs::askFile(FileRequest request, bool save) {
    Owned<QFileDialog> dialog(new QFileDialog(owner(), request.title));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(QtFileFilter(request.filter));
    QString suffix = request.defaultExtension;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog->setDefaultSuffix(suffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.initialName.isEmpty()) dialog->selectFile(request.initialName);
    NormalPointer pointer;
    const int result = co_await Finished(dialog.dialog);
    if (!dialog.dialog || result != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        co_return QString();
    // Native dialogs may ignore the default suffix.
    co_return WithDefaultExtension(dialog->selectedFiles().constFirst(), suffix);
}

Task<QString> QtDialogs::openFile(FileRequest request) {
    return askFile(request, false);
}

Task<QString> QtDialogs::saveFile(FileRequest request) {
    return askFile(request, true);
}

Task<QString> QtDialogs::inputBox(QString title, QString prompt, QString defaultText) {
    Owned<QInputDialog> dialog(new QInputDialog(owner()));
    dialog->setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    NormalPointer pointer;
    const int result = co_await Finished(dialog.dialog);
    if (!dialog.dialog || result != QDialog::Accepted) co_return QString();
    // An empty text accepted stays apart from a cancel.
    const QString text = dialog->textValue();
    co_return text.isNull() ? QStringLiteral("") : text;
}

Task<QString> QtDialogs::password(QString title, QString prompt) {
    Owned<QInputDialog> dialog(new QInputDialog(owner()));
    dialog->setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    dialog->setLabelText(prompt);
    dialog->setTextEchoMode(QLineEdit::Password);
    NormalPointer pointer;
    const int result = co_await Finished(dialog.dialog);
    co_return dialog.dialog&& result == QDialog::Accepted ? dialog->textValue() : QString();
}

Task<QString> QtDialogs::choose(QString title, QString prompt, QStringList items, int current) {
    Owned<QInputDialog> dialog(new QInputDialog(owner()));
    dialog->setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    dialog->setLabelText(prompt);
    dialog->setComboBoxItems(items);
    dialog->setComboBoxEditable(false);
    if (current >= 0 && current < items.size()) dialog->setTextValue(items[current]);
    NormalPointer pointer;
    const int result = co_await Finished(dialog.dialog);
    co_return dialog.dialog&& result == QDialog::Accepted ? dialog->textValue() : QString();
}

Task<> QtDialogs::message(QString text, QString title, MessageIcon icon) {
    Owned<QMessageBox> box(new QMessageBox(BoxIcon(icon), title.isEmpty() ? kProgramTitle : title,
                                           text, QMessageBox::Ok, owner()));
    NormalPointer pointer;
    co_await Finished(box.dialog);
}

void QtDialogs::notify(const QString& text, const QString& title, MessageIcon icon) {
    auto* box = new QMessageBox(BoxIcon(icon), title.isEmpty() ? kProgramTitle : title, text,
                                QMessageBox::Ok, owner());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

namespace {
// A short list is read at a glance; a long one scrolls in the details.
void SetDetails(QMessageBox& box, const QString& details) {
    constexpr int kShownLines = 12;
    const QStringList lines = details.split('\n');
    if (lines.size() <= kShownLines) {
        box.setInformativeText(details);
    } else {
        box.setInformativeText(lines.mid(0, kShownLines).join('\n') + QStringLiteral("\n…"));
        box.setDetailedText(details);
    }
}
}  // namespace

Task<bool> QtDialogs::ask(QString question, QString details, QString title) {
    Owned<QMessageBox> box(new QMessageBox(QMessageBox::Question,
                                           title.isEmpty() ? kProgramTitle : title, question,
                                           QMessageBox::Yes | QMessageBox::No, owner()));
    box->setDefaultButton(QMessageBox::No);
    SetDetails(*box.dialog, details);
    NormalPointer pointer;
    const int result = co_await Finished(box.dialog);
    co_return box.dialog&& result == QMessageBox::Yes;
}

Task<Dialogs::Choice> QtDialogs::askWithOption(QString question, QString details, QString option) {
    Owned<QMessageBox> box(new QMessageBox(QMessageBox::Question, kProgramTitle, question,
                                           QMessageBox::Yes | QMessageBox::No, owner()));
    box->setDefaultButton(QMessageBox::No);
    SetDetails(*box.dialog, details);
    // A check box does not wrap, and the box does not widen for it: a long option goes on two
    // lines, after its colon.
    const int colon = option.indexOf(QStringLiteral(": "));
    if (option.size() > 60 && colon > 0) option.replace(colon, 2, QStringLiteral(":\n"));
    box->setCheckBox(new QCheckBox(option));
    NormalPointer pointer;
    const int result = co_await Finished(box.dialog);
    if (!box.dialog) co_return Choice{};
    co_return Choice{result == QMessageBox::Yes, box->checkBox()->isChecked()};
}

Task<std::unique_ptr<QPagedPaintDevice>> QtDialogs::selectPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    {
        Owned<QPrintDialog> dialog(new QPrintDialog(printer.get(), owner()));
        NormalPointer pointer;
        const int result = co_await Finished(dialog.dialog);
        if (result != QDialog::Accepted) co_return nullptr;
    }
    co_return printer;
}

}  // namespace norva
