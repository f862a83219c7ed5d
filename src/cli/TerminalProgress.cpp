#include "cli/TerminalProgress.h"

#include <QtGlobal>

#include "base/Platform.h"

namespace norva {

bool TerminalProgress::RedrawsInPlace(std::FILE* out) {
    return IsTerminal(out) && qEnvironmentVariable("TERM") != QLatin1String("dumb");
}

TerminalProgress::TerminalProgress(std::FILE* out) : out_(out), terminal_(RedrawsInPlace(out)) {}

void TerminalProgress::show(const QString& text, bool) {
    const std::string shown = text.toStdString();
    if (shown_ && shown == text_) return;  // shown as it is: no flicker
    text_ = shown;
    shown_ = true;
    write();
}

void TerminalProgress::setPercent(int percent) {
    percent_ = percent;
    if (shown_) write();
}

void TerminalProgress::hide() {
    if (shown_ && terminal_) {
        std::fputs("\r\033[K", out_);
        std::fflush(out_);
    }
    shown_ = false;
    percent_ = -1;
}

void TerminalProgress::write() {
    if (!terminal_) return;
    // Back to the start of the line and clear it: one line that keeps changing.
    std::fprintf(out_, "\r\033[K%s", text_.c_str());
    if (percent_ >= 0) std::fprintf(out_, " %d%%", percent_);
    std::fflush(out_);
}

}  // namespace norva
