#include "config/WriteGate.h"

#include <QCoreApplication>

#include <algorithm>

#include "compare/ImageDiff.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
};
}  // namespace

namespace {

// Cells the unit keeps as no configuration: a write there starts something, it is not kept.
bool Watchable(int address) {
    return address != kFunctionKey && address != kFunctionRead && address != cell::kTestUpward &&
           address != cell::kTestDownward;
}

// A turn of the stream, and the reports that may have been queued before the last write.
constexpr int kConfirmReports = 256 + 64;

}  // namespace

std::optional<UnitImage> CompleteImage(const Link& link) {
    if (link.BackupByteCount < Link::kImageComplete) return std::nullopt;
    UnitImage unit;
    std::copy_n(link.BackupImage.begin(), unit.image.size(), unit.image.begin());
    unit.downward = link.BackupDownward;
    return unit;
}

Task<std::optional<UnitImage>> AwaitImage(Services s, QString doing) {
    if (auto unit = CompleteImage(s.link)) co_return unit;
    Outcome outcome;
    {
        ProgressScope shown(s.progress);
        const auto percent = [&s] { return s.link.BackupByteCount * 100 / Link::kImageComplete; };
        const QString text = Texts::tr("Reading the unit's configuration %1%");
        shown.setText(text.arg(percent()));
        Link& link = s.link;
        int lastPercent = percent();
        outcome = co_await s.link.until(
            [&] {
                if (percent() != lastPercent) {
                    lastPercent = percent();
                    shown.setText(text.arg(std::min(lastPercent, 100)));
                }
                return link.BackupByteCount >= Link::kImageComplete;
            },
            kImageWaitReports);
    }
    if (outcome) co_return CompleteImage(s.link);
    const QString howFar =
        Texts::tr("%1 of 255 bytes of its configuration had come; nothing was written")
            .arg(s.link.BackupByteCount);
    if (outcome.kind == Outcome::NoAnswer) {
        co_await s.dialogs.message(
            Texts::tr("The unit's configuration did not arrive whole while %1 (%2).")
                .arg(doing, howFar),
            {}, MessageIcon::Warning);
    } else {
        co_await Stop(s.dialogs, outcome, doing, howFar);
    }
    co_return std::nullopt;
}

Task<bool> BackUpBeforeWriting(Services s, WriteOptions options, UnitImage unit) {
    if (!options.backup) co_return true;
    std::string error;
    const auto path = SaveSafetyBackup(unit.image, unit.downward, options.backupFolder,
                                       QDateTime::currentDateTime(), error);
    if (!path) {
        // Said as the file system said it ("…: No space left on device: nothing was sent.").
        co_await s.dialogs.message(
            Texts::tr("The unit's configuration could not be kept before writing: %1: nothing "
                      "was sent.")
                .arg(QString::fromStdString(error)),
            {}, MessageIcon::Warning);
        co_return false;
    }
    s.dialogs.notify(
        Texts::tr("The unit's configuration before this write is kept in %1").arg(*path));
    s.note(QStringLiteral("backup"), *path, QStringLiteral("kept before a configuration write"));
    co_return true;
}

std::vector<CellWrite> CellsOf(std::span<const SlotBytes> commands) {
    std::vector<CellWrite> cells;
    for (const SlotBytes& c : commands) {
        if (!TakenByUnit(c)) continue;
        const auto same = [&c](const CellWrite& w) { return w.address == c[2]; };
        const auto it = std::find_if(cells.begin(), cells.end(), same);
        if (it == cells.end())
            cells.push_back({c[2], c[3]});
        else
            it->value = c[3];  // the later write is the one the unit keeps
    }
    return cells;
}

WriteCheck::WriteCheck(Link& link, const std::vector<CellWrite>& cells)
    : link_(link), since_(static_cast<double>(link.nowMs())) {
    for (const CellWrite& c : cells)
        if (Watchable(c.address)) cells_.push_back({c.address, c.value});
    connect(&link_, &Link::dispatched, this, &WriteCheck::look);
}

void WriteCheck::look() {
    // The zero-filled report of a lost unit is no word from the unit.
    if (!link_.DeviceDetected) return;
    // Nor is what the unit made before the write began, though it is read later.
    if (link_.ReportMadeMs() <= since_) return;
    const int address = static_cast<int>(link_.ReplyAddress);
    for (Watched& w : cells_)
        if (w.address == address) w.seen = static_cast<int>(link_.ReplyValue);
}

int WriteCheck::confirmed() const {
    return static_cast<int>(std::count_if(cells_.begin(), cells_.end(),
                                          [](const Watched& w) { return w.seen == w.sent; }));
}

QStringList WriteCheck::differences(int most) const {
    QStringList out;
    int left = 0;
    for (const Watched& w : cells_) {
        if (w.seen == w.sent) continue;
        if (out.size() == most) {
            ++left;
            continue;
        }
        out << (w.seen < 0 ? Texts::tr("address %1 did not come back").arg(w.address)
                           : Texts::tr("address %1 holds %2 (%3 was sent)")
                                 .arg(w.address)
                                 .arg(w.seen)
                                 .arg(w.sent));
    }
    if (left > 0) out << Texts::tr("and %1 more").arg(left);
    return out;
}

QString WriteCheck::confirmedText() const {
    return Texts::tr("%1 of %2 values confirmed by the unit").arg(confirmed()).arg(total());
}

QString SentAndConfirmed(int sent, int total, const WriteCheck& check) {
    return SentCount(sent, total) + QStringLiteral(", ") + check.confirmedText();
}

Task<OpStatus> Confirm(Services s, const WriteCheck& check, QString doing, QString file) {
    Outcome outcome;
    {
        ProgressScope shown(s.progress, Texts::tr("Confirming the write"));
        outcome = co_await s.link.until([&check] { return check.complete(); }, kConfirmReports);
    }
    const QString counted = check.confirmedText();
    if (outcome.kind == Outcome::Cancelled) {
        co_await s.dialogs.message(
            Texts::tr("Written, not confirmed: the check was cancelled (%1).").arg(counted), {},
            MessageIcon::Warning);
        co_return OpStatus::Stopped;
    }
    if (outcome.kind == Outcome::UnitLost)
        co_return co_await Stop(s.dialogs, outcome, Texts::tr("confirming ") + doing,
                                Texts::tr("everything was sent, ") + counted);
    if (!check.complete())
        co_return co_await Refuse(s.dialogs,
                                  Texts::tr("The unit does not hold what was written: ") +
                                      check.differences().join(QStringLiteral(", ")) +
                                      QLatin1Char('.'),
                                  OpStatus::Refused);
    const QString confirmed =
        Texts::tr("Written and confirmed by the unit: %1 values").arg(check.total());
    s.note(QStringLiteral("config-write"), file, doing + QStringLiteral(": ") + confirmed);
    co_await s.dialogs.message(confirmed);
    co_return OpStatus::Done;
}

namespace {

// The image the reports leave in the unit, and the cells they write, each once.
std::array<uint8_t, 256> Applied(const std::array<uint8_t, 256>& image,
                                 const std::vector<PlannedReport>& reports,
                                 std::vector<int>& cells) {
    std::array<uint8_t, 256> after = image;
    for (const PlannedReport& r : reports)
        for (const CellWrite& c : CellsOf(r.commands)) {
            after[c.address] = c.value;
            if (std::find(cells.begin(), cells.end(), c.address) == cells.end())
                cells.push_back(c.address);
        }
    return after;
}

QStringList Lines(const std::vector<Difference>& changes) {
    QStringList lines;
    for (const Difference& d : changes) lines << QString::fromStdString(DifferenceLine(d));
    return lines;
}

Task<OpStatus> AlreadyHeld(Dialogs& dialogs) {
    co_await dialogs.message(Texts::tr("The unit already holds these values: nothing was sent."));
    co_return OpStatus::Done;
}

QString Changes(int n) {
    return n == 1 ? Texts::tr("1 change") : Texts::tr("%1 changes").arg(n);
}

}  // namespace

Task<OpStatus> Write(Services s, WritePlan plan, WriteOptions options,
                     std::optional<UnitImage> unit) {
    if (s.link.backend().replaying())
        co_return co_await Refuse(s.dialogs,
                                  Texts::tr("A replay is playing: stop it to write to a unit."),
                                  OpStatus::Refused);
    if (!unit) unit = co_await AwaitImage(s, plan.doing);
    if (!unit) co_return OpStatus::Stopped;
    if (s.link.EngineSpeed > 0)
        co_return co_await Refuse(s.dialogs, Texts::tr("Stop the engine first."),
                                  OpStatus::Refused);

    // Old -> new for every cell the write changes; the option's own cells apart.
    const auto kind = params::KindOf(unit->downward);
    std::vector<int> cells;
    std::vector<int> optionCells;
    const auto after = Applied(unit->image, plan.reports, cells);
    const auto optionAfter = Applied(unit->image, plan.optionReports, optionCells);
    std::erase_if(optionCells, [&cells](int a) {
        return std::find(cells.begin(), cells.end(), a) != cells.end();
    });
    const auto changes = CompareImages(unit->image, after, kind, cells);
    const auto extra = CompareImages(unit->image, optionAfter, kind, optionCells);
    bool chosen = options.withCounters && !plan.optionReports.empty();
    if (changes.empty() && (extra.empty() || !chosen)) {
        co_return co_await AlreadyHeld(s.dialogs);
    }
    QStringList lines = Lines(changes);
    if (!extra.empty()) {
        lines << (chosen ? Texts::tr("Also written:")
                         : Texts::tr("Kept as the unit holds them, unless asked:"))
              << Lines(extra);
    }
    const int n = static_cast<int>(changes.size() + (chosen ? extra.size() : 0));
    if (options.dryRun) {
        co_await s.dialogs.listing(lines, Changes(n) + Texts::tr("; nothing was sent (dry run)."));
        co_return OpStatus::Done;
    }
    const QString question = !plan.question.isEmpty() ? plan.question
                             : n == 1                 ? Texts::tr("Write this change?")
                                                      : Texts::tr("Write these %1 changes?").arg(n);
    if (!extra.empty() && !chosen) {
        const Dialogs::Choice choice =
            co_await s.dialogs.askWithOption(question, lines.join('\n'), plan.option);
        if (!choice.yes) co_return OpStatus::Abandoned;
        chosen = choice.ticked;
        if (changes.empty() && !chosen) {
            co_return co_await AlreadyHeld(s.dialogs);
        }
    } else if (!co_await s.dialogs.ask(question, lines.join('\n'))) {
        co_return OpStatus::Abandoned;
    }
    if (!co_await BackUpBeforeWriting(s, options, *unit)) co_return OpStatus::BadInput;

    const std::vector<PlannedReport>& reports = chosen ? plan.optionReports : plan.reports;
    std::vector<SlotBytes> all;
    for (const PlannedReport& r : reports)
        all.insert(all.end(), r.commands.begin(), r.commands.end());
    const WriteCheck check(s.link, CellsOf(all));
    const int total = static_cast<int>(reports.size());
    int sent = 0;
    Outcome outcome;
    {
        ProgressScope shown(s.progress, plan.progress);
        for (const PlannedReport& r : reports) {
            if (!r.progress.isEmpty()) shown.setText(r.progress);
            if (plan.percent) shown.setPercent(sent * 100 / total);
            if (r.reportsBefore > 0) outcome = co_await s.link.reports(r.reportsBefore);
            if (outcome && r.passBefore) outcome = co_await s.link.yield();
            if (!outcome) break;
            const bool out = r.keep ? s.link.sendKeeping(r.commands, r.firstSlot)
                                    : s.link.send(r.commands, r.mode, r.firstSlot);
            if (!out) {
                outcome = Outcome{Outcome::UnitLost};
                break;
            }
            ++sent;
        }
    }
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, plan.doing,
                                SentAndConfirmed(sent, total, check));
    if (plan.restartImage) s.link.restartImage();
    co_return co_await Confirm(s, check, plan.what, plan.file);
}

}  // namespace norva
