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
};

// Options to serve with, or what to print and the status to exit with (--help, --version, or
// one line saying what is wrong and where to find help, exit 64).
struct ParsedServerArgs {
    std::optional<ServerOptions> options;
    int exitStatus = 0;
    std::string out;
    std::string err;
};

// "tcp:HOST:PORT" -> host and port; nullopt when it is not of that form.
std::optional<std::pair<std::string, uint16_t>> ParseTcpAddress(std::string_view text);

// --help or --version anywhere wins over the rest, as in every common tool.
ParsedServerArgs ParseServerArgs(const std::vector<std::string>& args,
                                 const std::string& version = "");

}  // namespace norva::sim
