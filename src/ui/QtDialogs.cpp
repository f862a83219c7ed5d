#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace norva {

QtDialogs::~QtDialogs() {
    setBusy(false);
}

QString QtDialogs::askFile(const FileRequest& request, bool save) {
    QFileDialog dialog(parent_, request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFileFilter(request.filter));
    QString suffix = request.defaultExtension;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    // The busy pointer would hide that the program waits for the user.
    const bool wasBusy = busy_;
    setBusy(false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    setBusy(wasBusy);
    if (!accepted || dialog.selectedFiles().isEmpty()) return {};
    // Native dialogs may ignore the default suffix.
    return WithDefaultExtension(dialog.selectedFiles().constFirst(), suffix);
}

QString QtDialogs::openFile(const FileRequest& request) {
    return askFile(request, false);
}

QString QtDialogs::saveFile(const FileRequest& request) {
    return askFile(request, true);
}

QString QtDialogs::inputBox(const QString& title, const QString& prompt,
                            const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title.isEmpty() ? kProgramTitle : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

void QtDialogs::message(const QString& text, const QString& title, MessageIcon icon) {
    const QString caption = title.isEmpty() ? kProgramTitle : title;
    switch (icon) {
        case MessageIcon::Information:
            QMessageBox::information(parent_, caption, text);
            break;
        case MessageIcon::Warning:
            QMessageBox::warning(parent_, caption, text);
            break;
        case MessageIcon::Critical:
            QMessageBox::critical(parent_, caption, text);
            break;
    }
}

std::unique_ptr<QPrinter> QtDialogs::selectPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent_);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

void QtDialogs::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace norva
