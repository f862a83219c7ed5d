#include "params/Summary.h"

#include <cmath>
#include <cstring>
#include <string>

#include "base/NumberText.h"
#include "base/StatusCodes.h"
#include "link/Link.h"
#include "protocol/ImageLayout.h"

namespace norva::params {

namespace {

// How a line turns its field into text after the caption.
enum class Show {
    Value,        // N(stored × scale) + suffix
    WithPercent,  // N(raw) + " (" + N(floor(raw / 2.55)) + "%)"
    AutoPlus,
    ModeText,
    CurveText,
    CauseText,
    TotalHours,
    IdlePulse,
    LivePulse,
    Commanded,
    Welcome1,
    Welcome2,
    PumpIdle,
    PumpMax,
};

struct LineRow {
    const char* id;
    const char* control;
    Frame frame;
    Field field;
    Show show;
    const char* suffix;
    bool hiddenReduced;
    const char* caption = nullptr;  // lines of derived values; the rest take the field's
};

constexpr const char* kThousand = ".000";
constexpr const char* kDegrees = "\u00BAC";  // the masculine ordinal, as the window has it
// Captions of the lines that show derived values rather than one field.
constexpr const char* kIdlePos = "Idle Position= ";
constexpr const char* kLive = "RC Pulse Current=";
constexpr const char* kCommand = "Command RPM= ";
constexpr const char* kPumpIdle = "Pump Idle Pw= ";
constexpr const char* kPumpMax = "Pump Max Pw= ";
// Cells below this are the unit's own record (last shutdown, receiver errors), never in a file.
constexpr int kFirstStoredAddress = 16;
constexpr bool kHide = true;
constexpr bool kKeep = false;

using enum Frame;
using enum Field;
using enum Show;
using F = Field;
using S = Show;

// The window's fill order; within a frame it is also top to bottom.
// clang-format off
constexpr LineRow kLines[] = {
    {"U1", "Label1",  Run,      FullSpeed,             Value,       kThousand, kKeep},
    {"U2", "Label2",  Run,      IdleSpeed,             Value,       kThousand, kKeep},
    {"U3", "Label3",  Run,      StopSpeed,             Value,       kThousand, kKeep},
    {"U4", "Label4",  Run,      MinEgt,                Value,       kDegrees,  kKeep},
    {"U5", "Label5",  Run,      MaxEgt,                Value,       kDegrees,  kKeep},
    {"U6", "Label6",  Run,      AccelDelay,            Value,       "",        kKeep},
    {"U7", "Label7",  Run,      DecelDelay,            Value,       "",        kKeep},
    {"U8", "Label8",  Run,      StabilityDelay,        Value,       "",        kHide},
    {"U9", "Label9",  Run,      PumpLimit,             Value,       "",        kKeep},
    {"S1", "Label10", Start,    PumpStartPoint,        AutoPlus,    "",        kKeep},
    {"S2", "Label11", Start,    PumpStartRamp,         Value,       "",        kKeep},
    {"S3", "Label12", Start,    LowBattery,            Value,       "V",       kHide},
    {"S4", "Label13", Start,    StarterPowerIgnition,  WithPercent, "",        kKeep},
    {"S5", "Label14", Start,    StarterPowerFuelRamp,  WithPercent, "",        kKeep},
    {"S6", "Label15", Start,    StarterOffSpeed,       Value,       kThousand, kKeep},
    {"S7", "Label16", Start,    StarterFullPowerSpeed, Value,       kThousand, kKeep},
    {"S8", "Label17", Start,    StarterReconnectSpeed, Value,       kThousand, kKeep},
    {"S9", "Label18", Start,    StartMode,             ModeText,    "",        kHide},
    {"G1", "Label19", GasStart, GasGlowPlug,           Value,       "V",       kKeep},
    {"G2", "Label20", GasStart, GasStartFlow,          Value,       "%",       kKeep},
    {"G3", "Label21", GasStart, GasIgnitionMinSpeed,   Value,       kThousand, kKeep},
    {"G4", "Label25", GasStart, GasIgnitionMaxSpeed,   Value,       kThousand, kKeep},
    {"G5", "Label26", GasStart, GasPreheatTime,        Value,       "s",       kKeep},
    {"G6", "Label27", GasStart, GasOffSpeed,           Value,       kThousand, kKeep},
    {"K1", "Label22", Kerosene, KeroGlowPlug,          Value,       "V",       kKeep},
    {"K2", "Label23", Kerosene, KeroIgnitionSpeed,     Value,       kThousand, kKeep},
    {"K3", "Label24", Kerosene, KeroPumpPowerIgnition, Value,       "",        kHide},
    {"K4", "Label28", Kerosene, IgnitionTimeout,       Value,       "s",       kHide},
    {"K5", "Label29", Kerosene, EngineFuelPreheat,     Value,       "%",       kHide},
    {"K6", "Label30", Kerosene, PreheatSpeed,          Value,       kThousand, kKeep},
    {"K7", "Label31", Kerosene, EndPreheatEgt,         Value,       kDegrees,  kHide},
    {"K8", "Label32", Kerosene, SwitchOverFlow,        Value,       "%",       kHide},
    {"K9", "Label33", Kerosene, FuelRampSpeed,         Value,       kThousand, kKeep},
    // A downward unit's 59 and 60 hold its serial number: no pulse or idle position from them.
    {"R1", "Label34", Radio,    Pulse100,              Value,       "uS",      kHide},
    {"R2", "Label35", Radio,    Pulse0,                Value,       "uS",      kKeep},
    {"R3", "Label36", Radio,    IdleStick,             IdlePulse,   "uS",      kHide, kIdlePos},
    {"R4", "Label37", Radio,    IdleStick,             LivePulse,   "%",       kHide, kLive},
    {"R5", "Label38", Radio,    IdleStick,             Commanded,   "",        kHide, kCommand},
    {"R6", "Label39", Radio,    ThrottleCurve,         CurveText,   "",        kKeep},
    {"W1", "Label40", Welcome,  WelcomeLine1,          Welcome1,    "",        kKeep},
    {"W2", "Label41", Welcome,  WelcomeLine2,          Welcome2,    "",        kKeep},
    {"L1", "Label42", LastRun,  Cycles,                Value,       "",        kKeep},
    {"L2", "Label43", LastRun,  LastRunTime,           Value,       " s",      kKeep},
    {"L3", "Label44", LastRun,  TotalTime,             TotalHours,  " hours",  kKeep},
    {"L4", "Label45", LastRun,  ShutdownCause,         CauseText,   "",        kKeep},
    {"L5", "Label46", LastRun,  ShutdownSpeed,         Value,       kThousand, kKeep},
    {"L6", "Label47", LastRun,  ShutdownEgt,           Value,       kDegrees,  kKeep},
    {"L7", "Label48", LastRun,  ShutdownPump,          Value,       "",        kKeep},
    {"L8", "Label49", LastRun,  RxErrors,              Value,       "",        kKeep},
    {"L9", "Label50", LastRun,  RxErrorTime,           Value,       " s",      kKeep},
    {"P1", "Label51", Pump,     PumpCurve,             PumpIdle,    "",        kKeep, kPumpIdle},
    {"P2", "Label52", Pump,     PumpCurve,             PumpMax,     "",        kKeep, kPumpMax},
};
// clang-format on

QString N(double x) {
    return QString::fromStdString(NumberText(x));
}

QString StatusText(int count) {
    if (count >= kSummaryCompleteCount) return QStringLiteral("Data Read OK");
    return QStringLiteral("Reading data= ") + N(std::floor(count / 2.55)) + QStringLiteral("%");
}

QString ValueText(const LineRow& row, const SummaryInput& in, UnitKind kind) {
    const auto image = in.image;
    // The window reads every line from its upward address; only the scale depends on the
    // kind (the hidden lines of a downward unit are filled all the same).
    const uint32_t stored = Stored(image, row.field);
    switch (row.show) {
        case S::Value:
            return N(stored * ScaleOf(row.field, kind));
        case S::WithPercent:
            return N(stored) + QStringLiteral(" (") + N(std::floor(stored / 2.55)) +
                   QStringLiteral("%)");
        case S::AutoPlus:
            return PumpStartPointText(static_cast<uint8_t>(stored));
        case S::ModeText:
            return StartModeText(static_cast<uint8_t>(stored));
        case S::CurveText:
            return ThrottleCurveText(static_cast<uint8_t>(stored));
        case S::CauseText:
            return QString::fromStdString(ShutdownCauseText(int(stored)));
        case S::TotalHours:
            return N(TotalEngineHours(image));
        case S::IdlePulse:
            return N(static_cast<double>(params::IdlePulse(image)));
        case S::LivePulse:
            return QString::fromStdString(NumberText(in.receiverPulse)) + QStringLiteral("uS") +
                   N(in.stickPosition);
        case S::Commanded:
            return CommandedSpeedText(int(stored), int(Stored(image, F::IdleSpeed)),
                                      int(Stored(image, F::FullSpeed)), in.stickPosition);
        case S::Welcome1:
            return WelcomeLine(image, 1);
        case S::Welcome2:
            return WelcomeLine(image, 2);
        case S::PumpIdle:
        case S::PumpMax: {
            const int first = AddressOf(F::PumpCurve, UnitKind::Upward);
            const int point = row.show == S::PumpIdle ? 0 : kPumpCurvePoints - 1;
            const uint8_t value = first + point < int(image.size()) ? image[first + point] : 0;
            return N(PumpPower(value, static_cast<uint8_t>(Stored(image, F::PumpLimit))));
        }
    }
    return {};
}

}  // namespace

QString FrameCaption(Frame frame) {
    switch (frame) {
        case Status:
            return QStringLiteral("Status");
        case Welcome:
            return QStringLiteral("Welcome Screen");
        case Start:
            return QStringLiteral("Start");
        case GasStart:
            return QStringLiteral("Gas Start");
        case LastRun:
            return QStringLiteral("Last run");
        case Kerosene:
            return QStringLiteral("Kerosene Start");
        case Radio:
            return QStringLiteral("Radio");
        case Pump:
            return QStringLiteral("Pump Performance");
        case Run:
            return QStringLiteral("Run");
    }
    return {};
}

const SummaryLine* Summary::line(const char* id) const {
    for (const SummaryLine& l : lines)
        if (std::strcmp(l.id, id) == 0) return &l;
    return nullptr;
}

SummaryInput SummaryInputOf(const Link& link) {
    SummaryInput input;
    input.image = link.BackupImage;
    input.backupByteCount = link.BackupByteCount;
    input.downward = link.BackupDownward;
    input.stickPosition = link.StickPosition;
    input.receiverPulse = link.ReceiverPulse;
    return input;
}

std::span<const LinePlace> SummaryLinePlaces() {
    static const std::vector<LinePlace> places = [] {
        std::vector<LinePlace> v;
        for (const LineRow& row : kLines) v.push_back({row.id, row.control, row.frame});
        return v;
    }();
    return places;
}

Summary MakeSummary(const SummaryInput& input) {
    Summary summary;
    summary.reduced = input.downward;
    summary.complete = input.backupByteCount >= kSummaryCompleteCount;
    summary.status = StatusText(input.backupByteCount);
    summary.statusColour = summary.complete ? QColor(0, 255, 0) : QColor(255, 255, 0);
    for (int f = 0; f < kFrameCount; ++f) {
        const auto frame = static_cast<Frame>(f);
        summary.frameVisible[f] =
            frame == Status || (summary.complete && !(frame == GasStart && summary.reduced));
    }
    const UnitKind kind = KindOf(input.downward);
    summary.lines.reserve(std::size(kLines));
    for (const LineRow& row : kLines) {
        const char* caption = row.caption ? row.caption : Info(row.field).caption;
        SummaryLine line{row.id, row.control, row.frame, {}, false};
        const bool unknown = input.cloneFile && (Info(row.field).address < kFirstStoredAddress ||
                                                 row.show == LivePulse || row.show == Commanded);
        line.text = QString::fromUtf8(caption) +
                    (unknown ? QStringLiteral(" n/a")
                             : ValueText(row, input, kind) + QString::fromUtf8(row.suffix));
        line.hidden = summary.reduced && row.hiddenReduced;
        summary.lines.push_back(line);
    }
    return summary;
}

QString CommandedSpeedText(int idlePositionByte, int idleSpeed, int fullSpeed, int stick) {
    const double x = idlePositionByte / 2.0 / 2.55;
    const double y = idlePositionByte / 2.55;
    const double z = idlePositionByte / 2.54;
    const double s = stick;
    const QString idle = N(idleSpeed) + QString::fromUtf8(kThousand);
    QString text = QStringLiteral("No Data");
    if (x > s) text = QStringLiteral("OFF");
    if (x < s && y > s) text = idle;
    if (z <= s) {
        if (z == 100) {
            // Idle position 254: at full stick the span has no width; the stick is at idle.
            text = idle;
        } else if (fullSpeed < idleSpeed) {
            // A full speed below idle speed is a configuration the unit cannot fly by; a
            // speed falling as the stick advances would mislead, so none is claimed.
            text = QStringLiteral("No Data");
        } else {
            text = N(std::floor(idleSpeed + (fullSpeed - idleSpeed) * (s - z) / (100 - z))) +
                   QString::fromUtf8(kThousand);
        }
    }
    return text;
}

}  // namespace norva::params
