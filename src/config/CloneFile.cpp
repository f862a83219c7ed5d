#include "config/CloneFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "compare/ImageDiff.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CloneFile)
};
}  // namespace

namespace {

const QString kFilter = QStringLiteral("Norva Clone Parameters(*.nvc)|*.nvc");
const QString kExtension = QStringLiteral("nvc");
// Cells a clone write leaves alone: the hardware-test cells (on downward units 79 is also the
// download request).
constexpr int kLastAddress = 255;  // never written
constexpr int kReportsWaited = 2;

bool Skipped(int a) {
    return a == cell::kTestDownward || a == cell::kTestUpward;
}

// "Saving Parameters 6%": the label text and Str's leading blank.
QString PercentText(const QString& caption, double share) {
    return caption + QString::fromStdString(Str(static_cast<int>(std::floor(share)))) +
           QLatin1Char('%');
}

}  // namespace

void CloneHandover::choose(const QString& file) {
    path = file;
    emit changed();
}

void CloneHandover::offerFastSetup() {
    fastSetupOffered = true;
    emit changed();
}

std::vector<int> CounterCells(bool downward) {
    std::vector<int> cells;
    if (downward)  // the timers "Clear all timers" clears
        for (int a = cell::kTimersFirst; a < cell::kTimersFirst + 12; ++a) cells.push_back(a);
    for (int a = cell::kRunTimersFirst; a < cell::kRunTimersFirst + cell::kRunTimersCount; ++a)
        cells.push_back(a);
    return cells;
}

std::vector<int> CloneLeftOut(bool downward, bool withCounters) {
    std::vector<int> cells{kFunctionKey, kFunctionRead};
    if (!withCounters)
        for (int a : CounterCells(downward)) cells.push_back(a);
    return cells;
}

std::vector<CloneReport> ClonePlan(const params::Image& image, const std::vector<int>& leftOut) {
    std::vector<int> cells;
    for (int a = params::kCloneFirstAddress; a < kLastAddress; ++a)
        if (!Skipped(a) && std::find(leftOut.begin(), leftOut.end(), a) == leftOut.end())
            cells.push_back(a);
    std::vector<CloneReport> plan;
    CloneReport report;  // its slots carry over from one report to the next
    for (size_t i = 0; i < cells.size(); i += kSlotCount) {
        report.firstAddress = cells[i];
        for (size_t k = 0; k < size_t(kSlotCount) && i + k < cells.size(); ++k) {
            const int a = cells[i + k];
            report.commands[k] = CommandSlot(static_cast<uint8_t>(a), image[a]);
        }
        plan.push_back(report);
    }
    return plan;
}

std::vector<int> WrittenAddresses(const std::vector<CloneReport>& plan) {
    std::vector<int> addresses;
    for (const CloneReport& report : plan)
        for (const SlotBytes& slot : report.commands)
            if (TakenByUnit(slot) &&
                std::find(addresses.begin(), addresses.end(), slot[2]) == addresses.end())
                addresses.push_back(slot[2]);
    std::sort(addresses.begin(), addresses.end());
    return addresses;
}

Task<OpStatus> CompareWithFile(Services s,
                               std::function<void(const QString&, const QStringList&)> show) {
    const std::optional<UnitImage> unit = CompleteImage(s.link);
    if (!unit)
        co_return co_await Refuse(s.dialogs, Texts::tr("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    const QString path = co_await s.dialogs.openFile(FileRequest(QString(), kFilter, kExtension));
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    std::string error;
    const auto file = params::ReadCloneFile(path.toStdString(), error);
    if (!file)
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    QStringList lines;
    for (const std::string& line :
         CloneDifferenceLines(unit->image, *file, params::KindOf(unit->downward)))
        lines << QString::fromStdString(line);
    show(path, lines);
    co_return OpStatus::Done;
}

Task<OpStatus> SaveCloneFile(Services s) {
    if (s.link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs, Texts::tr("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;

    // The image as it is now: cells the stream brings meanwhile do not mix into the file.
    const auto image = s.link.BackupImage.get();
    Outcome outcome;
    {
        ProgressScope shown(s.progress, Texts::tr("Saving Parameters"));
        for (int i = params::kCloneFirstAddress; i < params::kImageSize && outcome; ++i) {
            shown.setText(PercentText(Texts::tr("Saving Parameters"), i / 2.39));
            outcome = co_await s.link.yield();
        }
    }
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, Texts::tr("saving all"),
                                Texts::tr("no file was written"));
    std::string error;
    if (!WriteLines(path, params::CloneLines(image), error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    s.dialogs.notify(Texts::tr("The unit's configuration was saved to %1.").arg(path));
    co_return OpStatus::Done;
}

namespace {
std::vector<PlannedReport> Reports(const std::vector<CloneReport>& plan) {
    std::vector<PlannedReport> reports;
    for (const CloneReport& r : plan)
        reports.push_back(PlannedReport{
            .commands = {r.commands.begin(), r.commands.end()},
            .reportsBefore = kReportsWaited,
            .progress = PercentText(Texts::tr("Programming the NORVA"), r.firstAddress / 2.55)});
    return reports;
}
}  // namespace

QString WriteCountersToo() {
    return Texts::tr(
        "Also write the engine's counters (cycle count, total time): only to restore this "
        "unit's own backup");
}

Task<OpStatus> WriteCloneFile(Services s, CloneHandover& handover, WriteOptions options) {
    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.openFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    std::string error;
    const auto image = params::ReadCloneFile(path.toStdString(), error);
    if (!image) co_return co_await RefuseFile(s.dialogs, error);
    const QString doing = Texts::tr("writing the clone file");
    const std::optional<UnitImage> unit = co_await AwaitImage(s, doing);
    if (!unit) co_return OpStatus::Stopped;
    WritePlan plan;
    plan.doing = Texts::tr("programming");
    plan.what = Texts::tr("the clone write");
    plan.file = path;
    plan.reports = Reports(ClonePlan(*image, CloneLeftOut(unit->downward, false)));
    plan.option = WriteCountersToo();
    plan.optionReports = Reports(ClonePlan(*image, CloneLeftOut(unit->downward, true)));
    const OpStatus status = co_await Write(s, plan, options, unit);
    // The unit holds the file (or already did): the fast setup may replay it.
    if (status == OpStatus::Done && !options.dryRun) {
        handover.choose(path);
        handover.offerFastSetup();
    }
    co_return status;
}

}  // namespace norva
