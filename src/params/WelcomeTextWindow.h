#pragma once
// "Credits": reads the unit's welcome screen from the image into two fields and writes it back.

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "config/WriteGate.h"
#include "ui/TwipLayout.h"

namespace norva {

class Link;
class Dialogs;
class Progress;

class WelcomeTextWindow : public QWidget {
    Q_OBJECT
  public:
    WelcomeTextWindow(Link& link, Dialogs& dialogs, Progress& progress,
                      WriteOptions writeOptions = {}, QWidget* parent = nullptr);
    ~WelcomeTextWindow() override;

    void Read();  // "Read NORVA"
    // "Write NORVA": its progress shows on the button ("Writing 3 of 6", then "Written"),
    // both buttons wait meanwhile; Escape or closing the window cancels it.
    void Write();
    // The end of a write: the buttons back, "Written" for a while when it went through.
    void WriteFinished(bool written);

    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class ButtonProgress;

    Link& link_;
    Dialogs& dialogs_;
    Progress& progress_;
    WriteOptions writeOptions_;
    TwipLayout layout_;
    std::unique_ptr<Progress> buttonProgress_;
    QTimer restoreCaption_;  // "Written" shows for a while, then the caption is back
};

}  // namespace norva
