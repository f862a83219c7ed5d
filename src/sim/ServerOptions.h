#pragma once
// Command line of norva-sim: --listen tcp:HOST:PORT [--falling] [--rate N].

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norva::sim {

struct ServerOptions {
    std::string host;
    uint16_t port = 0;  // 0: any free port
    bool falling = false;
    int rate = 50;  // input reports per second
};

constexpr const char* kServerUsage =
    "usage: norva-sim --listen tcp:HOST:PORT [--falling] [--rate N]  (N 1..1000, default 50)";

// "tcp:HOST:PORT" -> host and port; nullopt when it is not of that form.
std::optional<std::pair<std::string, uint16_t>> ParseTcpAddress(std::string_view text);

// nullopt on any usage error (the caller prints kServerUsage).
std::optional<ServerOptions> ParseServerArgs(const std::vector<std::string>& args);

}  // namespace norva::sim
