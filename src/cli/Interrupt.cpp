#include "cli/Interrupt.h"

#include <atomic>
#include <csignal>

namespace norva {

namespace {
std::atomic<bool> gInterrupted{false};
extern "C" void OnInterrupt(int) {
    gInterrupted = true;
}
}  // namespace

InterruptWatch::InterruptWatch() {
    gInterrupted = false;
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool InterruptWatch::take() {
    return gInterrupted.exchange(false);
}

}  // namespace norva
