#pragma once
// What every decoded or written cell of the unit's 256-byte configuration image means: its
// width and byte order, scale, unit and caption, and where the two kinds of unit differ. The
// summary, the parameter and clone files and any image comparison read it from this one table
// rather than each knowing addresses of their own.

#include <QString>
#include <cstdint>
#include <span>
#include <string>

namespace norva::params {

constexpr int kImageSize = 256;
// What a clone file carries: addresses 16 to 255. Below them the unit keeps its own record of
// its last run.
constexpr int kCloneFirstAddress = 16;
constexpr int kCloneLines = kImageSize - kCloneFirstAddress;  // 240

// Upward units stream their image in rising address order, downward units in falling order.
enum class UnitKind { Upward, Downward };

inline UnitKind KindOf(bool downward) {
    return downward ? UnitKind::Downward : UnitKind::Upward;
}

enum class Field {
    TempCalibration1,
    TempCalibration2,
    ShutdownCause,
    ShutdownEgt,
    ShutdownSpeed,
    ShutdownPump,
    RxErrorTime,
    RxErrors,
    StarterPowerIgnition,
    GasIgnitionMaxSpeed,
    GasIgnitionMinSpeed,
    GasPreheatTime,
    GasOffSpeed,
    StarterOffSpeed,
    StarterPowerFuelRamp,
    StarterFullPowerSpeed,
    StarterReconnectSpeed,
    IgnitionTimeout,
    MenuAccess,
    MaxAuthorizedSpeed,
    DecelDelay,
    IdleSpeed,
    FullSpeed,
    MinEgt,
    MaxEgt,
    PumpStartPoint,
    StabilityDelay,
    AccelDelay,
    StopSpeed,
    PumpStartRamp,
    IdleStick,
    Pulse100,
    Pulse0,
    Cycles,
    LastRunTime,
    TotalTime,
    GasGlowPlug,
    GasStartFlow,
    HardwareTest,
    PumpLimit,
    LowBattery,
    KeroIgnitionSpeed,
    KeroPumpPowerIgnition,
    SwitchOverFlow,
    EndPreheatEgt,
    PreheatSpeed,
    StartMode,
    FuelRampSpeed,
    EngineFuelPreheat,
    ThrottleCurve,
    KeroGlowPlug,
    AccelRamp,
    DecelRamp,
    WelcomeLine1,
    WelcomeLine2,
    PumpCurve,
    CurrentOffset,
    CurrentFactor,
    CalibrationClear,
    SerialNumber,
};
constexpr int kFieldCount = static_cast<int>(Field::SerialNumber) + 1;

// For a multi-byte number: which end holds the high byte.
enum class ByteOrder { Single, HighFirst, LowFirst };

// How the stored value reads as text beyond its number.
enum class Coding {
    Number,             // stored value × scale
    StartModeName,      // enumeration, StartModeText
    ThrottleCurveName,  // enumeration, ThrottleCurveText
    StatusCode,         // ShutdownCauseText
    AutoPlus,           // PumpStartPointText
    Text,               // characters, one a byte
    Table,              // bytes read by their own editor (ramps, pump curve)
    WriteOnly,          // written by the program, never shown
};

constexpr int kNoAddress = -1;

struct FieldInfo {
    Field field;
    int address;          // upward units: the lowest address of the field
    int downwardAddress;  // downward units; kNoAddress where the cell means something else
    int width;            // bytes
    ByteOrder order;
    double scale;          // shown value = stored value × scale, upward units
    double downwardScale;  // the same for downward units
    Coding coding;
    const char* unit;     // of the shown value; "" for plain counts and raw values
    const char* caption;  // the text the summary puts before the value; "" when not shown
    bool downwardShown;   // downward units show it (their meaning of the cell is not known)
};

// Every field, in the order of Field.
std::span<const FieldInfo> Fields();
const FieldInfo& Info(Field field);
int AddressOf(Field field, UnitKind kind);  // kNoAddress when the kind has no such field
double ScaleOf(Field field, UnitKind kind);
// The field a cell belongs to for a kind of unit, or nullptr for a cell nothing interprets.
const FieldInfo* FieldAt(int address, UnitKind kind);

// The unsigned stored value in its byte order (up to 24 bits for the total time); for
// fields wider than that (tables, text) the first byte.
uint32_t Stored(std::span<const uint8_t> image, Field field, UnitKind kind = UnitKind::Upward);
// Stored value × the kind's scale.
double Value(std::span<const uint8_t> image, Field field, UnitKind kind = UnitKind::Upward);

// Enumerations; values outside the table read as its first entry.
QString StartModeText(uint8_t value);      // "MANUAL", "AUTO-GAS", "AUTO-KERO"
QString ThrottleCurveText(uint8_t value);  // "RPM LINEAL", "Thrust Lineal", "HALF EXPO"
// "AUTO+" and the number text for 0..8, the number text alone above.
QString PumpStartPointText(uint8_t value);

// Derived quantities.
constexpr int kPumpCurvePoints = 32;
// Receiver pulse at the idle stick position, microseconds: P0 + b59 share of the pulse span.
int64_t IdlePulse(std::span<const uint8_t> image);
// Total engine time in hours, truncated to tenths.
double TotalEngineHours(std::span<const uint8_t> image);
// A curve point's pump power in the units of the pump limit line.
int PumpPower(uint8_t pointValue, uint8_t pumpLimitByte);
struct CurvePoint {
    double x;       // 0..255 axis from idle speed to full speed
    double height;  // 0..255 power axis
};
CurvePoint PumpCurvePoint(std::span<const uint8_t> image, int k);

// Welcome line 1 or 2: its 16 cells as Windows-1252 characters; a zero cell adds nothing.
QString WelcomeLine(std::span<const uint8_t> image, int line);

}  // namespace norva::params
