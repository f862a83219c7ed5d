// norva-sim: a simulated unit for the program's "tcp:HOST:PORT" device, or for any tool that
// speaks the same wire form.
#include <QCoreApplication>
#include <cerrno>
#include <csignal>
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
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void OnStopSignal(int signal) {
    stopSignal = signal;
    if (runningServer) runningServer->stop();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace norva::sim;
    const ParsedServerArgs parsed = ParseServerArgs({argv + 1, argv + argc}, NORVA_VERSION);
    if (!parsed.options) {
        std::fputs(parsed.out.c_str(), stdout);
        std::fputs(parsed.err.c_str(), stderr);
        return parsed.exitStatus;
    }
    const ServerOptions* options = &*parsed.options;
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
    // The server has closed its socket; the signal that ended it is told as every shell expects.
    return stopSignal ? 128 + stopSignal : 0;
}
