#pragma once
// The factory's commands: the maximum authorized speed, the terminal's menu access, the start
// mode, the automatic temperature calibration, the fast setup that replays a clone file, and
// the hardware test that calibrates the current measurement. Each is an operation, so only one
// runs at a time, whether from the factory window or the command line.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "base/Settings.h"
#include "base/Task.h"
#include "config/WriteGate.h"
#include "protocol/AddressMap.h"

namespace norva {

// The cell that holds the terminal's menu access (cell::AccessCell).
int MenuAccessAddress(bool downward);

constexpr int kMaxSpeedAddress = cell::kMaxAuthorizedSpeed;
constexpr int kStartModeAddress = cell::kStartMode;
constexpr uint8_t kRestrictedMenus = 0;
constexpr uint8_t kFullMenus = 7;
enum class StartMode : uint8_t { Manual = 0, Gas = 1, Kero = 2 };

// One cell written through the write gate: a cleared report, the slot in slot 0, normal mode.
Task<OpStatus> WriteCell(Services s, int address, uint8_t value, WriteOptions options = {});

// The speed typed for "Set": thousands of RPM, floored; nothing for text that is not a number,
// or for a number outside 0..255.
std::optional<uint8_t> MaxSpeedValue(const QString& text);
// "Set": asks for the speed, offering the unit's, then writes it to 48.
Task<OpStatus> SetMaxSpeed(Services s, WriteOptions options = {});

// The calibration and the hardware test drive the unit's outputs and read its sensors: never on
// an engine that turns or is hot (speed above 0, EGT above 100 °C).
bool EngineAtRest(const Link& link);

// V = E/2 - floor(|T|/2), at most 255; below 0 it is 0 and `error` is set.
struct CalibrationValue {
    int value = 0;
    bool error = false;
};
CalibrationValue TemperatureCalibration(double egt, double ambient);
// "Cal. temp AUTO": clears both calibration cells, lets four reports show the uncorrected
// temperature, and writes V to both (with "Error" first when it came out negative). The
// ambient temperature is the leading number of the text (none: 0).
// The unit's configuration is kept first; stopped half way, the cells get back what they held.
Task<OpStatus> CalibrateTemperature(Services s, QString ambient, WriteOptions options = {});

// "Fast setup": the clone file at `path`, checked whole, then through the write gate cell by
// cell to 16..255 (79, 88 and 255 included; never 112 or 113, the counters only when asked),
// then "Cal. temp AUTO"; refused on a running engine before anything is sent. `running` is told
// when the writes begin and end, for the window's red file label.
Task<OpStatus> FastSetup(Services s, QString path, QString ambient, WriteOptions options = {},
                         std::function<void(bool running)> running = {});

// The factor of the hardware test from its reading and reference: 256 r / c - 256 (at most
// `lowClamp`) below the reference, 256 r / c (at least 140) from it on; floored, at most 255.
int HardwareFactor(int reading, int reference, int lowClamp);

// "TestHard": the hardware test of the unit's kind. `result` is told the result label's text
// as it grows ("offset= 22", then "offset= 22 Factor= 217"); downward units keep 25 as the
// reference in settings.CalIntFactor.
// The unit's configuration is kept first; a test that ends early (cancelled, or no current at
// step 3) puts back what the unit held before it.
Task<OpStatus> HardwareTest(Services s, Config& settings,
                            std::function<void(const QString&)> result, WriteOptions options = {});

}  // namespace norva
