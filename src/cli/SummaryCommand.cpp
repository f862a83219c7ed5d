#include "cli/SummaryCommand.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include "base/NumberText.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/WaitTexts.h"
#include "config/CloneImage.h"
#include "link/Link.h"
#include "live/Gauges.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SummaryCommand)
};
}  // namespace

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
    const int bytes = std::min<int>(link.BackupByteCount, 256);
    const QString howFar = Texts::tr("%1 of 256 bytes").arg(bytes);
    const auto say = [err](const QString& text) {
        Write(err, "norva: " + text.toStdString() + "\n");
    };
    int status = exitstatus::kNoUnit;
    switch (end) {
        case End::Complete:
            Write(out, SummaryReport(params::MakeSummary(params::SummaryInputOf(link))));
            status = exitstatus::kDone;
            break;
        case End::Interrupted:
            say(found ? waittext::CancelledForImage(bytes) : waittext::Cancelled());
            status = InterruptWatch::exitStatus();
            break;
        case End::NoUnit:
            say(waittext::NoUnitWithin(unitWaitMs / 1000.0));
            break;
        case End::Lost:
            say(waittext::LostWhileImage(bytes));
            break;
        case End::TimedOut:
            say(Texts::tr("the unit's configuration did not arrive within %1 s (%2; %3)")
                    .arg(QString::fromStdString(FormatNumber(timeoutMs / 1000.0, "0.###")), howFar,
                         ConnectionCaption(link.State)));
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
