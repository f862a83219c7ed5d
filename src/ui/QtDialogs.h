#pragma once
// The program's dialogs: Qt's standard modal file, input, message and printer dialogs.

#include <QPointer>
#include <QWidget>

#include "ui/Dialogs.h"

namespace norva {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtDialogs() override;

    void setParent(QWidget* parent) { parent_ = parent; }

    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString inputBox(const QString& title, const QString& prompt,
                     const QString& defaultText) override;
    void message(const QString& text, const QString& title = {},
                 MessageIcon icon = MessageIcon::Information) override;
    std::unique_ptr<QPrinter> selectPrinter() override;
    void setBusy(bool busy) override;

  private:
    QString askFile(const FileRequest& request, bool save);

    QPointer<QWidget> parent_;
    bool busy_ = false;
};

}  // namespace norva
