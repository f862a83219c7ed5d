#include "logbook/RunsTable.h"

#include <QFileInfo>
#include <cmath>
#include <cstdio>

namespace norva {

namespace {
// Empty for a value not measured.
template <typename T>
std::string Fixed(const std::optional<T>& v, int decimals) {
    if (!v) return {};
    char s[32];
    std::snprintf(s, sizeof s, "%.*f", decimals, double(*v));
    return s;
}

std::string Date(const LoggedRun& r) {
    return r.moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
}
}  // namespace

std::string CsvField(const QString& text) {
    std::string s = text.toStdString();
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string quoted = "\"";
    for (char c : s) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string MinutesText(double minutes) {
    const long long tenths = std::llround(minutes * 10 + 1e-9);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string RunsCsv(const std::vector<LoggedRun>& runs) {
    std::string text = std::string("date,download,") + kRunsCsvHeader +
                       ",light_to_idle_s,idle_egt_c,idle_pump_permille,full_egt_c,"
                       "full_pump_permille,coast_down_s,failed_before,events,flag\n";
    for (const LoggedRun& r : runs) {
        const RunAnalysis& a = r.analysis;
        text += Date(r) + "," + CsvField(QFileInfo(r.downloadFile).fileName()) + "," +
                RunCsvLine(r.run) + "," + Fixed(r.health.lightToIdleS, 1) + "," +
                Fixed(a.idleEgt, 0) + "," + Fixed(a.idlePump, 0) + "," + Fixed(a.fullEgt, 0) + "," +
                Fixed(a.fullPump, 0) + "," + Fixed(a.coastDownS, 1) + "," +
                std::to_string(r.failedBefore) + "," +
                CsvField(QString::fromStdString(EventsField(a.events))) + "," +
                CsvField(QString::fromStdString(r.health.flag)) + "\n";
    }
    return text;
}

std::string RunsText(const std::vector<LoggedRun>& runs) {
    std::string text;
    for (const LoggedRun& r : runs) {
        const RunAnalysis& a = r.analysis;
        text += Date(r) + "  " + QFileInfo(r.downloadFile).fileName().toStdString() + "  " +
                RunText(r.run);
        if (r.health.lightToIdleS)
            text += "  from light-off " + Fixed(r.health.lightToIdleS, 1) + " s";
        if (r.failedBefore)
            text += "  after " + Count(r.failedBefore, "failed start", "failed starts");
        if (a.coastDownS) text += "  coast-down " + Fixed(a.coastDownS, 1) + " s";
        if (!a.events.empty()) text += "  EVENTS: " + EventsField(a.events);
        if (!r.health.flag.empty()) text += "  FLAGGED: " + r.health.flag;
        text += "\n";
    }
    return text;
}

}  // namespace norva
