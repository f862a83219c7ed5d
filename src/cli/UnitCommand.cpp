#include "cli/UnitCommand.h"

#include <QCoreApplication>
#include <QString>

#include "base/NumberText.h"
#include "base/OutputPath.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/Program.h"
#include "config/CloneFile.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "factory/FactoryCommands.h"
#include "logbook/LogDownload.h"
#include "perfchart/ChartRun.h"
#include "ramps/Ramps.h"
#include "runlog/Download.h"
#include "ui/ScriptedDialogs.h"

namespace norva {

namespace {
constexpr int kCheckMs = 20;
// Reports in sequence from which the stream's direction, and so the kind of unit, is known.
constexpr int kSettledCount = 4;

Task<> Keep(Task<OpStatus> operation, OpStatus& status) {
    status = co_await std::move(operation);
}

bool ForDownwardUnits(Command c) {
    return c == Command::Serial || c == Command::TimersClearAll || c == Command::TimersClearService;
}

// What depends on the kind of unit waits until the stream's direction has shown it.
bool NeedsKind(Command c) {
    switch (c) {
        case Command::FactoryMaxRpm:
        case Command::FactoryMenus:
        case Command::FactoryStartMode:
        case Command::FactoryCalTemp:
        case Command::FactoryFastSetup:
        case Command::FactoryHardwareTest:
            return true;
        default:
            return ForDownwardUnits(c);
    }
}

// The file a command writes, checked before anything is sent.
const std::string* OutputOf(const CommandLine& line) {
    switch (line.command) {
        case Command::CloneSave:
        case Command::ParamsSave:
        case Command::RampsRead:
        case Command::Download:
        case Command::ChartRecord:
            return &line.file;
        default:
            return nullptr;
    }
}

StartMode ModeNamed(const std::string& name) {
    if (name == "gas") return StartMode::Gas;
    if (name == "kero") return StartMode::Kero;
    return StartMode::Manual;
}
}  // namespace

UnitCommand::UnitCommand(Program& app, CommandLine line, std::FILE* err)
    : app_(app), line_(std::move(line)), err_(err) {
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
    if (const std::string* output = OutputOf(line_)) {
        std::string error;
        if (!CheckOutputPath(*output, error)) {
            std::fprintf(err_, "norva: %s\n", error.c_str());
            return exitstatus::kBadInput;
        }
    }
    if (line_.command == Command::FactoryCalTemp && !line_.file.empty() &&
        !ParseNumber(line_.file)) {
        std::fprintf(err_, "norva: cal-temp needs the ambient temperature in C, not '%s'\n",
                     line_.file.c_str());
        return exitstatus::kBadInput;
    }
    startMs_ = app_.link().nowMs();
    app_.link().start();
    timer_.start();
    return QCoreApplication::exec();
}

bool UnitCommand::needsCompleteImage() const {
    // A recording is refused by the write gate at once.
    if (app_.link().backend().replaying()) return false;
    // The writes' own gate waits too; this wait says so in the command's words.
    if (KeepsBackup(line_.command)) return true;
    switch (line_.command) {
        case Command::CloneSave:
        case Command::RampsRead:
        case Command::Download:  // the export's trailer
        case Command::Diff:
            return true;
        default:
            return false;
    }
}

void UnitCommand::check() {
    Link& link = app_.link();
    const bool interrupted = InterruptWatch::take() != 0;
    if (chart_) return checkRecording(interrupted);
    if (interrupted) {
        if (started_) return link.Operation.cancel();  // it stops and says how far it got
        if (foundMs_ < 0)
            std::fprintf(err_, "norva: Cancelled while waiting for the unit.\n");
        else
            std::fprintf(err_,
                         "norva: Cancelled while waiting for the unit's configuration (%d of "
                         "256 bytes).\n",
                         imageBytes());
        return finish(InterruptWatch::exitStatus());
    }
    if (started_) return;
    const int64_t now = link.nowMs();
    if (foundMs_ < 0) {
        if (link.DeviceDetected) {
            foundMs_ = now;
        } else if (now - startMs_ >= static_cast<int64_t>(line_.unitWaitSeconds * 1000)) {
            std::fprintf(err_, "norva: no unit was found within %s s\n",
                         PlainNumberText(line_.unitWaitSeconds).c_str());
            return finish(exitstatus::kNoUnit);
        }
        return;
    }
    const int needed = needsCompleteImage()       ? Link::kImageComplete
                       : NeedsKind(line_.command) ? kSettledCount
                                                  : 0;
    if (link.BackupByteCount < needed) {
        if (!link.DeviceDetected) {
            std::fprintf(err_,
                         "norva: the unit was lost while its configuration arrived (%d of 256 "
                         "bytes)\n",
                         imageBytesSeen_);
            finish(exitstatus::kNoUnit);
        } else if (now - foundMs_ >= kImageWaitMs) {
            std::fprintf(err_,
                         "norva: the unit's configuration did not arrive within %d s (%d of 256 "
                         "bytes)\n",
                         kImageWaitMs / 1000, imageBytes());
            finish(exitstatus::kNoUnit);
        }
        return;
    }
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
    std::fprintf(err_, "norva: %s%lld points recorded in %s\n",
                 lost ? "the unit was lost while recording the chart: " : "",
                 static_cast<long long>(chart_->recorded()), line_.file.c_str());
    finish(lost          ? exitstatus::kNoUnit
           : interrupted ? InterruptWatch::exitStatus()
                         : exitstatus::kDone);
}

void UnitCommand::startOperation() {
    if (line_.command == Command::ChartRecord) return startRecording();
    auto& dialogs = static_cast<ScriptedDialogs&>(app_.dialogs());
    const QString file = QString::fromStdString(line_.file);
    const Services s = app_.services();
    const WriteOptions options = app_.writeOptions(line_.backup, line_.dryRun, line_.withCounters);
    std::function<Task<OpStatus>()> operation;
    switch (line_.command) {
        case Command::CloneSave:
            dialogs.answerSaveFile(file);
            operation = [s] { return SaveCloneFile(s); };
            break;
        case Command::CloneWrite:
            dialogs.answerOpenFile(file);
            dialogs.answerQuestion(true);  // the changes are listed, and written
            operation = [this, s, options] {
                return WriteCloneFile(s, app_.cloneHandover(), options);
            };
            break;
        case Command::ParamsSave:
            dialogs.answerSaveFile(file);
            operation = [s] { return SaveParameterFile(s); };
            break;
        case Command::ParamsWrite:
            dialogs.answerOpenFile(file);
            dialogs.answerQuestion(true);
            operation = [s, options] { return WriteParameterFile(s, options); };
            break;
        case Command::Serial:
            dialogs.answerInput(file);
            dialogs.answerQuestion(true);
            operation = [s, options] { return SetSerialNumber(s, options); };
            break;
        case Command::TimersClearAll:
            dialogs.answerQuestion(true);  // the command is the answer
            operation = [s, options] { return ClearAllTimers(s, options); };
            break;
        case Command::TimersClearService:
            dialogs.answerQuestion(true);
            operation = [s, options] { return ClearServiceTimer(s, options); };
            break;
        case Command::FactoryMaxRpm:
            dialogs.answerInput(file);
            dialogs.answerQuestion(true);
            operation = [s, options] { return SetMaxSpeed(s, options); };
            break;
        case Command::FactoryMenus: {
            const uint8_t value = line_.file == "full" ? kFullMenus : kRestrictedMenus;
            const int address = MenuAccessAddress(app_.link().BackupDownward);
            dialogs.answerQuestion(true);
            operation = [s, address, value, options] {
                return WriteCell(s, address, value, options);
            };
            break;
        }
        case Command::FactoryStartMode: {
            const auto value = static_cast<uint8_t>(ModeNamed(line_.file));
            dialogs.answerQuestion(true);
            operation = [s, value, options] {
                return WriteCell(s, kStartModeAddress, value, options);
            };
            break;
        }
        case Command::FactoryCalTemp: {
            const QString ambient = file.isEmpty() ? QStringLiteral("22") : file;
            operation = [s, ambient, options] { return CalibrateTemperature(s, ambient, options); };
            break;
        }
        case Command::FactoryFastSetup:
            dialogs.answerQuestion(true);
            operation = [s, file, options] {
                return FastSetup(s, file, QStringLiteral("22"), options);
            };
            break;
        case Command::RampsRead:
            operation = [s, file] { return SaveRampsFromImage(s, file); };
            break;
        case Command::Download: {
            dialogs.answerSaveFile(file);
            DownloadOptions options;
            options.needsImage = true;
            options.kept = LogbookKeeper(
                {app_.logbookPath(), app_.engineName(), false, app_.settings().KeepDays});
            operation = [s, options] { return DownloadRunLog(s, options); };
            break;
        }
        case Command::Diff:
            dialogs.answerOpenFile(file);
            operation = [this, s] {
                return CompareWithFile(s, [this](const QString&, const QStringList& lines) {
                    for (const QString& line : lines) std::printf("%s\n", qPrintable(line));
                    differs_ = !lines.isEmpty();
                });
            };
            break;
        case Command::RampsWrite:
            dialogs.answerQuestion(true);
            operation = [s, file, options] { return WriteRampFile(s, file, options); };
            break;
        case Command::FactoryHardwareTest:
            operation = [this, s, options] {
                return HardwareTest(
                    s, app_.settings(), [this](const QString& text) { result_ = text; }, options);
            };
            break;
        default:
            return finish(exitstatus::kUsage);
    }
    started_ = true;
    const bool fromImage = line_.command == Command::CloneSave ||
                           line_.command == Command::RampsRead || line_.command == Command::Diff;
    const auto refusal = app_.link().Operation.start(Keep(operation(), status_), !fromImage);
    if (refusal != RunningOperation::Refusal::None) {
        std::fprintf(err_, "norva: %s\n", qPrintable(RunningOperation::RefusalText(refusal)));
        finish(exitstatus::kNoUnit);
    }
}

void UnitCommand::finish(int status) {
    // The hardware test's result, for a whole test only.
    if (!result_.isEmpty() && started_ && status == exitstatus::kDone)
        std::printf("%s\n", qPrintable(result_));
    timer_.stop();
    app_.link().stop();
    QCoreApplication::exit(status);
}

}  // namespace norva
