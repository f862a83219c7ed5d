#pragma once
// "Acceleration/Deceleration ramps": the two ramp tables as 34 fields, their relative speeds
// and chart kept up to date at every change, and the four buttons: read from the unit's
// image, write to the unit, load and save .rmp files. The fields show the unit's ramps as soon
// as its image is whole; until then Write waits.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "base/Task.h"
#include "ops/OperationTools.h"
#include "ramps/Ramps.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva {

class RampsWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 9924;
    static constexpr double kDesignHeightTwips = 5916;

    RampsWindow(Services services, WriteOptions writeOptions, QWidget* parent = nullptr);
    ~RampsWindow() override;

    // The recompute: relative speeds and chart from the fields, row 8 forced to 255. A field
    // that is not a number is marked and leaves the column and the chart as they were; a ramp
    // value the unit would take otherwise (outside 1..255) is marked with what will be sent.
    void pinta();
    void Read();   // "Read NORVA"; the unit's ramps come in when its image is whole
    void Write();  // "Write to NORVA"
    void Load();   // "Load File"
    void Save();   // "Save File"

    RampFields fields() const;
    // Sets all 34 fields, then recomputes once.
    void setFields(const RampFields& fields);
    // A loaded file's fields: like typing, no image of the unit replaces them.
    void setFieldsFromFile(const RampFields& fields);
    // Field n (1..50) as the design numbers them: 1..34 editable, 35..50 relative speeds.
    QLineEdit* field(int n) const { return fields_[n - 1]; }

    CanvasWidget* Picture1;                                  // the two ramps
    QPlainTextEdit* Text51;                                  // help text
    QLabel* Label11;                                         // "Please Wait"
    QLabel* Label12;                                         // why Write waits
    QGroupBox *Frame1, *Frame2;                              // acceleration, deceleration
    QPushButton *Command1, *Command2, *Command3, *Command4;  // load, save, read, write

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class LabelProgress;
    void buildControls();
    void buildFrame(QGroupBox* frame, int firstField, int firstRelative, double width);
    // After every report: Write follows whether the image is whole, and a fresh whole image
    // fills the fields unless the user has typed or loaded a file since the last fill.
    void followImage();

    Services services_;
    WriteOptions writeOptions_;
    TwipLayout layout_;
    std::array<QLineEdit*, 50> fields_{};
    std::optional<RampView> view_;
    bool filling_ = false;        // setFields: one recompute at the end
    bool imageComplete_ = false;  // as last seen; the controls open in the waiting state
    bool edited_ = false;         // typed or loaded since the unit's ramps were last shown
    std::unique_ptr<Progress> labelProgress_;
    Task<> fileTask_;  // a load or save, waiting for its dialog
};

}  // namespace norva
