// norva-sim: a simulated unit for the program's "tcp:HOST:PORT" device, or for any tool that
// speaks the same wire form.
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sim/ServerOptions.h"

#include "base/Platform.h"
#include "sim/ServedSimUnit.h"
#include "sim/SimServer.h"
#include "sim/SimUnit.h"

namespace {

norva::sim::SimServer* runningServer = nullptr;

extern "C" void OnStopSignal(int) {
    if (runningServer) runningServer->stop();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace norva::sim;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = ParseServerArgs(args, &error);
    if (!options) {
        if (!error.empty()) std::fprintf(stderr, "norva-sim: %s\n", error.c_str());
        std::fprintf(stderr, "%s\n", kServerUsage);
        return 2;
    }
    if (options->help) {
        std::printf("%s\n", kServerUsage);
        return 0;
    }
    if (options->version) {
        std::printf("norva-sim %s\n", NORVA_VERSION);
        return 0;
    }
    // Qt Network looks a host name up through the application.
    QCoreApplication app(argc, argv);
    SimUnit unit(options->unit);
    ServedSimUnit served(unit);
    SimServer server(served, options->host, options->port);
    if (!server.listen()) {
        std::fprintf(stderr, "norva-sim: cannot listen on tcp:%s:%u: %s\n", options->host.c_str(),
                     static_cast<unsigned>(options->port), std::strerror(errno));
        return 1;
    }
    runningServer = &server;
    norva::CatchStopSignals(OnStopSignal);

    std::fprintf(stderr, "norva-sim: %s unit listening on tcp:%s:%u\n",
                 options->unit.downward ? "downward" : "upward", server.host().c_str(),
                 static_cast<unsigned>(server.port()));
    server.run();
    runningServer = nullptr;
    return 0;
}
