#include "compare/DifferencesWindow.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

namespace norva {

DifferencesWindow::DifferencesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Compare with file"));
    text = new QPlainTextEdit(this);
    text->setReadOnly(true);
    text->setAccessibleName(tr("Differences"));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    copy = new QPushButton(tr("&Copy"), this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(text->toPlainText()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    resize(720, 420);
    // A list to read and leave: Escape closes it, as a message box.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void DifferencesWindow::show(const QString& file, const QStringList& lines) {
    const QString name = QFileInfo(file).fileName();
    setWindowTitle(tr("Compare with file: %1").arg(name));
    text->setPlainText(
        lines.isEmpty() ? tr("The unit holds every value of %1.").arg(name)
                        : tr("Unit -> %1, %2 %3:\n")
                                  .arg(name)
                                  .arg(lines.size())
                                  .arg(lines.size() == 1 ? tr("difference") : tr("differences")) +
                              lines.join('\n'));
    QWidget::show();
    raise();
    activateWindow();
}

}  // namespace norva
