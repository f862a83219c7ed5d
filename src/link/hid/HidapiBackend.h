#pragma once
// Real hardware through hidapi. On Linux the hidraw build is used, so paths are /dev/hidrawN
// and report lengths come from the node's report descriptor.

#include <atomic>
#include <map>
#include <ostream>
#include <string>

#include "link/hid/HidBackend.h"
#include "link/hid/ReportDescriptor.h"

struct hid_device_;

namespace norva {

// The udev rule that lets the user at the seat open the unit.
struct UdevRule {
    std::string path;
    bool installed = false;  // put where udev reads it when the program was installed
};
// The rule for the program that runs from programDir: an installed program (in a bin folder)
// has its own in the rules folder beside it; one run from a build tree names the source tree's.
UdevRule UdevRuleFor(const std::string& programDir);

// What to tell a user whose unit is present but whose account may not open it.
std::string PermissionHelpText(const std::string& devicePath, const UdevRule& rule);

// Writes text to out the first time it is called for a flag; true when it wrote. The backend
// passes one process-wide flag, so the advice shows up once per run.
bool ReportPermissionProblemOnce(std::atomic<bool>& alreadyShown, std::ostream& out,
                                 const std::string& text);

class HidapiBackend : public HidBackend {
  public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::vector<std::string> enumerate() override;
    HidHandle open(const std::string& path, HidOpenMode mode) override;
    std::optional<HidIdentity> identity(HidHandle handle) override;
    std::optional<HidReportLengths> reportLengths(HidHandle handle) override;
    bool write(HidHandle handle, std::span<const uint8_t> report) override;
    HidReadResult read(HidHandle handle, std::span<uint8_t> buffer) override;
    void close(HidHandle handle) override;
    std::string openProblem() const override;

  private:
    struct Open {
        hid_device_* device = nullptr;
        std::string path;
        // Read on first need, not at open: while the unit is looked for, every other HID
        // device is opened and closed again on each tick. It gives the lengths, and whether
        // reports are numbered (hidraw hands reports of unnumbered devices over without the
        // leading ID byte).
        std::optional<ReportDescriptorSummary> descriptor;
        bool descriptorRead = false;
    };
    Open* find(HidHandle handle);
    static const std::optional<ReportDescriptorSummary>& descriptorOf(Open& dev);

    std::map<std::string, HidIdentity> seen_;  // identity of each path last enumerated
    std::map<HidHandle, Open> open_;
    HidHandle nextHandle_ = 1;
    std::string refused_;  // the unit's path while the system refuses to open it
};

}  // namespace norva
