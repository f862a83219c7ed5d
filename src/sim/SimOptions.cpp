#include "sim/SimOptions.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

namespace norva::sim {

namespace {

std::optional<int64_t> Whole(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

bool SetSimOption(SimOptions& options, std::string_view option, std::string& error) {
    // "falling" and "rising" as the option was first spelt, "downward" and "upward" as the
    // program names the kinds.
    if (option == "falling" || option == "rising" || option == "downward" || option == "upward") {
        options.downward = option == "falling" || option == "downward";
        return true;
    }
    const size_t equals = option.find('=');
    const std::string_view name = option.substr(0, equals);
    const std::string_view text =
        equals == std::string_view::npos ? std::string_view() : option.substr(equals + 1);
    if (name == "engine" && (text == "off" || text == "on")) {
        options.engineOff = text == "off";
        return true;
    }
    if (name == "refuse-writes") {
        // Addresses and ranges, "48,59-60".
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::string_view item = rest.substr(0, rest.find(','));
            rest.remove_prefix(std::min(rest.size(), item.size() + 1));
            const size_t dash = item.find('-');
            const auto first = Whole(item.substr(0, dash));
            const auto last = dash == std::string_view::npos ? first : Whole(item.substr(dash + 1));
            if (!first || !last || *first < 0 || *last > 255 || *first > *last) {
                error =
                    "the simulated unit's option 'refuse-writes' takes addresses 0 to 255 and "
                    "ranges, as 48,59-60";
                return false;
            }
            for (int64_t a = *first; a <= *last; ++a) options.refuseWrites.set(size_t(a));
        }
        return true;
    }
    struct Numeric {
        std::string_view name;
        int64_t least, most;
        const char* range;
    };
    static constexpr Numeric kNumeric[] = {
        {"rate", 1, 1000, "1 to 1000 reports per second"},
        {"answer", 1, 4, "1 to 4 reports"},
        {"preamble", 0, kMaxPreamble, "0 to 4096 bytes"},
        {"burst", 1, kMaxBurst, "1 to 64 reports"},
        {"queue", 1, kMaxQueue, "1 to 4096 reports"},
        {"silent-after", 0, INT32_MAX, "a count of reports"},
        {"unplug-after", 0, INT32_MAX, "a count of reports"},
    };
    for (const Numeric& n : kNumeric) {
        if (name != n.name) continue;
        const auto value = Whole(text);
        if (!value || *value < n.least || *value > n.most) {
            error = "the simulated unit's option '" + std::string(name) + "' takes " + n.range;
            return false;
        }
        if (name == "rate") options.rate = static_cast<int>(*value);
        if (name == "answer") options.answerReports = static_cast<int>(*value);
        if (name == "preamble") options.preamble = static_cast<int>(*value);
        if (name == "burst") options.burst = static_cast<int>(*value);
        if (name == "queue") options.queue = static_cast<int>(*value);
        if (name == "silent-after") options.silentAfter = *value;
        if (name == "unplug-after") options.unplugAfter = *value;
        return true;
    }
    error = "unknown simulated-unit option '" + std::string(option) + "'";
    return false;
}

}  // namespace norva::sim
