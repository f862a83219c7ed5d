#pragma once
// The simulated unit plugged in, in-process: a HidBackend whose one device is a SimUnit that
// moves with the given clock.

#include <set>

#include "base/Clock.h"
#include "link/hid/HidBackend.h"
#include "sim/SimUnit.h"

namespace norva {

class SimBackend : public HidBackend {
  public:
    explicit SimBackend(sim::SimOptions options = {}, MsClock clock = SteadyMs);

    sim::SimUnit& unit() { return unit_; }
    // The one path this backend enumerates: "sim:rising" or "sim:falling".
    const std::string& path() const { return path_; }
    // Output reports the unit has taken.
    uint64_t reportsWritten() const { return written_; }

    std::vector<std::string> enumerate() override;
    HidHandle open(const std::string& path, HidOpenMode mode) override;
    std::optional<HidIdentity> identity(HidHandle handle) override;
    std::optional<HidReportLengths> reportLengths(HidHandle handle) override;
    bool write(HidHandle handle, std::span<const uint8_t> report) override;
    HidReadResult read(HidHandle handle, std::span<uint8_t> buffer) override;
    void close(HidHandle handle) override;
    std::string describe() const override {
        return QCoreApplication::translate("HidBackend", "Simulated unit").toStdString();
    }

  private:
    bool isOpen(HidHandle handle) const { return open_.count(handle) != 0; }

    sim::SimUnit unit_;
    MsClock clock_;
    std::string path_;
    std::set<HidHandle> open_;
    HidHandle nextHandle_ = 1;
    uint64_t written_ = 0;
};

}  // namespace norva
