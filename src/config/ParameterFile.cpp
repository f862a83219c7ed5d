#include "config/ParameterFile.h"

#include <QCoreApplication>

#include "base/NumberedLines.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ParameterFile)
};
}  // namespace

namespace {

constexpr std::array<int, kNrvCount> kAddresses = [] {
    std::array<int, kNrvCount> a{};
    int i = 0;
    for (int x = cell::kParametersFirst; x <= cell::kParametersLast; ++x) a[i++] = x;
    for (int x = cell::kMaxAuthorizedSpeed; x <= cell::kGlowPlug; ++x) a[i++] = x;
    for (int x = cell::kPumpCurveFirst; x <= cell::kPumpCurveLast; ++x) a[i++] = x;
    return a;
}();

const QString kFilter = QStringLiteral("Norva Parameters(*.nrv)|*.nrv");
const QString kExtension = QStringLiteral("nrv");
constexpr int kReportsPerRead = 4;
// When the answer is late: this many more reports, then the question once more and as many.
constexpr int kLateReports = 10;

// The question for one cell, answered by the first report whose reply bytes carry its address:
// within `first` reports, `late` more, or kLateReports after asking once more.
Task<Outcome> Ask(Link& link, int address, int first, int late) {
    const SlotBytes question = CommandSlot(kFunctionRead, static_cast<uint8_t>(address));
    const auto answered = [&link, address] { return int(link.ReplyAddress) == address; };
    link.Transmet(question);
    Outcome w = co_await link.until(answered, first);
    if (w.kind == Outcome::NoAnswer && late > 0) w = co_await link.until(answered, late);
    if (w.kind == Outcome::NoAnswer) {
        link.Transmet(question);
        w = co_await link.until(answered, kLateReports);
    }
    co_return w;
}

struct CellReply {
    Outcome outcome;
    uint8_t value = 0;
};

Task<CellReply> ReadCell(Link& link, int address) {
    CellReply reply;
    reply.outcome = co_await Ask(link, address, kReportsPerRead, kLateReports);
    reply.value = static_cast<uint8_t>(link.ReplyValue);
    co_return reply;
}

QString ValuesRead(int read) {
    return Texts::tr("%1 of %2 values were read; no file was written").arg(read).arg(kNrvCount);
}

}  // namespace

std::span<const int> NrvAddresses() {
    return kAddresses;
}

std::optional<std::vector<long>> ReadParameterFile(const std::string& path, std::string& error) {
    constexpr std::size_t kMaxBytes = 64 * 1024;
    const auto text = ReadWholeFile(path, error, kMaxBytes);
    if (!text) return std::nullopt;
    return ParseNumberLines(
        *text, path,
        {kNrvCount, 0, 255,
         [](std::size_t i) { return Texts::tr("address %1").arg(kAddresses[i]).toStdString(); }},
        error);
}

Task<OpStatus> SaveParameterFile(Services s) {
    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;

    std::vector<std::string> lines;
    Outcome outcome;
    int failedAddress = 0;
    {
        ProgressScope shown(s.progress, Texts::tr("Saving Parameters"), true);
        outcome = co_await s.link.reports(kReportsPerRead);
        for (int address : kAddresses) {
            if (!outcome) break;
            shown.setPercent(static_cast<int>(lines.size()) * 100 / kNrvCount);
            const CellReply reply = co_await ReadCell(s.link, address);
            outcome = reply.outcome;
            failedAddress = address;
            if (outcome) lines.push_back(std::to_string(reply.value));
        }
    }
    if (!outcome) {
        const QString doing = Texts::tr("reading address %1").arg(failedAddress);
        co_return co_await Stop(s.dialogs, outcome, doing, ValuesRead(int(lines.size())));
    }
    std::string error;
    if (!WriteLines(path, lines, error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    s.dialogs.notify(Texts::tr("The unit's 71 parameters were saved to %1.").arg(path));
    co_return OpStatus::Done;
}

Task<std::optional<int>> CheckRights(Link& link) {
    const Outcome w = co_await Ask(link, cell::kAccessUpward, kLateReports, 0);
    if (w.kind == Outcome::NoAnswer) co_return 0;
    if (!w) co_return std::nullopt;
    co_return static_cast<int>(link.ReplyValue);
}

Task<OpStatus> WriteParameterFile(Services s, WriteOptions options) {
    const QString doing = Texts::tr("writing parameters");
    const std::optional<UnitImage> before = co_await AwaitImage(s, doing);
    if (!before) co_return OpStatus::Stopped;
    std::optional<int> rights;
    {
        ProgressScope busy(s.progress);
        rights = co_await CheckRights(s.link);
    }
    if (!rights) {
        const Outcome why = s.link.Operation.cancelling() ? Outcome{Outcome::Cancelled}
                                                          : Outcome{Outcome::UnitLost};
        co_return co_await Stop(s.dialogs, why, Texts::tr("reading its access level"),
                                Texts::tr("nothing was written"));
    }
    if (*rights != cell::kFullAccessValue)
        co_return co_await Refuse(s.dialogs, Texts::tr("Norva Write Protected"), OpStatus::Refused,
                                  MessageIcon::Critical);

    const FileRequest request(QString(), kFilter, kExtension, {}, true);
    const QString path = co_await s.dialogs.openFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    std::string error;
    const auto values = ReadParameterFile(path.toStdString(), error);
    if (!values) co_return co_await RefuseFile(s.dialogs, error);
    // One cell a report, one pass of the event loop between them, as the unit takes them.
    WritePlan plan;
    plan.doing = Texts::tr("programming");
    plan.what = Texts::tr("the parameter write");
    plan.file = path;
    plan.percent = true;
    for (int i = 0; i < kNrvCount; ++i)
        plan.reports.push_back(
            PlannedReport{.commands = {CommandSlot(static_cast<uint8_t>(kAddresses[i]),
                                                   static_cast<uint8_t>((*values)[i]))},
                          .passBefore = true});
    co_return co_await Write(s, plan, options, before);
}

}  // namespace norva
