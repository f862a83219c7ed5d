#pragma once
// Command line of norva-sim: --listen tcp:HOST:PORT and the simulated unit's options.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimOptions.h"

namespace norva::sim {

struct ServerOptions {
    std::string host;
    uint16_t port = 0;  // 0: any free port
    SimOptions unit;
    bool help = false;     // --help: print kServerUsage and exit
    bool version = false;  // --version
};

constexpr const char* kServerUsage =
    "Usage: norva-sim --listen tcp:HOST:PORT [OPTION]...\n"
    "  or:  norva-sim --help | --version\n"
    "\n"
    "  --listen tcp:HOST:PORT  where to listen (port 0: any free port)\n"
    "  --downward        a downward unit: its configuration streams in falling address order\n"
    "  --rate N          input reports per second, 1 to 1000 (default 50)\n"
    "  --answer K        a read is answered in K reports, 1 to 4 (default 4)\n"
    "  --preamble N      the run log's preamble is N bytes (default 8)\n"
    "  --burst N         reports are handed over N at a time (default 1)\n"
    "  --queue N         up to N reports wait unread, never emptied (default 256)\n"
    "  --silent-after N  stops sending after N reports\n"
    "  --unplug-after N  is unplugged after N reports\n"
    "  --engine off      the engine stands at rest, cold\n"
    "  --refuse-writes A,B-C  cells it does not store\n"
    "  --help            print this help and exit\n"
    "  --version         print the version and exit";

// "tcp:HOST:PORT" -> host and port; nullopt when it is not of that form.
std::optional<std::pair<std::string, uint16_t>> ParseTcpAddress(std::string_view text);

// --help or --version anywhere wins over the rest, as in every common tool.
// nullopt on any usage error, with the reason in error when an option was named wrongly (the
// caller prints it and kServerUsage).
std::optional<ServerOptions> ParseServerArgs(const std::vector<std::string>& args,
                                             std::string* error = nullptr);

}  // namespace norva::sim
