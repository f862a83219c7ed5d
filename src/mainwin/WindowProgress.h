#pragma once
// Progress on the main window: its progress label (ProgressLabel, red on pale yellow) with the
// text, an optional percentage and blinking, and the busy mouse pointer.

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

  private:
    void update();

    QPointer<QLabel> label_;
    QString text_;
    int percent_ = -1;
    bool shown_ = false;
    bool busy_ = false;
    QTimer blink_;
};

}  // namespace norva
