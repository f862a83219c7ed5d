#pragma once
// Progress that remembers what an operation showed: every text and percentage, the busy
// pointer's state.
#include <QString>
#include <vector>

#include "ui/Progress.h"

namespace norva::testing {

struct RecordingProgress : Progress {
    std::vector<QString> texts;  // every text shown, in order
    std::vector<int> percents;
    bool shown = false;
    bool blinking = false;
    bool busy = false;

    void show(const QString& text, bool blink) override {
        texts.push_back(text);
        shown = true;
        blinking = blink;
    }
    void setPercent(int percent) override { percents.push_back(percent); }
    void hide() override { shown = false; }
    void setBusy(bool b) override { busy = b; }
};

}  // namespace norva::testing
