#include "factory/FactoryCommands.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/NumberText.h"
#include "config/CloneFile.h"
#include "config/CloneImage.h"
#include "config/WriteGate.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FactoryCommands)
};

QString StopAndCoolFirst() {
    return Texts::tr("Stop the engine and let it cool below 100 °C first.");
}
}  // namespace

namespace {

using Slots = std::array<SlotBytes, kSlotCount>;

constexpr int kCalibrationReports = 4;
constexpr int kClearedCellsReports = 256 + 64;
constexpr int kMaxOffset = 80;
constexpr int kDownwardReference = 25;

QString N(double x) {
    return QString::fromStdString(NumberText(x));
}

SlotBytes Cell(int address, int value) {
    return CommandSlot(static_cast<uint8_t>(address), static_cast<uint8_t>(value));
}

SlotBytes Calibration(int address, int value) {
    return CalibrationSlot(static_cast<uint8_t>(address), static_cast<uint8_t>(value));
}

// The test's sends, numbered, with every cell they wrote remembered for the message of a
// test that stops half way.
class TestSends {
  public:
    TestSends(Services s, ProgressScope& progress, int steps)
        : s_(s), progress_(progress), steps_(steps) {}

    bool send(const Slots& commands, ModePair mode) {
        ++step_;
        progress_.setText(Texts::tr("Hardware test: step %1 of %2").arg(step_).arg(steps_));
        if (!s_.link.send(commands, mode)) return false;
        for (const SlotBytes& c : commands)
            if (c[0] != 0) written_.push_back(QStringLiteral("%1=%2").arg(c[2]).arg(c[3]));
        return true;
    }
    QString doing() const {
        return Texts::tr("testing the hardware (step %1 of %2)").arg(step_).arg(steps_);
    }
    QString written() const {
        return written_.isEmpty()
                   ? Texts::tr("nothing was written")
                   : Texts::tr("the cells written so far were ") + written_.join(", ");
    }

  private:
    Services s_;
    ProgressScope& progress_;
    int steps_;
    int step_ = 0;
    QStringList written_;
};

}  // namespace

bool EngineAtRest(const Link& link) {
    constexpr float kCoolEgt = 100;
    return link.EngineSpeed <= 0 && link.Egt <= kCoolEgt;
}

int MenuAccessAddress(bool downward) {
    return cell::AccessCell(downward);
}

Task<OpStatus> WriteCell(Services s, int address, uint8_t value, WriteOptions options) {
    WritePlan plan;
    plan.doing = Texts::tr("writing address %1").arg(address);
    plan.what = plan.doing;
    plan.progress = {};
    plan.reports.push_back(PlannedReport{.commands = {Cell(address, value)}, .mode = kNormalMode});
    co_return co_await Write(s, plan, options);
}

std::optional<uint8_t> MaxSpeedValue(const QString& text) {
    const auto number = ParseNumber(text.toStdString());
    if (!number || !std::isfinite(*number) || *number < 0 || std::floor(*number) > 255)
        return std::nullopt;
    return static_cast<uint8_t>(std::floor(*number));
}

Task<OpStatus> SetMaxSpeed(Services s, WriteOptions options) {
    // The unit's value is the one offered.
    const auto unit = co_await AwaitImage(s, Texts::tr("setting the maximum speed"));
    if (!unit) co_return OpStatus::Stopped;
    const QString text = co_await s.dialogs.inputBox(
        Texts::tr("Max. Authorized R.P.M."),
        Texts::tr("Input the desired Maximum Authorized R.P.M. value in thousands"),
        QString::number(unit->image[kMaxSpeedAddress]));
    if (text.isEmpty()) co_return OpStatus::Abandoned;
    const auto value = MaxSpeedValue(text);
    if (!value)
        co_return co_await Refuse(s.dialogs,
                                  Texts::tr("\"%1\" is no speed: give the thousands of RPM "
                                            "as a number from 0 to 255. Nothing was sent.")
                                      .arg(text),
                                  OpStatus::BadInput);
    co_return co_await WriteCell(s, kMaxSpeedAddress, *value, options);
}

CalibrationValue TemperatureCalibration(double egt, double ambient) {
    const double v = egt / 2 - std::floor(std::fabs(ambient) / 2);
    if (v < 0) return {0, true};
    return {static_cast<int>(std::min(std::floor(v), 255.0)), false};
}

Task<OpStatus> CalibrateTemperature(Services s, QString ambient, WriteOptions options) {
    if (!EngineAtRest(s.link))
        co_return co_await Refuse(s.dialogs, StopAndCoolFirst(), OpStatus::Refused);
    const QString doing = Texts::tr("calibrating the temperature");
    const auto unit = co_await AwaitImage(s, doing);
    if (!unit) co_return OpStatus::Stopped;
    if (!co_await BackUpBeforeWriting(s, options, *unit)) co_return OpStatus::BadInput;
    Link& link = s.link;
    Outcome outcome;
    {
        ProgressScope busy(s.progress);
        // The unit reports its uncorrected temperature once both cells are cleared: reports it
        // queued before it took the write still show the corrected one, so the cleared cells
        // must come back in the stream first (a turn of it at most).
        const WriteCheck cleared(link,
                                 {{cell::kTempCalibration1, 0}, {cell::kTempCalibration2, 0}});
        if (!link.send({Cell(cell::kTempCalibration1, 0), Cell(cell::kTempCalibration2, 0)}))
            outcome = Outcome{Outcome::UnitLost};
        else
            outcome = co_await link.until([&cleared] { return cleared.complete(); },
                                          kClearedCellsReports);
        if (outcome) outcome = co_await link.reports(kCalibrationReports);
    }
    if (!outcome) {
        // Stopped half way: the unit gets back the calibration it had.
        const bool putBack =
            link.DeviceDetected &&
            link.send({Cell(cell::kTempCalibration1, unit->image[cell::kTempCalibration1]),
                       Cell(cell::kTempCalibration2, unit->image[cell::kTempCalibration2])});
        const QString back =
            putBack ? Texts::tr("; the values it held before were put back") : QString();
        if (outcome.kind == Outcome::NoAnswer)
            co_return co_await Refuse(
                s.dialogs,
                Texts::tr("The unit did not clear its temperature calibration, so nothing was "
                          "calibrated%1.")
                    .arg(back),
                OpStatus::Refused);
        co_return co_await Stop(s.dialogs, outcome, doing,
                                Texts::tr("both calibration cells were cleared") + back);
    }
    const double t = LeadingNumber(ambient.toStdString()).value_or(0);
    const CalibrationValue v = TemperatureCalibration(link.Egt, t);
    if (v.error) co_await s.dialogs.message(Texts::tr("Error"));
    if (!link.send(
            {Cell(cell::kTempCalibration1, v.value), Cell(cell::kTempCalibration2, v.value)}))
        co_return co_await Stop(s.dialogs, Outcome{Outcome::UnitLost}, doing,
                                Texts::tr("both calibration cells were cleared"));
    s.note(QStringLiteral("config-write"), {},
           QStringLiteral("the temperature calibration: %1 at %2 C").arg(v.value).arg(t));
    // "Error" is a failed calibration, even though the cells now hold 0.
    co_return v.error ? OpStatus::Refused : OpStatus::Done;
}

Task<OpStatus> FastSetup(Services s, QString path, QString ambient, WriteOptions options,
                         std::function<void(bool)> running) {
    std::string error;
    const auto image = params::ReadCloneFile(path.toStdString(), error);
    if (!image) co_return co_await RefuseFile(s.dialogs, error);
    // Its last step is the calibration: refused before a cell is written rather than after.
    if (!EngineAtRest(s.link))
        co_return co_await Refuse(s.dialogs, StopAndCoolFirst(), OpStatus::Refused);
    const QString doing = Texts::tr("programming");
    const auto unit = co_await AwaitImage(s, doing);
    if (!unit) co_return OpStatus::Stopped;
    // Cell by cell, one pass of the event loop between them; never 112 or 113, and the
    // counters only when asked.
    const auto reports = [&](bool withCounters) {
        const std::vector<int> leftOut = CloneLeftOut(unit->downward, withCounters);
        std::vector<PlannedReport> out;
        for (int a = params::kCloneFirstAddress; a < params::kImageSize; ++a) {
            if (std::find(leftOut.begin(), leftOut.end(), a) != leftOut.end()) continue;
            out.push_back(PlannedReport{.commands = {Cell(a, (*image)[a])},
                                        .progress = Texts::tr("Programming the NORVA") +
                                                    N(std::floor(a / 2.39)) + QLatin1Char('%'),
                                        .passBefore = true});
        }
        return out;
    };
    WritePlan plan;
    plan.doing = doing;
    plan.what = Texts::tr("the fast setup");
    plan.file = path;
    plan.reports = reports(false);
    plan.option = WriteCountersToo();
    plan.optionReports = reports(true);
    if (running) running(true);
    OpStatus status = co_await Write(s, plan, options, unit);
    if (status == OpStatus::Done && !options.dryRun)
        status = co_await CalibrateTemperature(s, ambient);
    if (running) running(false);
    co_return status;
}

int HardwareFactor(int reading, int reference, int lowClamp) {
    const double c = reading;
    const double r = reference;
    double factor = 0;
    if (c < r)
        factor = std::min(r * 256 / c - 256, double(lowClamp));
    else
        factor = std::max(r / c * 256, 140.0);
    return static_cast<int>(std::min(std::floor(factor), 255.0));
}

namespace {

// How far the test's steps went: the outcome of the last wait, and whether the reading the
// factor comes from was 0.
struct TestSteps {
    Outcome outcome;
    bool noCurrent = false;
};

// An upward unit's steps: the calibration cleared, the offset from the current at rest, the
// factor from the current with the glow plug on, then the unit's own steps.
Task<TestSteps> UpwardTestSteps(Services s, TestSends& sends, Config& settings,
                                std::function<void(const QString&)> show, QString& label) {
    const auto lost = Outcome{Outcome::UnitLost};
    const int test = cell::kTestUpward;
    TestSteps r;
    if (!sends.send(
            {Cell(test, 0), Cell(kStartModeAddress, 0), Calibration(cell::kCurrentOffset, 0),
             Calibration(cell::kCurrentFactor, 0), Calibration(cell::kCalibrationClear, 0)},
            kNormalMode))
        r.outcome = lost;
    if (r.outcome) r.outcome = co_await s.link.reports(10);
    if (r.outcome) {
        const int offset = std::min(s.link.BatteryCurrent * 4 + 2, kMaxOffset);
        show(QStringLiteral("offset=") + N(offset));
        if (!sends.send({Calibration(cell::kCurrentOffset, offset), Cell(cell::kGlowPlug, 80),
                         Cell(test, 2)},
                        kNormalMode))
            r.outcome = lost;
    }
    if (r.outcome) r.outcome = co_await s.link.reports(15);
    r.noCurrent = r.outcome && s.link.BatteryCurrent == 0;
    if (!r.outcome || r.noCurrent) co_return r;
    const int factor = HardwareFactor(s.link.BatteryCurrent, settings.CalIntFactor, 41);
    show(label + QStringLiteral(" Factor=") + N(factor));
    if (!sends.send({Calibration(cell::kCurrentFactor, factor), Cell(test, 0),
                     Cell(cell::kGlowPlug, 40), Cell(test, 1)},
                    kNormalMode))
        r.outcome = lost;
    if (r.outcome) r.outcome = co_await s.link.reports(10);
    // The unit's own test steps, each with its wait.
    const std::pair<int, int> steps[] = {{0, 6}, {3, 16}, {0, 6}, {4, 6}, {0, 6}};
    for (const auto& [value, wait] : steps) {
        if (!r.outcome) co_return r;
        if (!sends.send({Cell(test, value)}, kNormalMode)) {
            r.outcome = lost;
            co_return r;
        }
        r.outcome = co_await s.link.reports(wait);
    }
    if (r.outcome && !sends.send({Cell(kStartModeAddress, 1)}, kNormalMode)) r.outcome = lost;
    co_return r;
}

// A downward unit's steps: the same calibration in fewer reports, with its own reference.
Task<TestSteps> DownwardTestSteps(Services s, TestSends& sends, Config& settings,
                                  std::function<void(const QString&)> show, QString& label) {
    const auto lost = Outcome{Outcome::UnitLost};
    const int test = cell::kTestDownward;
    const SlotBytes none{};
    TestSteps r;
    show(QString());
    if (!sends.send({none, none, Calibration(cell::kCurrentOffset, 0),
                     Calibration(cell::kCurrentFactor, 0), Calibration(cell::kCalibrationClear, 0)},
                    kNormalMode))
        r.outcome = lost;
    if (r.outcome) r.outcome = co_await s.link.reports(10);
    if (r.outcome) {
        const int offset = std::min(s.link.BatteryCurrent + 1, kMaxOffset);
        show(QStringLiteral("offset=") + N(offset));
        if (!sends.send({Calibration(cell::kCurrentOffset, offset), none, Cell(test, 2)},
                        kNormalMode))
            r.outcome = lost;
    }
    if (r.outcome) r.outcome = co_await s.link.reports(25);
    r.noCurrent = r.outcome && s.link.BatteryCurrent == 0;
    if (!r.outcome || r.noCurrent) co_return r;
    settings.CalIntFactor = kDownwardReference;
    const int factor = HardwareFactor(s.link.BatteryCurrent, kDownwardReference, 81);
    show(label + QStringLiteral(" Factor=") + N(factor));
    if (!sends.send({Calibration(cell::kCurrentFactor, factor), Cell(test, 3)}, kNoModeChange))
        r.outcome = lost;
    if (r.outcome) r.outcome = co_await s.link.reports(15);
    if (r.outcome && !sends.send({none, Cell(test, 255)}, kNoModeChange)) r.outcome = lost;
    co_return r;
}

}  // namespace

Task<OpStatus> HardwareTest(Services s, Config& settings,
                            std::function<void(const QString&)> result, WriteOptions options) {
    if (!EngineAtRest(s.link))
        co_return co_await Refuse(s.dialogs, StopAndCoolFirst(), OpStatus::Refused);
    const auto unit = co_await AwaitImage(s, Texts::tr("testing the hardware"));
    if (!unit) co_return OpStatus::Stopped;
    if (!co_await BackUpBeforeWriting(s, options, *unit)) co_return OpStatus::BadInput;
    const bool downward = unit->downward;
    QString label;
    const auto show = [&](const QString& text) {
        label = text;
        if (result) result(label);
    };
    ProgressScope shown(s.progress);
    TestSends sends(s, shown, downward ? 4 : 9);
    TestSteps steps;
    if (downward)
        steps = co_await DownwardTestSteps(s, sends, settings, show, label);
    else
        steps = co_await UpwardTestSteps(s, sends, settings, show, label);
    const Outcome outcome = steps.outcome;
    const bool noCurrent = steps.noCurrent;
    // A test that ends early puts back what the unit held before it: the calibration cells and,
    // on upward units, the glow plug and the start mode; its test cell goes to rest (a test
    // cell keeps no setting: any other value starts a step).
    bool putBack = false;
    if ((noCurrent || outcome.kind == Outcome::Cancelled) && s.link.DeviceDetected) {
        const auto& before = unit->image;
        const auto held = [&](int a) { return Cell(a, before[a]); };
        const auto calibration = [&](int a) { return Calibration(a, before[a]); };
        std::vector<SlotBytes> back{calibration(cell::kCurrentOffset),
                                    calibration(cell::kCurrentFactor),
                                    calibration(cell::kCalibrationClear)};
        if (downward) {
            back.push_back(Cell(cell::kTestDownward, 255));
        } else {
            back.push_back(Cell(cell::kTestUpward, 0));
            back.push_back(held(cell::kGlowPlug));
            back.push_back(held(kStartModeAddress));
        }
        putBack = s.link.send(back, downward ? kNoModeChange : kNormalMode);
        if (noCurrent)
            co_return co_await Refuse(
                s.dialogs,
                Texts::tr("The hardware test read no current at step 3; %1.")
                    .arg(putBack ? Texts::tr("the values the unit held before the test were put "
                                             "back")
                                 : Texts::tr("the unit could not be put back as it was")),
                OpStatus::Refused, MessageIcon::Warning);
    }
    if (!outcome)
        co_return co_await Stop(
            s.dialogs, outcome, sends.doing(),
            sends.written() +
                (putBack ? Texts::tr("; the values the unit held before the test were put back")
                         : QString()));
    s.note(QStringLiteral("hardware-test"), {}, label.simplified());
    co_return OpStatus::Done;
}

}  // namespace norva
