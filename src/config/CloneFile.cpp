#include "config/CloneFile.h"

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
QString PercentText(const char* caption, double share) {
    return QString::fromLatin1(caption) +
           QString::fromStdString(Str(static_cast<int>(std::floor(share)))) + QLatin1Char('%');
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

std::vector<CloneReport> ClonePlan(const params::Image& image) {
    std::vector<CloneReport> plan;
    CloneReport report;  // its slots carry over from one report to the next
    const auto slot = [&](int k, int a) {
        report.commands[k] = CommandSlot(static_cast<uint8_t>(a), image[a]);
    };
    for (int a = params::kCloneFirstAddress; a <= kLastAddress; ++a) {
        report.firstAddress = a;
        if (Skipped(a)) ++a;
        slot(0, a++);
        for (int k = 1; k < kSlotCount && a != kLastAddress; ++k) {
            if (Skipped(a) && ++a == kLastAddress) break;
            slot(k, a);
            if (k < kSlotCount - 1) ++a;
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
        co_return co_await Refuse(s.dialogs,
                                  QStringLiteral("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    const QString path = co_await s.dialogs.openFile(FileRequest(QString(), kFilter, kExtension));
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    std::string error;
    const auto file = params::ReadCloneFile(path.toStdString(), error);
    if (!file)
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    QStringList lines;
    for (const std::string& line :
         CloneDifferenceLines(unit->image, *file, params::KindOf(unit->descending)))
        lines << QString::fromStdString(line);
    show(path, lines);
    co_return OpStatus::Done;
}

Task<OpStatus> SaveCloneFile(Services s) {
    if (s.link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs,
                                  QStringLiteral("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;

    // The image as it is now: cells the stream brings meanwhile do not mix into the file.
    const auto image = s.link.BackupImage.get();
    Outcome outcome;
    {
        ProgressScope shown(s.progress, QStringLiteral("Saving Parameters"));
        for (int i = params::kCloneFirstAddress; i < params::kImageSize && outcome; ++i) {
            shown.setText(PercentText("Saving Parameters", i / 2.39));
            outcome = co_await s.link.yield();
        }
    }
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, QStringLiteral("saving all"),
                                QStringLiteral("no file was written"));
    std::string error;
    if (!WriteLines(path, params::CloneLines(image), error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    co_return OpStatus::Done;
}

Task<OpStatus> WriteCloneFile(Services s, CloneHandover& handover, WriteOptions options) {
    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.openFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    std::string error;
    const auto image = params::ReadCloneFile(path.toStdString(), error);
    if (!image)
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error) + ". Nothing was sent.",
                                  OpStatus::BadInput);
    const std::optional<UnitImage> before =
        co_await AwaitImage(s, QStringLiteral("writing the clone file"));
    if (!before) co_return OpStatus::Stopped;
    const std::vector<CloneReport> plan = ClonePlan(*image);
    const std::vector<int> written = WrittenAddresses(plan);
    if (const auto ended = co_await PreviewChanges(s, options, *before, *image, written)) {
        // The unit already holds the file: it is as good as written.
        if (*ended == OpStatus::Done && !options.dryRun) {
            handover.choose(path);
            handover.offerFastSetup();
        }
        co_return *ended;
    }
    if (!co_await BackUpBeforeWriting(s, options, *before)) co_return OpStatus::Stopped;
    handover.choose(path);

    std::vector<CellWrite> cells;
    for (int a : written) cells.push_back({a, (*image)[a]});
    const WriteCheck check(s.link, cells);
    int sent = 0;
    Outcome outcome;
    {
        ProgressScope shown(s.progress, QStringLiteral("Programming the NORVA"));
        for (const CloneReport& report : plan) {
            shown.setText(PercentText("Programming the NORVA", report.firstAddress / 2.55));
            outcome = co_await s.link.reports(kReportsWaited);
            if (!outcome) break;
            if (!s.link.send(report.commands)) {
                outcome = Outcome{Outcome::UnitLost};
                break;
            }
            ++sent;
        }
    }
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, QStringLiteral("programming"),
                                SentAndConfirmed(sent, static_cast<int>(plan.size()), check));
    handover.offerFastSetup();
    co_return co_await Confirm(s, check, QStringLiteral("the clone write"), path);
}

}  // namespace norva
