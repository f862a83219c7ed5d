// norva: the ground-support program for a NORVA engine control unit.
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Monitor.h"
#include "link/Link.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = norva::ParseCommandLine(args, error);
    if (!line) {
        std::fprintf(stderr, "norva: %s\n%s", error.c_str(), norva::Usage().c_str());
        return 2;
    }
    if (line->help) {
        std::fputs(norva::Usage().c_str(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("norva");
    auto backend = norva::MakeBackend(line->device);
    norva::Link link(*backend);
    // Until the main window exists the program runs as the headless monitor.
    norva::Monitor monitor(link, line->monitorOptions, stdout, stderr);
    return monitor.run();
}
