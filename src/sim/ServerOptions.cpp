#include "sim/ServerOptions.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <iterator>

#include "base/HelpFormatter.h"

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

namespace {

struct Refusal {
    std::string why;
};

// The unit's options by the names the program's sim: device gives them, checked by the same
// code after parsing so that --help and --version win over a bad value.
struct UnitOption {
    const char* name;
    const char* value;
    const char* help;
};
constexpr UnitOption kUnitOptions[] = {
    {"rate", "N", "input reports per second, 1 to 1000 (default 50)"},
    {"answer", "K", "a read is answered in K reports, 1 to 4 (default 4)"},
    {"preamble", "N", "the run log's preamble is N bytes (default 8)"},
    {"burst", "N", "reports are handed over N at a time (default 1)"},
    {"queue", "N", "up to N reports wait unread, never emptied (default 256)"},
    {"silent-after", "N", "stops sending after N reports"},
    {"unplug-after", "N", "is unplugged after N reports"},
    {"engine", "off", "the engine stands at rest, cold"},
    {"refuse-writes", "A,B-C", "cells it does not store"},
};

}  // namespace

ParsedServerArgs ParseServerArgs(const std::vector<std::string>& args, const std::string& version) {
    ServerOptions options;
    std::string listen;
    bool downward = false, falling = false, showVersion = false;
    std::vector<std::string> values(std::size(kUnitOptions));
    CLI::App app("Serves a simulated unit over TCP until interrupted.", "norva-sim");
    app.formatter(std::make_shared<HelpFormatter>());
    app.set_help_flag("-h,--help", "print this help and exit");
    app.add_flag("--version", showVersion, "print the version and exit");
    app.add_option("--listen", listen, "where to listen (port 0: any free port)")
        ->type_name("tcp:HOST:PORT");
    app.add_flag("--downward", downward,
                 "a downward unit: its configuration streams in falling address order");
    app.add_flag("--falling", falling)->group("");  // as first spelt; not shown
    for (size_t i = 0; i < std::size(kUnitOptions); ++i)
        app.add_option(std::string("--") + kUnitOptions[i].name, values[i], kUnitOptions[i].help)
            ->type_name(kUnitOptions[i].value);
    app.footer(
        "Exit status:\n"
        "  1    it cannot listen on the address\n"
        "  64   a command line that cannot be run\n"
        "  130  ended by Ctrl-C (SIGINT); 143 by SIGTERM\n");
    ParsedServerArgs parsed;
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops the back
        app.parse(reversed);
        if (showVersion) {
            parsed.out = "norva-sim " + version + "\n";
            return parsed;
        }
        if (listen.empty()) throw Refusal{"--listen tcp:HOST:PORT is needed: where to listen"};
        const auto address = ParseTcpAddress(listen);
        if (!address)
            throw Refusal{"--listen takes tcp:HOST:PORT with a port from 0 to 65535, not '" +
                          listen + "'"};
        options.host = address->first;
        options.port = address->second;
        options.unit.downward = downward || falling;
        for (size_t i = 0; i < std::size(kUnitOptions); ++i) {
            std::string why;
            if (!values[i].empty() &&
                !SetSimOption(options.unit, std::string(kUnitOptions[i].name) + "=" + values[i],
                              why))
                throw Refusal{why};
        }
    } catch (const CLI::CallForHelp&) {
        parsed.out = app.help();
        return parsed;
    } catch (const CLI::ParseError& e) {
        parsed.err = e.what();
    } catch (const Refusal& r) {
        parsed.err = r.why;
    }
    if (!parsed.err.empty()) {
        parsed.exitStatus = 64;  // sysexits' EX_USAGE, as norva's
        parsed.err = "norva-sim: " + parsed.err + "\nTry 'norva-sim --help'.\n";
        return parsed;
    }
    parsed.options = options;
    return parsed;
}

}  // namespace norva::sim
