#pragma once
// Progress on the main window: its progress label (ProgressLabel, red on pale yellow) with the
// text, an optional percentage and blinking, and the busy mouse pointer. The text is wrapped,
// and a text too long for the label's place at its font is shown smaller rather than cut.

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "ui/Progress.h"

namespace norva {

class WindowProgress : public Progress {
  public:
    static constexpr int kBlinkMs = 500;

    explicit WindowProgress(QLabel* label);
    ~WindowProgress() override;

    void show(const QString& text, bool blinking = false) override;
    void setPercent(int percent) override;
    void hide() override;
    void setBusy(bool busy) override;
    // The text again in the label's place, after the layout has moved or resized it.
    void refit();

  private:
    void update();

    QPointer<QLabel> label_;
    QString text_;
    int percent_ = -1;
    bool shown_ = false;
    bool busy_ = false;
    QTimer blink_;
    double layoutPoints_ = 0;  // the font size the layout gave the label
    double fittedPoints_ = 0;  // the size a long text was given to fit
};

}  // namespace norva
