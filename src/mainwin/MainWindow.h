#pragma once
// The start-up window: dials, bars, the unit's terminal with its four keys, the USB and backup
// labels, and the menu bar from which everything else is reached. It lives for the whole run.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "mainwin/Config.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva::params {
class ParametersWindow;
}

namespace norva {

class Link;
class Dialogs;
class WelcomeTextWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 8000;
    static constexpr double kDesignHeightTwips = 5940;

    // Reads the configuration at configPath (never creating it) and sets itself up from it.
    MainWindow(Link& link, Dialogs& dialogs, QString configPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    void ShowLiveValues();
    void DrawDials();

    const Config& config() const { return config_; }
    Link& link() { return link_; }

    // Controls under their design names, for the operations of later windows and for tests.
    CanvasWidget *Picture4, *Picture3, *Picture1, *Picture2;
    QLabel *Label3, *Label4, *Label5, *Label9, *Label12, *Label13, *Label6, *Label7, *Label1;
    QLabel *Label11, *Label2, *Label14, *Label16;
    QLineEdit *Text1, *Text2;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    QCheckBox* Check1;
    QLabel* ProgressLabel;  // Label16

    QMenu *File, *Grafic, *manu;
    QAction *Save, *WriteP, *exit, *PGraph, *TGraph, *Autostart, *Rampas, *credit, *Donw;
    QAction *Saveall, *Writeall, *Cleartimer, *ClearService, *SerNum, *Advanced, *Versio;

    // "&Parameters": a new parameters window, or the open one brought to the front.
    void ShowParameters();
    // The open parameters window; null when none is open.
    params::ParametersWindow* parametersWindow() const;

    // "&Exit": settings and geometry saved, unit closed, program ended.
    void Exit();
    // The layout rule for an inner (client) size in logical pixels: controls placed, dials
    // redrawn, values shown again. Runs on every resize of the client area.
    void LayoutControls(QSize inner);
    // "&Credits": the welcome-text window.
    void ShowWelcomeText();
    WelcomeTextWindow* welcomeWindow() const { return welcomeWindow_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void applyAccessLevel();
    void applyGeometry();
    void saveGeometry();

    Link& link_;
    Dialogs& dialogs_;
    QString configPath_;
    Config config_;
    TwipLayout layout_;
    int speedAngle_ = 0;
    int temperatureAngle_ = 0;
    // What the needles and bars show: kept, so a repaint never shows newer values than
    // ShowLiveValues last put up.
    double shownStick_ = 0;
    double shownPump_ = 0;
    QColor stickColour_;
    bool exiting_ = false;
    // The geometry as read, so an unchanged window writes back exactly what it was given
    // rather than its size rounded to whole pixels.
    Geometry readGeometry_;
    QRect appliedPixels_;
    WelcomeTextWindow* welcomeWindow_ = nullptr;  // a child window, owned by this one
    // Deleted on close, so the next opening builds it afresh.
    QPointer<params::ParametersWindow> parameters_;
};

}  // namespace norva
