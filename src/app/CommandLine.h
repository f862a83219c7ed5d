#pragma once
// The program's command line: norva [--device SPEC] [--config FILE] [--screenshot PNG]
// [monitor ... | summary [--image FILE]]

#include <optional>
#include <string>
#include <vector>

#include "app/Monitor.h"
#include "link/hid/DeviceChoice.h"

namespace norva {

struct CommandLine {
    DeviceChoice device;
    std::string config;      // settings file; empty = the user's norva10.ini
    std::string screenshot;  // render the main window to this PNG and exit
    bool monitor = false;
    bool help = false;
    MonitorOptions monitorOptions;
    bool summary = false;
    std::string summaryImage;  // a clone file to summarise instead of a unit
};

std::string Usage();
// nullopt with a message in error for a command line that cannot be run.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

}  // namespace norva
