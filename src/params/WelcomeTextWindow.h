#pragma once
// "Credits": reads the unit's welcome screen from the image into two fields and writes it back.

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/TwipLayout.h"

namespace norva {

class Link;
class Dialogs;
class Progress;

class WelcomeTextWindow : public QWidget {
    Q_OBJECT
  public:
    WelcomeTextWindow(Link& link, Dialogs& dialogs, Progress& progress, QWidget* parent = nullptr);

    void Read();   // "Read NORVA"
    void Write();  // "Write NORVA"; Escape or closing the window cancels it

    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    Link& link_;
    Dialogs& dialogs_;
    Progress& progress_;
    TwipLayout layout_;
};

}  // namespace norva
