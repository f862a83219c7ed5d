#pragma once
// The read-only summary of the unit's configuration: about fifty lines in labelled frames, two
// live receiver values and the pump chart, all taken from the link's configuration image. It
// sends nothing; it reads the image once at opening and then once a second, so it follows the
// image while it streams in and shows changes made since. Built anew at every opening.

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "params/Summary.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva {
class Link;
}

namespace norva::params {

class ParametersWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 12456;
    static constexpr double kDesignHeightTwips = 8976;
    static constexpr int kRefreshMs = 1000;

    // Refreshes once and starts the refresh timer.
    explicit ParametersWindow(Link& link, QWidget* parent = nullptr);
    ~ParametersWindow() override;

    // Layout, status and frames, every line, then the chart, from the link as it is now.
    void Refresh();

    QGroupBox* frame(Frame which) const { return frames_[static_cast<int>(which)]; }
    // A line's label by its control name ("Label1", ...); null for a name the window lacks.
    QLabel* label(const QString& control) const { return labels_.value(control); }

    QLabel* Label61;            // status
    QLabel *Label40, *Label41;  // welcome text
    CanvasWidget* Picture1;     // pump chart
    QTimer Timer1;              // refresh

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    QLabel* addLine(Frame frame, const char* control, const TwipRect& place, double points);

    Link& link_;
    TwipLayout layout_;
    std::array<QGroupBox*, kFrameCount> frames_{};
    QHash<QString, QLabel*> labels_;
};

}  // namespace norva::params
