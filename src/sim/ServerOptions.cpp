#include "sim/ServerOptions.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace norva::sim {

namespace {

template <class T>
std::optional<T> WholeNumber(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::pair<std::string, uint16_t>> ParseTcpAddress(std::string_view text) {
    constexpr std::string_view kScheme = "tcp:";
    if (text.substr(0, kScheme.size()) != kScheme) return std::nullopt;
    text.remove_prefix(kScheme.size());
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    auto port = WholeNumber<uint16_t>(text.substr(colon + 1));
    if (!port) return std::nullopt;
    return std::pair{std::string(text.substr(0, colon)), *port};
}

std::optional<ServerOptions> ParseServerArgs(const std::vector<std::string>& args,
                                             std::string* error) {
    ServerOptions options;
    for (const std::string& arg : args) {
        options.help = options.help || arg == "--help" || arg == "-h";
        options.version = options.version || arg == "--version";
    }
    if (options.help || options.version) return options;
    bool haveListen = false;
    // The unit's options by the names the program's sim: device gives them.
    static constexpr std::string_view kValued[] = {"rate",         "answer", "preamble",
                                                   "burst",        "queue",  "silent-after",
                                                   "unplug-after", "engine", "refuse-writes"};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--listen" && hasValue) {
            auto address = ParseTcpAddress(args[++i]);
            if (!address) return std::nullopt;
            options.host = address->first;
            options.port = address->second;
            haveListen = true;
            continue;
        }
        if (arg == "--downward" || arg == "--falling") {  // as first spelt
            options.unit.downward = true;
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(arg.rfind("--", 0) == 0 ? 2 : 0);
        const bool valued =
            arg.rfind("--", 0) == 0 &&
            std::find(std::begin(kValued), std::end(kValued), name) != std::end(kValued);
        if (!valued || !hasValue) return std::nullopt;
        std::string why;
        if (!SetSimOption(options.unit, std::string(name) + "=" + args[++i], why)) {
            if (error) *error = why;
            return std::nullopt;
        }
    }
    if (!haveListen) return std::nullopt;
    return options;
}

}  // namespace norva::sim
