#pragma once
// The program's command line: norva [--device SPEC] [monitor ...]

#include <optional>
#include <string>
#include <vector>

#include "app/Monitor.h"
#include "link/hid/DeviceSpec.h"

namespace norva {

struct CommandLine {
    DeviceSpec device;
    bool monitor = false;
    bool help = false;
    MonitorOptions monitorOptions;
};

std::string Usage();
// nullopt with a message in error for a command line that cannot be run.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

}  // namespace norva
