#include "protocol/ImageLayout.h"

#include <array>
#include <cmath>

#include "base/NumberText.h"
#include "base/Windows1252.h"
#include "protocol/AddressMap.h"

namespace norva::params {

namespace {

constexpr const char* kSpeed = "thousand RPM";
constexpr const char* kCelsius = "°C";
constexpr const char* kPumpUnits = "pump units";
constexpr bool kBoth = true;        // shown for both kinds
constexpr bool kUpward = false;     // downward units hide it
constexpr double kVolts = 0.06;     // per step, upward units
constexpr double kVoltsDown = 0.1;  // per step, downward units

using enum Field;
using enum ByteOrder;
using enum Coding;

// Row builders, so that each row says only what sets its field apart.
constexpr FieldInfo One(Field f, int address, double scale, const char* unit, const char* caption,
                        bool shown = kBoth, Coding coding = Number) {
    return {f, address, address, 1, Single, scale, scale, coding, unit, caption, shown};
}
constexpr FieldInfo Shown(Field f, int address, Coding coding, const char* caption,
                          bool shown = kBoth) {
    return One(f, address, 1, "", caption, shown, coding);
}
constexpr FieldInfo Wide(Field f, int address, int width, ByteOrder order, const char* unit,
                         const char* caption) {
    return {f, address, address, width, order, 1, 1, Number, unit, caption, kBoth};
}
constexpr FieldInfo Block(Field f, int address, int width, Coding coding) {
    return {f, address, address, width, Single, 1, 1, coding, "", "", kBoth};
}
constexpr FieldInfo Written(Field f, int address, const char* unit = "") {
    return One(f, address, 1, unit, "", kBoth, WriteOnly);
}
// Where the kinds differ: the downward unit's cell and scale.
constexpr FieldInfo Downward(FieldInfo info, int address, double scale) {
    info.downwardAddress = address;
    info.downwardScale = scale;
    return info;
}

// clang-format off
constexpr FieldInfo kFields[] = {
    Written(TempCalibration1, cell::kTempCalibration1),
    Written(TempCalibration2, cell::kTempCalibration2),
    Shown(ShutdownCause,          cell::kShutdownCause,  StatusCode, "Last shutdown cause= "),
    One(ShutdownEgt,              cell::kShutdownEgt,  4,   kCelsius,   "Last shutdown EGT= "),
    One(ShutdownSpeed,            cell::kShutdownRpm,  1,   kSpeed,     "Last shutdown RPM= "),
    One(ShutdownPump,             cell::kShutdownPump,  4,   kPumpUnits, "Last shutdown Pump= "),
    One(RxErrorTime,              cell::kRxErrorTime,  1,   "s",        "RX Error time= "),
    Wide(RxErrors,                cell::kRxErrorsLow,  2,   LowFirst,   "", "RX Errors= "),
    One(StarterPowerIgnition,     cell::kStarterPowerIgnition, 1,   "",         "Starter Power Ignition= "),
    One(GasIgnitionMaxSpeed,      cell::kGasIgnitionMaxSpeed, 1,   kSpeed,     "Ignition Max RPM= ", kUpward),
    One(GasIgnitionMinSpeed,      cell::kGasIgnitionMinSpeed, 1,   kSpeed,     "Ignition Min RPM= ", kUpward),
    One(GasPreheatTime,           cell::kGasPreheatTime, 0.5, "s",        "Preheat Time= ", kUpward),
    One(GasOffSpeed,              cell::kGasOffSpeed, 1,   kSpeed,     "Gas OFF RPM= ", kUpward),
    One(StarterOffSpeed,          cell::kStarterOffSpeed, 1,   kSpeed,     "RPM OFF Starter= "),
    One(StarterPowerFuelRamp,     cell::kStarterPowerFuelRamp, 1,   "",         "Starter Power Fuel Ramp= "),
    One(StarterFullPowerSpeed,    cell::kStarterFullPowerSpeed, 1,   kSpeed,     "RPM 100% Starter Power= "),
    One(StarterReconnectSpeed,    cell::kStarterReconnectSpeed, 1,   kSpeed,     "RPM Reconnect Starter= "),
    One(IgnitionTimeout,          cell::kIgnitionTimeout, 0.5, "s",        "Ignition Timeout= ", kUpward),
    Downward(Written(MenuAccess, cell::kAccessUpward), cell::kAccessDownward, 1),
    Written(MaxAuthorizedSpeed,   cell::kMaxAuthorizedSpeed, kSpeed),
    One(DecelDelay,               cell::kDecelDelay, 1,   "",         "Decel Delay= "),
    One(IdleSpeed,                cell::kIdleSpeed, 1,   kSpeed,     "Idle RPM= "),
    One(FullSpeed,                cell::kFullSpeed, 1,   kSpeed,     "Max  RPM= "),
    One(MinEgt,                   cell::kMinEgt, 4,   kCelsius,   "Min EGT= "),
    One(MaxEgt,                   cell::kMaxEgt, 4,   kCelsius,   "Max EGT= "),
    Shown(PumpStartPoint,         cell::kPumpStartPoint, AutoPlus, "Pump Start Point= "),
    // A downward unit keeps its access level in this cell.
    Downward(One(StabilityDelay,  cell::kStabilityDelay, 1,   "", "Stability Delay= ", kUpward), kNoAddress, 1),
    One(AccelDelay,               cell::kAccelDelay, 1,   "",         "Accel Delay= "),
    One(StopSpeed,                cell::kStopSpeed, 1,   kSpeed,     "Stop RPM= "),
    One(PumpStartRamp,            cell::kPumpStartRamp, 1,   "",         "Pump Start Ramp= "),
    // A downward unit keeps its engine's serial number in 59 and 60 (written by "Set Serial
    // Number", which only those units take): there they are no stick or pulse values.
    Downward(One(IdleStick,       cell::kIdleStick, 1,   "/256",     ""), kNoAddress, 1),
    Downward(Wide(Pulse100,       cell::kPulse100High, 2,   HighFirst,  "µs", "RC Pulse 100%="), kNoAddress, 1),
    Wide(Pulse0,                  cell::kPulse0High, 2,   HighFirst,  "µs", "RC Pulse 0%="),
    One(Cycles,                   cell::kCycles, 1,   "",         "Cycle= "),
    Wide(LastRunTime,             cell::kLastRunLow, 2,   LowFirst,   "s", "Last Run time= "),
    Wide(TotalTime,               cell::kTotalTimeLow, 3,   LowFirst,   "s", "Total engine time= "),
    Downward(One(GasGlowPlug,     cell::kGlowPlug, kVolts, "V", "Glow Plug Volts= ", kUpward), cell::kGlowPlug, kVoltsDown),
    One(GasStartFlow,             cell::kGasStartFlow, 1,   "%",        "Start Gas Flow= ", kUpward),
    Downward(Written(HardwareTest, cell::kTestUpward), cell::kTestDownward, 1),
    One(PumpLimit,                cell::kPumpLimit, 4,   kPumpUnits, "Pump Limit= "),
    One(LowBattery,               cell::kLowBattery, kVolts, "V",     "Low Batt Volts= ", kUpward),
    One(KeroIgnitionSpeed,        cell::kKeroIgnitionSpeed, 1,   kSpeed,     "RPM Ignition = "),
    One(KeroPumpPowerIgnition,    cell::kKeroPumpPowerIgnition, 1,   "",         "Pump Power Ignition= ", kUpward),
    One(SwitchOverFlow,           cell::kSwitchOverFlow, 1,   "%",        "Flow to Engine S/O= ", kUpward),
    One(EndPreheatEgt,            cell::kEndPreheatEgt, 4,   kCelsius,   "EGT End Preheat= ", kUpward),
    One(PreheatSpeed,             cell::kPreheatSpeed, 1,   kSpeed,     "Preheat RPM= "),
    Shown(StartMode,              cell::kStartMode, StartModeName, "Start Mode= ", kUpward),
    One(FuelRampSpeed,            cell::kFuelRampSpeed, 1,   kSpeed,     "Fuel Ramp RPM= "),
    One(EngineFuelPreheat,        cell::kEngineFuelPreheat, 1,   "%",        "Engine Fuel Preheat= ", kUpward),
    Shown(ThrottleCurve,          cell::kThrottleCurve, ThrottleCurveName, "Throttle curve= "),
    Downward(One(KeroGlowPlug,    cell::kKeroGlowPlug, kVolts, "V",     "Glow Plug Volts= "), cell::kKeroGlowPlug, kVoltsDown),
    Block(AccelRamp,              cell::kAccelRamp, 16, Table),
    Block(DecelRamp,              cell::kDecelRamp, 16, Table),
    Block(WelcomeLine1,           cell::kWelcomeFirst, 16, Text),
    Block(WelcomeLine2,           cell::kWelcomeLine2, 16, Text),
    Block(PumpCurve,              cell::kPumpCurveFirst, 32, Table),
    Written(CurrentOffset,        cell::kCurrentOffset),
    Written(CurrentFactor,        cell::kCurrentFactor),
    Written(CalibrationClear,     cell::kCalibrationClear),
    Downward(Wide(SerialNumber,   kNoAddress, 2, LowFirst, "", "Serial Number= "), cell::kSerialLow, 1),
};
// clang-format on
static_assert([] {
    for (int i = 0; i < kFieldCount; ++i)
        if (static_cast<int>(kFields[i].field) != i) return false;
    return true;
}());
static_assert(std::size(kFields) == kFieldCount);

// Cells beyond a short image read as zero rather than past its end.
uint8_t Cell(std::span<const uint8_t> image, int address) {
    return address >= 0 && static_cast<size_t>(address) < image.size() ? image[address] : 0;
}

}  // namespace

std::span<const FieldInfo> Fields() {
    return kFields;
}

const FieldInfo& Info(Field field) {
    return kFields[static_cast<int>(field)];
}

int AddressOf(Field field, UnitKind kind) {
    const FieldInfo& info = Info(field);
    return kind == UnitKind::Downward ? info.downwardAddress : info.address;
}

double ScaleOf(Field field, UnitKind kind) {
    const FieldInfo& info = Info(field);
    return kind == UnitKind::Downward ? info.downwardScale : info.scale;
}

const FieldInfo* FieldAt(int address, UnitKind kind) {
    for (const FieldInfo& info : kFields) {
        const int first = AddressOf(info.field, kind);
        if (first != kNoAddress && address >= first && address < first + info.width) return &info;
    }
    return nullptr;
}

uint32_t Stored(std::span<const uint8_t> image, Field field, UnitKind kind) {
    const FieldInfo& info = Info(field);
    const int first = AddressOf(field, kind);
    if (first == kNoAddress) return 0;
    if (info.order == ByteOrder::Single || info.width > 3) return Cell(image, first);
    uint32_t value = 0;
    for (int i = 0; i < info.width; ++i) {
        const int address =
            info.order == ByteOrder::HighFirst ? first + i : first + info.width - 1 - i;
        value = value * 256 + Cell(image, address);
    }
    return value;
}

double Value(std::span<const uint8_t> image, Field field, UnitKind kind) {
    return Stored(image, field, kind) * ScaleOf(field, kind);
}

QString StartModeText(uint8_t value) {
    switch (value) {
        case 1:
            return QStringLiteral("AUTO-GAS");
        case 2:
            return QStringLiteral("AUTO-KERO");
        default:
            return QStringLiteral("MANUAL");
    }
}

QString ThrottleCurveText(uint8_t value) {
    switch (value) {
        case 1:
            return QStringLiteral("Thrust Lineal");
        case 2:
            return QStringLiteral("HALF EXPO");
        default:
            return QStringLiteral("RPM LINEAL");
    }
}

QString PumpStartPointText(uint8_t value) {
    const QString number = QString::fromStdString(NumberText(value));
    return value < 9 ? QStringLiteral("AUTO+") + number : number;
}

int64_t IdlePulse(std::span<const uint8_t> image) {
    const int64_t p100 = Stored(image, Field::Pulse100);
    const int64_t p0 = Stored(image, Field::Pulse0);
    const int64_t share = Stored(image, Field::IdleStick);
    // Exact in doubles; floor, not truncation, when the 100 % pulse is the shorter one.
    return static_cast<int64_t>(std::floor(p0 + share * (p100 - p0) / 256.0));
}

double TotalEngineHours(std::span<const uint8_t> image) {
    return (Stored(image, Field::TotalTime) / 360) / 10.0;
}

int PumpPower(uint8_t pointValue, uint8_t pumpLimitByte) {
    // floor(v × b80 / 1000 × 16) in whole numbers: the same value without rounding doubts.
    return pointValue * pumpLimitByte * 16 / 1000;
}

CurvePoint PumpCurvePoint(std::span<const uint8_t> image, int k) {
    const int first = AddressOf(Field::PumpCurve, UnitKind::Upward);
    const double value = Cell(image, first + k);
    return {7.0 + 8.0 * k, value * Stored(image, Field::PumpLimit) / 256.0};
}

QString WelcomeLine(std::span<const uint8_t> image, int line) {
    const FieldInfo& info = Info(line == 1 ? Field::WelcomeLine1 : Field::WelcomeLine2);
    QString text;
    for (int i = 0; i < info.width; ++i) {
        const uint8_t byte = Cell(image, info.address + i);
        if (byte != 0) text += QChar(AnsiChar(byte));
    }
    return text;
}

}  // namespace norva::params
