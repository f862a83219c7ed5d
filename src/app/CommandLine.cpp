#include "app/CommandLine.h"

#include <charconv>
#include <cmath>

namespace norva {

std::string Usage() {
    return "usage: norva [--device SPEC] [--config FILE] [--screenshot PNG]\n"
           "       norva [--device SPEC] monitor [--reports N | --seconds S] [--csv]\n"
           "       norva [--device SPEC] summary\n"
           "       norva summary --image FILE.nvc\n"
           "  --device SPEC   hid (default), sim, sim:falling, sim:rate=N or tcp:HOST:PORT\n"
           "  --config FILE   settings file instead of the user's norva10.ini\n"
           "  --screenshot PNG  open the main window, wait for the unit's configuration (at\n"
           "                  most 15 s), save a picture of the window and exit\n"
           "  monitor         print one line per report from the unit, without windows\n"
           "    --reports N   stop after N lines\n"
           "    --seconds S   stop after S seconds\n"
           "    --csv         comma-separated values with a header line\n"
           "  summary         wait for the unit's configuration (at most 30 s) and print the\n"
           "                  parameter summary, frame by frame\n"
           "    --image FILE  summarise a clone file instead of a unit\n";
}

namespace {
bool ToPositive(const std::string& text, double& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(out) && out > 0;
}
}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine line;
    bool reportsGiven = false;
    bool deviceGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--device") {
            if (!value(text)) return std::nullopt;
            auto choice = ParseDevice(text, error);
            if (!choice) return std::nullopt;
            line.device = *choice;
            deviceGiven = true;
        } else if (arg == "--config") {
            if (!value(line.config)) return std::nullopt;
        } else if (arg == "--screenshot") {
            if (!value(line.screenshot)) return std::nullopt;
        } else if (arg == "monitor" && !line.monitor && !line.summary) {
            line.monitor = true;
        } else if (arg == "summary" && !line.monitor && !line.summary) {
            line.summary = true;
        } else if (line.summary && arg == "--image") {
            if (!value(line.summaryImage)) return std::nullopt;
        } else if (line.monitor && arg == "--csv") {
            line.monitorOptions.csv = true;
        } else if (line.monitor && (arg == "--reports" || arg == "--seconds")) {
            if (!value(text)) return std::nullopt;
            double number = 0;
            const bool reports = arg == "--reports";
            if (!ToPositive(text, number) || (reports && number != std::floor(number))) {
                error = arg + " needs a positive " + (reports ? "whole number" : "number") +
                        ", not '" + text + "'";
                return std::nullopt;
            }
            if (reports) {
                line.monitorOptions.reports = static_cast<long long>(number);
                reportsGiven = true;
            } else {
                line.monitorOptions.seconds = number;
            }
        } else {
            error = "unknown argument '" + arg + "'";
            return std::nullopt;
        }
    }
    if (line.monitor && !line.screenshot.empty()) {
        error = "--screenshot is for the main window, not the monitor";
        return std::nullopt;
    }
    if (line.summary && !line.screenshot.empty()) {
        error = "--screenshot is for the main window, not the summary";
        return std::nullopt;
    }
    if (!line.summaryImage.empty() && deviceGiven) {
        error = "summary --image reads a file, not a unit: leave out --device";
        return std::nullopt;
    }
    if (reportsGiven && line.monitorOptions.seconds > 0) {
        error = "give either --reports or --seconds, not both";
        return std::nullopt;
    }
    return line;
}

}  // namespace norva
