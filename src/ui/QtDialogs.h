#pragma once
// The program's dialogs: Qt's standard file, input, message and printer dialogs, opened with
// open() and awaited, never run with exec(). They appear over the active window.

#include <QPointer>
#include <QWidget>

#include "ui/Dialogs.h"

namespace norva {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The window dialogs belong to when no window of the program is active.
    void setParent(QWidget* parent) { parent_ = parent; }

    Task<QString> openFile(FileRequest request) override;
    Task<QString> saveFile(FileRequest request) override;
    Task<QString> inputBox(QString title, QString prompt, QString defaultText) override;
    Task<QString> password(QString title, QString prompt) override;
    Task<QString> choose(QString title, QString prompt, QStringList items, int current) override;
    Task<> message(QString text, QString title = {},
                   MessageIcon icon = MessageIcon::Information) override;
    void notify(const QString& text, const QString& title = {},
                MessageIcon icon = MessageIcon::Information) override;
    Task<bool> ask(QString question, QString details = {}, QString title = {}) override;
    Task<Choice> askWithOption(QString question, QString details, QString option) override;
    Task<std::unique_ptr<QPagedPaintDevice>> selectPrinter() override;

  private:
    Task<QString> askFile(FileRequest request, bool save);
    QWidget* owner() const;

    QPointer<QWidget> parent_;
};

}  // namespace norva
