#pragma once
// The configuration file "norva10.ini": settings read once at start-up, saved by GuardaConfig,
// and the window geometry kept beside them in [FormSize].
//
// Reading never creates the file; writing creates it (and its folder) on first use. A write
// that fails changes nothing and says why, for the program to tell the user on "&Exit".

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace norva {

constexpr std::string_view kConfigFileName = "norva10.ini";

// A profile value fills a 75-character buffer, so at most 74 characters of it count.
constexpr std::size_t kProfileValueMax = 74;

// The pressure scale of the charts is fixed for every run, whatever the file says.
constexpr float kPressureFactor = 0.009f;

// The speed dial's full scale (thousands of RPM) until the unit sends its own.
constexpr float kDefaultGaugeFullSpeed = 250;

struct Config {
    int16_t CommPort = 2;         // [Comm] Actual; 0 stops the live values on the main window
    int16_t AccessLevel = 0;      // [Color] Actual; opens the hidden menus
    int16_t CalIntFactor = 17;    // [CalInt] Factor; read only
    float ThrustCalibration = 1;  // [Thrust] Calibration
    float ThrustZero = 0;         // [Thrust] Zero
    float TempMax = 800;          // [Gauges] Temp.Max
    float PresMax = 1;            // [Gauges] Pres.Max; the default text "1,4" reads as 1
    std::string NorvaType = "P";  // [Norva_type] Type
    float ChartRefresh = 250;     // [Graphic] Refresh, performance chart period in ms
    float PressureFactor = kPressureFactor;  // [Pressure_Factor] Value; written, never read
    // [Logbook] KeepDays: kept downloads older than this are removed (those the logbook holds it
    // makes again on demand); read only.
    int KeepDays = 365;
    // [Logbook] Url: the logbook when --logbook is not given, a file or a shop's server
    // (postgresql://USER@HOST[:PORT]/DB, never with its password); empty: the user's own file.
    // Read only.
    std::string LogbookUrl;
};

// Window geometry in twips.
struct Geometry {
    int Width = 9400;
    int Height = 6000;
    int Left = 0;
    int Top = 0;

    bool operator==(const Geometry&) const = default;
};

// Where the file lives: norva/norva10.ini in the user's configuration folder
// (~/.config/norva on Linux).
QString DefaultConfigPath();

// Cuts a text at its first NUL character.
std::string NormString(std::string_view Cadena);

// One value as the profile functions deliver it: the stored text, or the default when the file
// or the key is missing, cut to 74 characters and at the first NUL.
std::string ReadProfileString(const QString& path, std::string_view section, std::string_view key,
                              std::string_view fallback);

// All settings; PressureFactor is always kPressureFactor. Numbers are read with a period as
// decimal mark, or a comma in a decimal value without a period ("1,5"); a text that is not a
// number gives the key's default. A file that cannot be read or is refused (not a regular
// file, too large) gives the defaults, with "PATH: why" in problem.
Config ReadConfig(const QString& path, std::string* problem = nullptr);

// Writes the settings keys in their customary order; gaugeFullSpeed goes to
// [Gauges] R.P.M.Max for information. False, with "PATH: why" in error, when the file could
// not be written.
bool GuardaConfig(const QString& path, const Config& config,
                  float gaugeFullSpeed = kDefaultGaugeFullSpeed, std::string* error = nullptr);

// Main window (Form1): width 4000..10000, height at least 5000, left and top at least 1000.
Geometry ReadMainGeometry(const QString& path);

// Performance chart (Form4) and time chart (Form5): width at least 1000, height at least 600,
// left and top at least 0.
Geometry ReadChartGeometry(const QString& path, std::string_view form = "Form4");

// Writes [FormSize] <form>W, H, L and T, each with a leading blank unless negative (" 9400").
// form is "Form1", "Form4" or "Form5".
bool WriteGeometry(const QString& path, std::string_view form, const Geometry& geometry,
                   std::string* error = nullptr);

}  // namespace norva
