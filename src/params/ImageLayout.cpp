#include "params/ImageLayout.h"

#include <array>
#include <cmath>

#include "base/NumberText.h"

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

// clang-format off
constexpr FieldInfo kFields[] = {
    {TempCalibration1,      1,   1,   1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {TempCalibration2,      2,   2,   1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {ShutdownCause,         3,   3,   1,  Single,    1,     1,          StatusCode,     "",         "Last shutdown cause= ",     kBoth},
    {ShutdownEgt,           4,   4,   1,  Single,    4,     4,          Number,         kCelsius,   "Last shutdown EGT= ",       kBoth},
    {ShutdownSpeed,         5,   5,   1,  Single,    1,     1,          Number,         kSpeed,     "Last shutdown RPM= ",       kBoth},
    {ShutdownPump,          6,   6,   1,  Single,    4,     4,          Number,         kPumpUnits, "Last shutdown Pump= ",      kBoth},
    {RxErrorTime,           9,   9,   1,  Single,    1,     1,          Number,         "s",        "RX Error time= ",           kBoth},
    {RxErrors,              9,   9,   2,  LowFirst,  1,     1,          Number,         "",         "RX Errors= ",               kBoth},
    {StarterPowerIgnition,  17,  17,  1,  Single,    1,     1,          Number,         "",         "Starter Power Ignition= ",  kBoth},
    {GasIgnitionMaxSpeed,   18,  18,  1,  Single,    1,     1,          Number,         kSpeed,     "Ignition Max RPM= ",        kUpward},
    {GasIgnitionMinSpeed,   19,  19,  1,  Single,    1,     1,          Number,         kSpeed,     "Ignition Min RPM= ",        kUpward},
    {GasPreheatTime,        20,  20,  1,  Single,    0.5,   0.5,        Number,         "s",        "Preheat Time= ",            kUpward},
    {GasOffSpeed,           22,  22,  1,  Single,    1,     1,          Number,         kSpeed,     "Gas OFF RPM= ",             kUpward},
    {StarterOffSpeed,       23,  23,  1,  Single,    1,     1,          Number,         kSpeed,     "RPM OFF Starter= ",         kBoth},
    {StarterPowerFuelRamp,  24,  24,  1,  Single,    1,     1,          Number,         "",         "Starter Power Fuel Ramp= ", kBoth},
    {StarterFullPowerSpeed, 25,  25,  1,  Single,    1,     1,          Number,         kSpeed,     "RPM 100% Starter Power= ",  kBoth},
    {StarterReconnectSpeed, 31,  31,  1,  Single,    1,     1,          Number,         kSpeed,     "RPM Reconnect Starter= ",   kBoth},
    {IgnitionTimeout,       33,  33,  1,  Single,    0.5,   0.5,        Number,         "s",        "Ignition Timeout= ",        kUpward},
    {MenuAccess,            47,  55,  1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {MaxAuthorizedSpeed,    48,  48,  1,  Single,    1,     1,          WriteOnly,      kSpeed,     "",                          kBoth},
    {DecelDelay,            49,  49,  1,  Single,    1,     1,          Number,         "",         "Decel Delay= ",             kBoth},
    {IdleSpeed,             50,  50,  1,  Single,    1,     1,          Number,         kSpeed,     "Idle RPM= ",                kBoth},
    {FullSpeed,             51,  51,  1,  Single,    1,     1,          Number,         kSpeed,     "Max  RPM= ",                kBoth},
    {MinEgt,                52,  52,  1,  Single,    4,     4,          Number,         kCelsius,   "Min EGT= ",                 kBoth},
    {MaxEgt,                53,  53,  1,  Single,    4,     4,          Number,         kCelsius,   "Max EGT= ",                 kBoth},
    {PumpStartPoint,        54,  54,  1,  Single,    1,     1,          AutoPlus,       "",         "Pump Start Point= ",        kBoth},
    {StabilityDelay,        55,  kNoAddress, 1, Single, 1,  1,          Number,         "",         "Stability Delay= ",         kUpward},
    {AccelDelay,            56,  56,  1,  Single,    1,     1,          Number,         "",         "Accel Delay= ",             kBoth},
    {StopSpeed,             57,  57,  1,  Single,    1,     1,          Number,         kSpeed,     "Stop RPM= ",                kBoth},
    {PumpStartRamp,         58,  58,  1,  Single,    1,     1,          Number,         "",         "Pump Start Ramp= ",         kBoth},
    {IdleStick,             59,  59,  1,  Single,    1,     1,          Number,         "/256",     "",                          kBoth},
    {Pulse100,              60,  60,  2,  HighFirst, 1,     1,          Number,         "µs",       "RC Pulse 100%=",            kBoth},
    {Pulse0,                62,  62,  2,  HighFirst, 1,     1,          Number,         "µs",       "RC Pulse 0%=",              kBoth},
    {Cycles,                64,  64,  1,  Single,    1,     1,          Number,         "",         "Cycle= ",                   kBoth},
    {LastRunTime,           65,  65,  2,  LowFirst,  1,     1,          Number,         "s",        "Last Run time= ",           kBoth},
    {TotalTime,             67,  67,  3,  LowFirst,  1,     1,          Number,         "s",        "Total engine time= ",       kBoth},
    {GasGlowPlug,           70,  70,  1,  Single,    kVolts, kVoltsDown, Number,        "V",        "Glow Plug Volts= ",         kUpward},
    {GasStartFlow,          75,  75,  1,  Single,    1,     1,          Number,         "%",        "Start Gas Flow= ",          kUpward},
    {HardwareTest,          88,  79,  1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {PumpLimit,             80,  80,  1,  Single,    4,     4,          Number,         kPumpUnits, "Pump Limit= ",              kBoth},
    {LowBattery,            81,  81,  1,  Single,    kVolts, kVolts,    Number,         "V",        "Low Batt Volts= ",          kUpward},
    {KeroIgnitionSpeed,     82,  82,  1,  Single,    1,     1,          Number,         kSpeed,     "RPM Ignition = ",           kBoth},
    {KeroPumpPowerIgnition, 83,  83,  1,  Single,    1,     1,          Number,         "",         "Pump Power Ignition= ",     kUpward},
    {SwitchOverFlow,        84,  84,  1,  Single,    1,     1,          Number,         "%",        "Flow to Engine S/O= ",      kUpward},
    {EndPreheatEgt,         85,  85,  1,  Single,    4,     4,          Number,         kCelsius,   "EGT End Preheat= ",         kUpward},
    {PreheatSpeed,          86,  86,  1,  Single,    1,     1,          Number,         kSpeed,     "Preheat RPM= ",             kBoth},
    {StartMode,             87,  87,  1,  Single,    1,     1,          StartModeName,  "",         "Start Mode= ",              kUpward},
    {FuelRampSpeed,         89,  89,  1,  Single,    1,     1,          Number,         kSpeed,     "Fuel Ramp RPM= ",           kBoth},
    {EngineFuelPreheat,     91,  91,  1,  Single,    1,     1,          Number,         "%",        "Engine Fuel Preheat= ",     kUpward},
    {ThrottleCurve,         93,  93,  1,  Single,    1,     1,          ThrottleCurveName,"",         "Throttle curve= ",          kBoth},
    {KeroGlowPlug,          94,  94,  1,  Single,    kVolts, kVoltsDown, Number,        "V",        "Glow Plug Volts= ",         kBoth},
    {AccelRamp,             144, 144, 16, Single,    1,     1,          Table,          "",         "",                          kBoth},
    {DecelRamp,             160, 160, 16, Single,    1,     1,          Table,          "",         "",                          kBoth},
    {WelcomeLine1,          176, 176, 16, Single,    1,     1,          Text,           "",         "",                          kBoth},
    {WelcomeLine2,          192, 192, 16, Single,    1,     1,          Text,           "",         "",                          kBoth},
    {PumpCurve,             208, 208, 32, Single,    1,     1,          Table,          "",         "",                          kBoth},
    {CurrentOffset,         241, 241, 1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {CurrentFactor,         242, 242, 1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
    {CalibrationClear,      243, 243, 1,  Single,    1,     1,          WriteOnly,      "",         "",                          kBoth},
};
// clang-format on
static_assert(std::size(kFields) == kFieldCount);

// Cells beyond a short image read as zero rather than past its end.
uint8_t Cell(std::span<const uint8_t> image, int address) {
    return address >= 0 && static_cast<size_t>(address) < image.size() ? image[address] : 0;
}

// Windows-1252 where it differs from Latin-1; its five unassigned codes keep their C1 code
// points, as the system conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

char16_t AnsiChar(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
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
