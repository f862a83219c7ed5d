#pragma once
// "Credits": the unit's welcome screen in two fields, from its image as soon as that is whole
// (until then Write waits), and written back.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
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
    // Where a confirmed write is noted (the engine logbook), as the other windows' are.
    std::function<void(const QString&, const QString&, const QString&)> journal;
    ~WelcomeTextWindow() override;

    void Read();  // "Read NORVA"; the unit's text comes in when its image is whole
    // "Write NORVA": its progress shows on the button ("Writing 3 of 6", then "Written"),
    // both buttons wait meanwhile; Escape or closing the window cancels it.
    void Write();
    // The end of a write: the buttons back, "Written" for a while when it went through.
    void WriteFinished(bool written);

    QLineEdit *Text1, *Text2;          // the two lines
    QPushButton *Command1, *Command2;  // read, write
    QLabel* Label1;                    // "Reading the unit's configuration…" while Write waits

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class ButtonProgress;
    // After every report: Write follows whether the image is whole, and a fresh whole image
    // fills the lines unless the user has typed since the last fill.
    void followImage();
    void showUnitText();

    Link& link_;
    Dialogs& dialogs_;
    Progress& progress_;
    WriteOptions writeOptions_;
    TwipLayout layout_;
    std::unique_ptr<Progress> buttonProgress_;
    QTimer restoreCaption_;       // "Written" shows for a while, then the caption is back
    bool imageComplete_ = false;  // as last seen; the controls open in the waiting state
    bool edited_ = false;         // typed since the unit's text was last shown
    bool writing_ = false;        // from Write until WriteFinished
};

}  // namespace norva
