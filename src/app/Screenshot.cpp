#include "app/Screenshot.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "link/Link.h"

namespace norva {

namespace {
// What the window calls complete: "Data Backup= 100%".
constexpr int kCompleteCount = 256;
}  // namespace

Screenshot::Screenshot(QWidget& window, Link& link, QString path, std::function<void(int)> done,
                       std::FILE* err)
    : window_(window), link_(link), path_(std::move(path)), done_(std::move(done)), err_(err) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &Screenshot::check);
}

void Screenshot::start() {
    startMs_ = link_.nowMs();
    timer_.start();
}

void Screenshot::say(const QString& text) {
    std::fprintf(err_, "norva: %s\n", qPrintable(text));
}

void Screenshot::check() {
    if (InterruptWatch::take()) {
        timer_.stop();
        say(tr("Cancelled while waiting for the unit's configuration (%1 of 256 bytes); no "
               "picture was saved.")
                .arg(std::min<int>(link_.BackupByteCount, 256)));
        return finish(InterruptWatch::exitStatus());
    }
    const bool complete = link_.BackupByteCount >= kCompleteCount;
    if (!complete && link_.nowMs() - startMs_ < kWaitMs) return;
    timer_.stop();
    if (link_.ConnectionNumber == 0) {
        say(tr("no unit was reached within %1 s; no picture was saved").arg(kWaitMs / 1000));
        return finish(exitstatus::kNoUnit);
    }
    if (!complete)
        say(tr("the unit's configuration was still incomplete (%1 of 256)")
                .arg(link_.BackupByteCount.get()));
    if (!window_.grab().save(path_, "PNG")) {
        say(tr("cannot write the picture %1").arg(path_));
        return finish(exitstatus::kBadInput);
    }
    finish(exitstatus::kDone);
}

void Screenshot::finish(int status) {
    if (done_) done_(status);
}

}  // namespace norva
