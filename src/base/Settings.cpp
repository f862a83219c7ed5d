#include "base/Settings.h"

#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "base/IniFile.h"
#include "base/NumberText.h"

namespace norva {

namespace {

// Reads keys from one loaded copy of the file; an unreadable file reads as an empty one.
class Profile {
  public:
    explicit Profile(const QString& path, std::string* problem = nullptr)
        : ini_(IniFile::Load(path, problem)) {}

    std::string Text(std::string_view section, std::string_view key,
                     std::string_view fallback) const {
        std::optional<std::string> stored;
        if (ini_) stored = ini_->Get(section, key);
        std::string text = stored ? *stored : std::string(fallback);
        if (text.size() > kProfileValueMax) text.resize(kProfileValueMax);
        return NormString(text);
    }

    int16_t Integer(std::string_view section, std::string_view key,
                    std::string_view fallback) const {
        if (const auto v = AsInteger(Text(section, key, fallback))) return *v;
        return AsInteger(fallback).value_or(0);
    }

    float Single(std::string_view section, std::string_view key, std::string_view fallback) const {
        if (const auto v = AsSingle(Text(section, key, fallback))) return *v;
        return AsSingle(fallback).value_or(0);
    }

    // The longest leading number; the default's when the text does not start with one.
    double Leading(std::string_view section, std::string_view key,
                   std::string_view fallback) const {
        if (const auto v = LeadingNumber(Text(section, key, fallback))) return *v;
        return LeadingNumber(fallback).value_or(0);
    }

  private:
    // Whole numbers to even on a half, like the platform's integer conversion; values beyond
    // 16 bits are no valid setting.
    static std::optional<int16_t> AsInteger(std::string_view text) {
        const auto v = ParseNumber(text);
        if (!v) return std::nullopt;
        const double r = std::nearbyint(*v);
        if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
            return std::nullopt;
        return static_cast<int16_t>(r);
    }

    // A settings file written under a comma locale holds "1,5": with no period in the text, a
    // comma is the decimal mark.
    static std::optional<float> AsSingle(std::string_view text) {
        std::string decimal(text);
        if (decimal.find('.') == std::string::npos) {
            if (const size_t comma = decimal.find(','); comma != std::string::npos)
                decimal[comma] = '.';
        }
        const auto v = ParseNumber(decimal);
        if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
        return static_cast<float>(*v);
    }

    std::optional<IniFile> ini_;
};

constexpr std::string_view kFormSize = "FormSize";

int Twips(double value) {
    // Absurd stored sizes are clipped rather than overflowing the conversion.
    constexpr double kMaxTwips = 1e9;
    return static_cast<int>(std::lround(std::clamp(value, -kMaxTwips, kMaxTwips)));
}

Geometry ReadGeometry(const QString& path, std::string_view form) {
    const Profile profile(path);
    const auto key = [&](char c) { return std::string(form) + c; };
    Geometry g;
    g.Width = Twips(profile.Leading(kFormSize, key('W'), "9400"));
    g.Height = Twips(profile.Leading(kFormSize, key('H'), "6000"));
    g.Left = Twips(profile.Leading(kFormSize, key('L'), "0"));
    g.Top = Twips(profile.Leading(kFormSize, key('T'), "0"));
    return g;
}

}  // namespace

QString DefaultConfigPath() {
    // The file used to sit in the Windows directory, one per machine for all users; a per-user
    // configuration folder needs no administrator rights and exists on every platform.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/norva/") + QString::fromLatin1(kConfigFileName);
}

std::string NormString(std::string_view Cadena) {
    return std::string(Cadena.substr(0, Cadena.find('\0')));
}

std::string ReadProfileString(const QString& path, std::string_view section, std::string_view key,
                              std::string_view fallback) {
    return Profile(path).Text(section, key, fallback);
}

Config ReadConfig(const QString& path, std::string* problem) {
    const Profile profile(path, problem);
    Config c;
    c.CommPort = profile.Integer("Comm", "Actual", "2");
    c.PressureFactor = kPressureFactor;
    c.AccessLevel = profile.Integer("Color", "Actual", "0");
    c.CalIntFactor = profile.Integer("CalInt", "Factor", "17");
    c.ThrustCalibration = profile.Single("Thrust", "Calibration", "1");
    c.ThrustZero = profile.Single("Thrust", "Zero", "0");
    c.TempMax = profile.Single("Gauges", "Temp.Max", "800");
    // Its default "1,4" was meant as 1.4, but only the leading number counts: 1.
    c.PresMax = static_cast<float>(profile.Leading("Gauges", "Pres.Max", "1,4"));
    c.NorvaType = profile.Text("Norva_type", "Type", "P");
    c.ChartRefresh = profile.Single("Graphic", "Refresh", "250");
    c.KeepDays = std::max<int>(1, profile.Integer("Logbook", "KeepDays", "365"));
    c.LogbookUrl = profile.Text("Logbook", "Url", "");
    return c;
}

namespace {
std::optional<IniFile> LoadForSaving(const QString& path, std::string* error) {
    std::string why;
    auto ini = IniFile::Load(path, &why);
    if (!ini && error) *error = why;
    return ini;
}
}  // namespace

bool GuardaConfig(const QString& path, const Config& config, float gaugeFullSpeed,
                  std::string* error) {
    auto ini = LoadForSaving(path, error);
    if (!ini) return false;
    ini->Set("Comm", "Actual", std::to_string(config.CommPort));
    ini->Set("Color", "Actual", std::to_string(config.AccessLevel));
    ini->Set("Gauges", "R.P.M.Max", PlainNumberText(gaugeFullSpeed));
    ini->Set("Gauges", "Temp.Max", PlainNumberText(config.TempMax));
    ini->Set("Gauges", "Pres.Max", PlainNumberText(config.PresMax));
    ini->Set("Graphic", "Refresh", PlainNumberText(config.ChartRefresh));
    ini->Set("Pressure_Factor", "Value", PlainNumberText(config.PressureFactor));
    ini->Set("Norva_type", "Type", config.NorvaType);
    ini->Set("Thrust", "Calibration", PlainNumberText(config.ThrustCalibration));
    ini->Set("Thrust", "Zero", PlainNumberText(config.ThrustZero));
    return ini->Save(path, error);
}

Geometry ReadMainGeometry(const QString& path) {
    Geometry g = ReadGeometry(path, "Form1");
    g.Width = std::max(std::min(g.Width, 10000), 4000);
    g.Height = std::max(g.Height, 5000);
    g.Left = std::max(g.Left, 1000);
    g.Top = std::max(g.Top, 1000);
    return g;
}

Geometry ReadChartGeometry(const QString& path, std::string_view form) {
    Geometry g = ReadGeometry(path, form);
    g.Width = std::max(g.Width, 1000);
    g.Height = std::max(g.Height, 600);
    g.Left = std::max(g.Left, 0);
    g.Top = std::max(g.Top, 0);
    return g;
}

bool WriteGeometry(const QString& path, std::string_view form, const Geometry& geometry,
                   std::string* error) {
    auto ini = LoadForSaving(path, error);
    if (!ini) return false;
    const auto key = [&](char c) { return std::string(form) + c; };
    ini->Set(kFormSize, key('W'), NumberText(geometry.Width));
    ini->Set(kFormSize, key('H'), NumberText(geometry.Height));
    ini->Set(kFormSize, key('L'), NumberText(geometry.Left));
    ini->Set(kFormSize, key('T'), NumberText(geometry.Top));
    return ini->Save(path, error);
}

}  // namespace norva
