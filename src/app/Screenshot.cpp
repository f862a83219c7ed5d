#include "app/Screenshot.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "link/Link.h"

namespace norva {

Screenshot::Screenshot(QWidget& window, Link& link, QString path)
    : window_(window), link_(link), path_(std::move(path)) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &Screenshot::check);
}

void Screenshot::start() {
    startMs_ = link_.nowMs();
    timer_.start();
}

void Screenshot::check() {
    const bool complete = link_.BackupByteCount >= 255;
    if (!complete && link_.nowMs() - startMs_ < kWaitMs) return;
    timer_.stop();
    const bool saved = window_.grab().save(path_, "PNG");
    if (!saved) std::fprintf(stderr, "norva: cannot write the picture %s\n", qPrintable(path_));
    QCoreApplication::exit(saved ? 0 : 1);
}

}  // namespace norva
