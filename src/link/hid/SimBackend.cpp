#include "link/hid/SimBackend.h"

#include "protocol/Frames.h"

namespace norva {

SimBackend::SimBackend(sim::SimOptions options, MsClock clock)
    : unit_(options),
      clock_(std::move(clock)),
      path_(options.downward ? "sim:falling" : "sim:rising") {}

std::vector<std::string> SimBackend::enumerate() {
    if (unit_.unplugged()) return {};
    return {path_};
}

HidHandle SimBackend::open(const std::string& path, HidOpenMode) {
    if (unit_.unplugged() || path != path_) return kInvalidHandle;
    const HidHandle h = nextHandle_++;
    open_.insert(h);
    return h;
}

std::optional<HidIdentity> SimBackend::identity(HidHandle handle) {
    if (!isOpen(handle) || unit_.unplugged()) return std::nullopt;
    return HidIdentity{kVendorId, kProductId};
}

std::optional<HidReportLengths> SimBackend::reportLengths(HidHandle handle) {
    if (!isOpen(handle) || unit_.unplugged()) return std::nullopt;
    return HidReportLengths{kReportLength, kReportLength};
}

bool SimBackend::write(HidHandle handle, std::span<const uint8_t> report) {
    if (!isOpen(handle) || unit_.unplugged() || report.empty()) return false;
    // Reports due before this write were sent before the unit saw it.
    unit_.advanceTo(clock_());
    unit_.receive(report);
    ++written_;
    return true;
}

HidReadResult SimBackend::read(HidHandle handle, std::span<uint8_t> buffer) {
    if (!isOpen(handle) || unit_.unplugged()) return HidReadResult::Failed;
    unit_.advanceTo(clock_());
    return unit_.takeReport(buffer) ? HidReadResult::Report : HidReadResult::None;
}

void SimBackend::close(HidHandle handle) {
    open_.erase(handle);
}

}  // namespace norva
