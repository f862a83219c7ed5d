#pragma once
// Progress on the command line: one line on standard error, rewritten in place, when that is a
// terminal that can do it; nothing otherwise, so a script's log stays clean. TERM=dumb (an
// editor's shell, a serial console) understands neither the escape code nor a line redrawn.

#include <cstdio>
#include <string>

#include "ui/Progress.h"

namespace norva {

class TerminalProgress : public Progress {
  public:
    // Whether a line can be redrawn in place on `out`.
    static bool RedrawsInPlace(std::FILE* out);
    // `terminal` decides whether anything is written; by default RedrawsInPlace(out).
    explicit TerminalProgress(std::FILE* out = stderr);
    TerminalProgress(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}
    ~TerminalProgress() override { hide(); }

    void show(const QString& text, bool blinking = false) override;
    void setPercent(int percent) override;
    void hide() override;
    void setBusy(bool) override {}

  private:
    void write();

    std::FILE* out_;
    bool terminal_;
    std::string text_;
    int percent_ = -1;
    bool shown_ = false;
};

}  // namespace norva
