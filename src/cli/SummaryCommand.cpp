#include "cli/SummaryCommand.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include "base/NumberText.h"
#include "config/CloneImage.h"
#include "link/Link.h"
#include "live/Gauges.h"

namespace norva {

namespace {

void Write(std::FILE* out, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
}

}  // namespace

std::string SummaryReport(const params::Summary& summary) {
    std::string text;
    for (int f = 0; f < params::kFrameCount; ++f) {
        if (!summary.frameVisible[f]) continue;
        const auto frame = static_cast<params::Frame>(f);
        text += "[" + params::FrameCaption(frame).toStdString() + "]\n";
        if (frame == params::Frame::Status) text += summary.status.toStdString() + "\n";
        for (const params::SummaryLine& line : summary.lines)
            if (line.frame == frame && !line.hidden) text += line.text.toStdString() + "\n";
        text += "\n";
    }
    return text;
}

int RunSummary(Link& link, std::FILE* out, std::FILE* err, int timeoutMs) {
    bool connected = false;
    bool lost = false;
    {
        QObject context;  // ends the connections when the wait is over
        QObject::connect(&link, &Link::dispatched, &context, [&link] {
            if (link.BackupByteCount >= params::kSummaryCompleteCount) QCoreApplication::quit();
        });
        // The search for the unit passes through "Disconnected" too: only a unit that was
        // there can be lost.
        QObject::connect(&link, &Link::stateChanged, &context, [&](LinkState state) {
            if (state == LinkState::Connected) connected = true;
            if (state != LinkState::Disconnected || !connected) return;
            lost = true;
            QCoreApplication::quit();
        });
        QTimer::singleShot(timeoutMs, &context, [] { QCoreApplication::quit(); });
        link.start();
        QCoreApplication::exec();
        link.Timer3.stop();
    }
    const bool complete = link.BackupByteCount >= params::kSummaryCompleteCount;
    if (!complete && lost) {
        Write(err, "norva: the unit was lost while its configuration arrived (" +
                       std::to_string(link.BackupByteCount) + " of 256 bytes)\n");
    } else if (!complete) {
        Write(err, "norva: the unit's configuration did not arrive within " +
                       FormatNumber(timeoutMs / 1000.0, "0.###") + " s (" +
                       std::to_string(link.BackupByteCount) + " of 256 bytes; " +
                       ConnectionCaption(link.State).toStdString() + ")\n");
    } else {
        Write(out, SummaryReport(params::MakeSummary(params::SummaryInputOf(link))));
    }
    link.stop();
    return complete ? 0 : 2;
}

int PrintCloneSummary(const std::string& path, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto image = params::ReadCloneFile(path, error);
    if (!image) {
        Write(err, "norva: " + error + "\n");
        return 2;
    }
    params::SummaryInput input;
    input.image = *image;
    input.backupByteCount = params::kSummaryCompleteCount;
    input.cloneFile = true;
    Write(out, SummaryReport(params::MakeSummary(input)));
    return 0;
}

}  // namespace norva
