#pragma once
// How a long operation shows that it runs: the main window's progress label (a text that may
// blink, with a percentage), the busy mouse pointer; on the command line one updating line on
// standard error. Operations talk to this, never to a widget.

#include <QString>

namespace norva {

class Progress {
  public:
    virtual ~Progress() = default;

    // Shows the text; a blinking text is shown half of every second.
    virtual void show(const QString& text, bool blinking = false) = 0;
    // The share done, 0..100, shown after the text; negative for none.
    virtual void setPercent(int percent) = 0;
    virtual void hide() = 0;
    virtual void setBusy(bool busy) = 0;
};

// Progress shown for as long as it lives: the text and the busy pointer go, however the
// operation ends (finished, stopped, cancelled or destroyed). An empty text shows the busy
// pointer alone.
class ProgressScope {
  public:
    explicit ProgressScope(Progress& progress, const QString& text = {}, bool blinking = false)
        : progress_(progress) {
        progress_.setBusy(true);
        if (!text.isEmpty()) progress_.show(text, blinking);
    }
    ~ProgressScope() {
        progress_.hide();
        progress_.setBusy(false);
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setText(const QString& text, bool blinking = false) { progress_.show(text, blinking); }
    void setPercent(int percent) { progress_.setPercent(percent); }

  private:
    Progress& progress_;
};

// Shows nothing: for callers that do not care.
class NoProgress : public Progress {
  public:
    void show(const QString&, bool) override {}
    void setPercent(int) override {}
    void hide() override {}
    void setBusy(bool) override {}
};

}  // namespace norva
