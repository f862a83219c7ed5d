#include "cli/UnitCommand.h"

#include <QCoreApplication>
#include <QString>

#include "base/NumberText.h"
#include "base/OutputPath.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/Program.h"
#include "cli/WaitTexts.h"
#include "perfchart/ChartRun.h"
#include "ui/ScriptedDialogs.h"

namespace norva {

namespace {
constexpr int kCheckMs = 20;

Task<> Keep(Task<OpStatus> operation, OpStatus& status) {
    status = co_await std::move(operation);
}

// The unit looked for, as --device names it.
QString DeviceName(const DeviceChoice& device) {
    switch (device.kind) {
        case DeviceChoice::Kind::Hid:
            return QStringLiteral("hid");
        case DeviceChoice::Kind::Sim:
            return QStringLiteral("sim");
        case DeviceChoice::Kind::Tcp:
            return QStringLiteral("tcp:%1:%2")
                .arg(QString::fromStdString(device.host))
                .arg(device.port);
        case DeviceChoice::Kind::Replay:
            return QStringLiteral("replay:") + QString::fromStdString(device.file);
    }
    return {};
}
}  // namespace

UnitCommand::UnitCommand(Program& app, CommandLine line, std::FILE* err)
    : app_(app), line_(std::move(line)), err_(err), waiting_(err) {
    timer_.setInterval(kCheckMs);
    connect(&timer_, &QTimer::timeout, this, &UnitCommand::check);
    // How much had come when the unit went: the loss itself breaks the stream.
    connect(&app_.link(), &Link::dispatched, this, [this] {
        if (app_.link().DeviceDetected) imageBytesSeen_ = imageBytes();
    });
    connect(&app_.link().Operation, &RunningOperation::finished, this, [this] {
        if (!started_) return;
        if (InterruptWatch::received()) return finish(InterruptWatch::exitStatus());
        // diff exits 1 when the unit and the file differ, as diff does.
        if (differs_ && status_ == OpStatus::Done) return finish(exitstatus::kDiffers);
        finish(exitstatus::ExitCode(status_));
    });
}

UnitCommand::~UnitCommand() = default;

int UnitCommand::run() {
    const InterruptWatch watch;
    // What the command line gives is checked before the unit is looked for.
    const CommandEntry& command = *line_.command;
    std::string error;
    if (command.output && !CheckOutputPath(line_.*command.output, error)) {
        std::fprintf(err_, "norva: %s\n", error.c_str());
        return exitstatus::kBadInput;
    }
    if (command.badEntry) error = command.badEntry(line_);
    if (!error.empty()) {
        std::fprintf(err_, "norva: %s\n", error.c_str());
        return exitstatus::kBadInput;
    }
    startMs_ = app_.link().nowMs();
    app_.link().start();
    timer_.start();
    return QCoreApplication::exec();
}

bool UnitCommand::needsCompleteImage() const {
    // A recording is refused by the write gate at once; the writes' own gate waits too, and
    // this wait says so in the command's words.
    return line_.command->wait == UnitWait::Image && !app_.link().backend().replaying();
}

void UnitCommand::check() {
    Link& link = app_.link();
    const bool interrupted = InterruptWatch::take() != 0;
    if (chart_) return checkRecording(interrupted);
    if (interrupted) {
        waiting_.hide();                               // before what it says next
        if (started_) return link.Operation.cancel();  // it stops and says how far it got
        if (foundMs_ < 0)
            say(waittext::Cancelled());
        else
            say(waittext::CancelledForImage(imageBytes()));
        return finish(InterruptWatch::exitStatus());
    }
    if (started_) return;
    const int64_t now = link.nowMs();
    if (foundMs_ < 0) {
        if (link.DeviceDetected) {
            foundMs_ = now;
        } else if (now - startMs_ >= static_cast<int64_t>(line_.unitWaitSeconds * 1000)) {
            waiting_.hide();
            say(waittext::NoUnitWithin(line_.unitWaitSeconds));
            return finish(exitstatus::kNoUnit);
        } else {
            waiting_.show(tr("Looking for the unit (%1)…").arg(DeviceName(line_.device)));
        }
        return;
    }
    const int needed = needsCompleteImage() ? Link::kImageComplete : 0;
    if (link.BackupByteCount < needed) {
        if (link.DeviceDetected && now - foundMs_ < kImageWaitMs)
            return waiting_.show(
                tr("Waiting for the unit's configuration: %1 of 256 bytes").arg(imageBytes()));
        waiting_.hide();
        if (!link.DeviceDetected) {
            say(waittext::LostWhileImage(imageBytesSeen_));
            finish(exitstatus::kNoUnit);
        } else if (now - foundMs_ >= kImageWaitMs) {
            say(tr("the unit's configuration did not arrive within %1 s (%2 of 256 bytes)")
                    .arg(kImageWaitMs / 1000)
                    .arg(imageBytes()));
            finish(exitstatus::kNoUnit);
        }
        return;
    }
    waiting_.hide();
    startOperation();
}

int UnitCommand::imageBytes() const {
    // The count starts again at every break of the stream, with the byte that broke it in.
    const Link& link = app_.link();
    return link.DeviceDetected && link.inputReportReceived()
               ? std::min(link.BackupByteCount + 1, 256)
               : 0;
}

// The chart's own timer records while the unit is there, until the time is up or Ctrl-C.
void UnitCommand::startRecording() {
    chart_ = std::make_unique<ChartRun>(app_.link(), app_.settings(),
                                        QString::fromStdString(line_.file));
    std::string error;
    if (!chart_->newRun(error)) {
        std::fprintf(err_, "norva: %s\n", error.c_str());
        chart_.reset();
        return finish(exitstatus::kBadInput);
    }
    connect(chart_.get(), &ChartRun::recordFailed, this, [this](const QString& error) {
        std::fprintf(err_, "norva: %s\n", qPrintable(error));
        finish(exitstatus::kBadInput);
    });
    started_ = true;
    if (line_.seconds > 0)
        recordEndMs_ = app_.link().nowMs() + static_cast<int64_t>(line_.seconds * 1000);
    chart_->start();
}

void UnitCommand::checkRecording(bool interrupted) {
    const bool lost = app_.link().State != LinkState::Connected;
    if (!lost && !interrupted && (recordEndMs_ < 0 || app_.link().nowMs() < recordEndMs_)) return;
    chart_->stop();
    chart_->closeFile();
    say((lost ? tr("the unit was lost while recording the chart: ") : QString()) +
        tr("%1 points recorded in %2")
            .arg(chart_->recorded())
            .arg(QString::fromStdString(line_.file)));
    finish(lost          ? exitstatus::kNoUnit
           : interrupted ? InterruptWatch::exitStatus()
                         : exitstatus::kDone);
}

void UnitCommand::startOperation() {
    const CommandEntry& command = *line_.command;
    if (command.recordsChart) return startRecording();
    auto& dialogs = static_cast<ScriptedDialogs&>(app_.dialogs());
    const QString file = QString::fromStdString(line_.file);
    const Answers& answers = command.answers;
    if (answers.fileToOpen) dialogs.answerOpenFile(file);
    if (answers.fileToSave) dialogs.answerSaveFile(file);
    if (answers.number) dialogs.answerInput(file);
    if (answers.write) dialogs.answerQuestion(true);  // the command is the user's yes
    OperationStart start{
        .app = app_,
        .line = line_,
        .services = app_.services(),
        .options = app_.writeOptions(line_.backup, line_.dryRun, line_.withCounters),
        .file = file,
        .result = [this](const QString& text) { result_ = text; },
        .differs = [this] { differs_ = true; },
    };
    started_ = true;
    const auto refusal = app_.link().Operation.start(
        Keep(command.operation(std::move(start)), status_), !command.fromImage);
    if (refusal != RunningOperation::Refusal::None) {
        std::fprintf(err_, "norva: %s\n", qPrintable(RunningOperation::RefusalText(refusal)));
        finish(exitstatus::kNoUnit);
    }
}

void UnitCommand::say(const QString& text) {
    std::fprintf(err_, "norva: %s\n", qPrintable(text));
}

void UnitCommand::finish(int status) {
    waiting_.hide();
    // The hardware test's result, for a whole test only.
    if (!result_.isEmpty() && started_ && status == exitstatus::kDone)
        std::printf("%s\n", qPrintable(result_));
    timer_.stop();
    app_.link().stop();
    QCoreApplication::exit(status);
}

}  // namespace norva
