#include "config/Maintenance.h"

#include <QCoreApplication>

#include <cmath>
#include <vector>

#include "base/NumberText.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Maintenance)
};
}  // namespace

namespace {

// Zero writes of `count` cells from `first`, each with its own address as checksum.
std::vector<SlotBytes> Zeros(int first, int count) {
    std::vector<SlotBytes> commands;
    for (int a = first; a < first + count; ++a) commands.push_back(CommandSlot(uint8_t(a), 0));
    return commands;
}

// The unit's image, and with it its kind; `ended` says how a write that is not to go on ended.
struct Gated {
    std::optional<OpStatus> ended;
    UnitImage unit;
};
Task<Gated> DownwardUnit(Services s, QString doing) {
    const auto image = co_await AwaitImage(s, doing);
    if (!image) co_return Gated{OpStatus::Stopped, {}};
    if (!image->downward)
        co_return Gated{
            co_await Refuse(s.dialogs,
                            Texts::tr("This unit keeps no serial number or timers: only units "
                                      "whose configuration streams downwards do."),
                            OpStatus::Refused, MessageIcon::Information),
            {}};
    co_return Gated{std::nullopt, *image};
}

// One report of a maintenance write, one report of the unit's awaited before it; it leaves the
// rest of the output buffer as the previous command left it.
PlannedReport Report(std::vector<SlotBytes> commands) {
    return PlannedReport{.commands = std::move(commands), .reportsBefore = 1, .keep = true};
}

WritePlan Plan(QString doing, std::vector<PlannedReport> reports, QString question = {}) {
    WritePlan plan;
    plan.doing = doing;
    plan.what = doing;
    plan.question = std::move(question);
    plan.reports = std::move(reports);
    return plan;
}

}  // namespace

std::optional<uint16_t> SerialNumberValue(const QString& text) {
    const auto number = ParseNumber(text.toStdString());
    if (!number || *number != std::floor(*number)) return std::nullopt;
    const double value = std::fabs(*number);
    if (value > 65535) return std::nullopt;
    return static_cast<uint16_t>(value);
}

Task<OpStatus> SetSerialNumber(Services s, WriteOptions options) {
    const QString doing = Texts::tr("setting the serial number");
    const Gated gated = co_await DownwardUnit(s, doing);
    if (gated.ended) co_return *gated.ended;
    const int now = gated.unit.image[cell::kSerialHigh] * 256 + gated.unit.image[cell::kSerialLow];
    const QString text = co_await s.dialogs.inputBox(
        Texts::tr("Serial Number"), Texts::tr("Set engine serial number"), QString::number(now));
    if (text.isEmpty()) co_return OpStatus::Abandoned;
    const auto value = SerialNumberValue(text);
    if (!value)
        co_return co_await Refuse(s.dialogs,
                                  Texts::tr("\"%1\" is no serial number: give a whole number "
                                            "from 0 to 65535. Nothing was sent.")
                                      .arg(text),
                                  OpStatus::BadInput);
    const auto high = static_cast<uint8_t>(*value / 256);
    const auto low = static_cast<uint8_t>(*value % 256);
    co_return co_await Write(
        s,
        Plan(doing,
             {Report({CommandSlot(cell::kSerialHigh, high), CommandSlot(cell::kSerialLow, low)})}),
        options, gated.unit);
}

Task<OpStatus> ClearServiceTimer(Services s, WriteOptions options) {
    const QString doing = Texts::tr("clearing the service timer");
    const Gated gated = co_await DownwardUnit(s, doing);
    if (gated.ended) co_return *gated.ended;
    const OpStatus status = co_await Write(
        s,
        Plan(doing, {Report(Zeros(cell::kServiceTimerFirst, cell::kServiceTimerCount))},
             Texts::tr("Clear the service timer?")),
        options, gated.unit);
    // A confirmed clear is a service: the engine's baseline starts again after it.
    if (status == OpStatus::Done && !options.dryRun)
        s.note(QStringLiteral("service"), {}, QStringLiteral("service timer cleared"));
    co_return status;
}

Task<OpStatus> ClearAllTimers(Services s, WriteOptions options) {
    const QString doing = Texts::tr("clearing the timers");
    const Gated gated = co_await DownwardUnit(s, doing);
    if (gated.ended) co_return *gated.ended;
    // The question lists the counts it clears, old -> 0.
    co_return co_await Write(
        s,
        Plan(doing,
             {Report(Zeros(cell::kTimersFirst, 6)), Report(Zeros(cell::kTimersFirst + 6, 6)),
              Report(Zeros(cell::kRunTimersFirst, cell::kRunTimersCount))},
             Texts::tr("Clear all timers? The cycle count and the total engine time become 0.")),
        options, gated.unit);
}

}  // namespace norva
