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
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "base/Settings.h"
#include "live/Gauges.h"
#include "logbook/Logbook.h"
#include "mainwin/WindowProgress.h"
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
    // How long no unit may be found before the window says how to go on.
    static constexpr int kNoUnitHintMs = 3000;

    // A view of the link and the settings (read by the caller); its geometry comes from the
    // settings file at settingsPath. The caller binds the menu items that open other windows.
    MainWindow(Link& link, Dialogs& dialogs, Config& settings, QString settingsPath,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    void ShowLiveValues();
    void DrawDials();

    const Config& config() const { return settings_; }
    Link& link() { return link_; }
    // The progress label and busy pointer, for the operations.
    Progress& progress() { return *progress_; }

    // Controls under their design names, for the operations of later windows and for tests.
    CanvasWidget *Picture4, *Picture3, *Picture1, *Picture2;
    QLabel *Label3, *Label4, *Label5, *Label9, *Label12, *Label13, *Label6, *Label7, *Label1;
    QLabel *Label11, *Label2, *Label14, *Label16;
    QLineEdit *Text1, *Text2;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    QCheckBox* Check1;
    QLabel* ProgressLabel;  // Label16
    QLabel* NoUnitHint;     // over the terminal lines while no unit has been found for a while
    QLabel* StatusUnit;     // in the status bar: what the window is connected to, or "No unit"
    QLabel* StatusEngine;   // in the status bar: the unit's engine in the logbook, when known
    QToolButton* StopReplayButton;  // in the status bar: "&Stop replay" while a replay plays

    QMenu *File, *Grafic, *manu;
    QAction *Save, *WriteP, *exit, *PGraph, *TGraph, *Autostart, *Rampas, *credit, *Donw;
    QAction *Saveall, *Writeall, *Cleartimer, *ClearService, *SerNum, *Advanced, *Versio;
    QAction* Compare;  // "Compare with file…"
    QAction* Logbook;  // the engine logbook
    // "&Stop replay": back to the unit the program was started with; shown while a replay
    // started from the time chart plays.
    QAction* StopReplay;

    // The layout rule for an inner (client) size in logical pixels: controls placed, dials
    // redrawn, values shown again. Runs on every resize of the client area.
    void LayoutControls(QSize inner);
    // Writes [FormSize] Form1W/H/L/T; false, with the reason in error, when it could not.
    bool saveGeometry(std::string* error = nullptr);
    // Closes the window without a second shut-down ("&Exit" has done it).
    void closeForExit();
    // The status bar's engine: its name and serial number, or nothing when none is known.
    void showEngine(const std::optional<Engine>& engine);

  signals:
    // The window is being closed by the user: the program ends.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void buildStatusBar();
    void applyAccessLevel();
    void applyGeometry();
    void FitCheckBox(QSize inner);
    void onDispatched();
    void onPolled();
    void nameLiveControls();

    Link& link_;
    Dialogs& dialogs_;
    Config& settings_;
    QString settingsPath_;
    std::unique_ptr<WindowProgress> progress_;
    TwipLayout layout_;
    int speedAngle_ = 0;
    int temperatureAngle_ = 0;
    // What the needles and bars show: kept, so a repaint never shows newer values than
    // ShowLiveValues last put up.
    double shownStick_ = 0;
    double shownPump_ = 0;
    QColor stickColour_;
    LiveTexts shownTexts_;  // as ShowLiveValues last put them up
    bool valuesShown_ = false;
    bool exiting_ = false;
    int shownBackupPercent_ = -1;
    int64_t unitMissingSinceMs_ = -1;  // since when no unit is connected; -1 while one is
    // The geometry as read, so an unchanged window writes back exactly what it was given
    // rather than its size rounded to whole pixels.
    Geometry readGeometry_;
    QRect appliedPixels_;
    // The status bar's height, added to the window so the controls keep the size they were
    // given room for.
    int statusHeight_ = 0;
};

}  // namespace norva
