#pragma once
// "Factory Setup": the factory's commands for preparing a unit, each one button, and the
// hardware test for access level 743. Every button starts an operation: one at a time, Escape
// or closing the window cancels the one it runs.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "base/Settings.h"
#include "config/WriteGate.h"
#include "ui/TwipLayout.h"

namespace norva {

class CloneHandover;

class FactorySetupWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 3672;
    static constexpr double kDesignHeightTwips = 5136;

    FactorySetupWindow(Services services, Config& settings, CloneHandover& handover,
                       WriteOptions writeOptions = {}, QWidget* parent = nullptr);

    QGroupBox* Frame10;     // the maximum authorized speed
    QPushButton* Command1;  // "Set"
    QPushButton* Command4;  // "Cal. temp AUTO"
    QLineEdit* Text1;       // ambient temperature for the calibration, degrees C
    QPushButton* Command2;  // "Set restricted menus"
    QPushButton* Command3;  // "Set full acces menus"
    QPushButton* Command5;  // "Fast setup", once a clone write has chosen a file
    QLabel* Label1;         // the clone file of the fast setup
    QPushButton *Command6, *Command7, *Command8;  // start mode: manual, gas, kero
    QPushButton* Command9;                        // "TestHard", for access level 743
    QLabel* Label2;                               // the hardware test's result

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void showHandover();
    void start(std::function<Task<OpStatus>(Services)> operation);

    Services services_;
    Config& settings_;
    CloneHandover& handover_;
    WriteOptions writeOptions_;
    TwipLayout layout_;
};

}  // namespace norva
