#include "cli/SummaryCommand.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include "base/NumberText.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
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

int RunSummary(Link& link, std::FILE* out, std::FILE* err, int timeoutMs, int unitWaitMs) {
    const InterruptWatch watch;
    enum class End { TimedOut, NoUnit, Complete, Lost, Interrupted } end = End::TimedOut;
    bool found = false;
    {
        QObject context;  // ends every connection when the wait is over
        const auto stop = [&end](End why) {
            end = why;
            QCoreApplication::quit();
        };
        QObject::connect(&link, &Link::dispatched, &context, [&link, stop] {
            if (link.BackupByteCount >= params::kSummaryCompleteCount) stop(End::Complete);
        });
        QTimer check;
        check.setInterval(20);
        QObject::connect(&check, &QTimer::timeout, &context, [&link, &found, stop] {
            if (InterruptWatch::take()) return stop(End::Interrupted);
            if (found && !link.DeviceDetected) return stop(End::Lost);
            found = found || link.DeviceDetected;
        });
        check.start();
        QTimer::singleShot(timeoutMs, &context, [stop] { stop(End::TimedOut); });
        QTimer::singleShot(unitWaitMs, &context, [&link, &found, stop] {
            if (!found && !link.DeviceDetected) stop(End::NoUnit);
        });
        link.start();
        QCoreApplication::exec();
        link.pausePolling();
    }
    const std::string howFar =
        std::to_string(std::min<int>(link.BackupByteCount, 256)) + " of 256 bytes";
    int status = exitstatus::kNoUnit;
    switch (end) {
        case End::Complete:
            Write(out, SummaryReport(params::MakeSummary(params::SummaryInputOf(link))));
            status = exitstatus::kDone;
            break;
        case End::Interrupted:
            Write(err, found ? "norva: Cancelled while waiting for the unit's configuration (" +
                                   howFar + ").\n"
                             : std::string("norva: Cancelled while waiting for the unit.\n"));
            status = InterruptWatch::exitStatus();
            break;
        case End::NoUnit:
            Write(err, "norva: no unit was found within " +
                           FormatNumber(unitWaitMs / 1000.0, "0.###") + " s\n");
            break;
        case End::Lost:
            Write(err,
                  "norva: the unit was lost while its configuration arrived (" + howFar + ")\n");
            break;
        case End::TimedOut:
            Write(err, "norva: the unit's configuration did not arrive within " +
                           FormatNumber(timeoutMs / 1000.0, "0.###") + " s (" + howFar + "; " +
                           ConnectionCaption(link.State).toStdString() + ")\n");
            break;
    }
    link.stop();
    return status;
}

int PrintCloneSummary(const std::string& path, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto image = params::ReadCloneFile(path, error);
    if (!image) {
        Write(err, "norva: " + error + "\n");
        return exitstatus::kBadInput;
    }
    params::SummaryInput input;
    input.image = *image;
    input.backupByteCount = params::kSummaryCompleteCount;
    input.cloneFile = true;
    Write(out, SummaryReport(params::MakeSummary(input)));
    return exitstatus::kDone;
}

}  // namespace norva
