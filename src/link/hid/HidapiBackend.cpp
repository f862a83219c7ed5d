#include "link/hid/HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <QCoreApplication>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <vector>

#include "base/Platform.h"
#include "protocol/Frames.h"

// Set by the build: where installing puts the rule, and the source tree's copy as seen from the
// build tree's program.
#ifndef NORVA_UDEV_RULES_DIR
#define NORVA_UDEV_RULES_DIR "lib/udev/rules.d"
#endif
#ifndef NORVA_SOURCE_RULE
#define NORVA_SOURCE_RULE "../packaging/70-norva.rules"
#endif

namespace norva {

namespace {

void InitHidapiOnce() {
    static std::once_flag once;
    // hid_exit is never called: the library lives as long as the process.
    std::call_once(once, [] { hid_init(); });
}

std::optional<ReportDescriptorSummary> DescriptorOf(const std::string& path) {
    const auto descriptor = HidrawReportDescriptor(path);
    if (!descriptor) return std::nullopt;
    return ParseReportDescriptor(*descriptor);
}

std::atomic<bool> permissionAdviceShown{false};

std::string ProgramDir() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString()
                                        : std::string();
}

}  // namespace

UdevRule UdevRuleFor(const std::string& programDir) {
    const std::filesystem::path dir(programDir);
    // Installing puts the program in PREFIX/bin; a build tree is never named so.
    if (!programDir.empty() && dir.filename() == "bin") {
        const std::filesystem::path rules(NORVA_UDEV_RULES_DIR);
        const auto folder =
            (rules.is_absolute() ? rules : dir.parent_path() / rules).lexically_normal();
        // Under another prefix (/usr/local) the rule lies where udev does not look: copied then.
        const bool read = folder == "/usr/lib/udev/rules.d" || folder == "/lib/udev/rules.d";
        return {(folder / "70-norva.rules").string(), read};
    }
    return {(dir / NORVA_SOURCE_RULE).lexically_normal().string(), false};
}

std::string PermissionHelpText(const std::string& devicePath, const UdevRule& rule) {
    const auto line = [](const QString& text) { return text.toStdString() + "\n"; };
    const QString device = QString::fromStdString(devicePath);
    const QString path = QString::fromStdString(rule.path);
    std::string text = line(QCoreApplication::translate("norva::HidapiBackend",
                                                        "NORVA unit found at %1, but this user may "
                                                        "not open it (permission denied).")
                                .arg(device));
    if (rule.installed)
        text += line(QCoreApplication::translate("norva::HidapiBackend",
                                                 "The udev rule %1 lets the user at the seat, and "
                                                 "the members of group plugdev, open it.\nTo put "
                                                 "it in force, as root:")
                         .arg(path));
    else
        text += line(QCoreApplication::translate("norva::HidapiBackend",
                                                 "To allow it, install the udev rule %1, as root:")
                         .arg(path)) +
                "  cp " + rule.path + " /etc/udev/rules.d/\n";
    return text + "  udevadm control --reload-rules && udevadm trigger\n" +
           line(QCoreApplication::translate("norva::HidapiBackend",
                                            "then unplug the unit and plug it in again."));
}

bool ReportPermissionProblemOnce(std::atomic<bool>& alreadyShown, std::ostream& out,
                                 const std::string& text) {
    if (alreadyShown.exchange(true)) return false;
    out << text << std::flush;
    return true;
}

HidapiBackend::HidapiBackend() {
    InitHidapiOnce();
}

HidapiBackend::~HidapiBackend() {
    for (auto& [handle, dev] : open_) hid_close(dev.device);
}

std::vector<std::string> HidapiBackend::enumerate() {
    std::vector<std::string> paths;
    seen_.clear();
    hid_device_info* list = hid_enumerate(0, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        if (!d->path) continue;
        paths.emplace_back(d->path);
        seen_[d->path] = {d->vendor_id, d->product_id};
    }
    hid_free_enumeration(list);
    if (!refused_.empty() && !seen_.count(refused_)) refused_.clear();  // unplugged
    return paths;
}

std::string HidapiBackend::openProblem() const {
    return refused_.empty() ? std::string()
                            : PermissionHelpText(refused_, UdevRuleFor(ProgramDir()));
}

HidHandle HidapiBackend::open(const std::string& path, HidOpenMode) {
    hid_device* device = hid_open_path(path.c_str());
    if (!device) {
        auto it = seen_.find(path);
        bool isUnit = it != seen_.end() && it->second.vendorId == kVendorId &&
                      it->second.productId == kProductId;
        if (isUnit && OpenRefused(path)) {
            refused_ = path;
            ReportPermissionProblemOnce(permissionAdviceShown, std::cerr, openProblem());
        }
        return kInvalidHandle;
    }
    if (path == refused_) refused_.clear();
    // Reads must never wait: the session polls.
    hid_set_nonblocking(device, 1);
    HidHandle h = nextHandle_++;
    open_[h] = Open{device, path, std::nullopt, false};
    return h;
}

HidapiBackend::Open* HidapiBackend::find(HidHandle handle) {
    auto it = open_.find(handle);
    return it == open_.end() ? nullptr : &it->second;
}

std::optional<HidIdentity> HidapiBackend::identity(HidHandle handle) {
    Open* dev = find(handle);
    if (!dev) return std::nullopt;
    // A path opened without a fresh listing is looked up in a new one.
    if (!seen_.count(dev->path)) enumerate();
    auto it = seen_.find(dev->path);
    if (it == seen_.end()) return std::nullopt;
    return it->second;
}

const std::optional<ReportDescriptorSummary>& HidapiBackend::descriptorOf(Open& dev) {
    if (!dev.descriptorRead) {
        dev.descriptor = DescriptorOf(dev.path);
        dev.descriptorRead = true;
    }
    return dev.descriptor;
}

std::optional<HidReportLengths> HidapiBackend::reportLengths(HidHandle handle) {
    Open* dev = find(handle);
    if (!dev || !descriptorOf(*dev)) return std::nullopt;
    return descriptorOf(*dev)->lengths;
}

bool HidapiBackend::write(HidHandle handle, std::span<const uint8_t> report) {
    Open* dev = find(handle);
    if (!dev || report.empty()) return false;
    return hid_write(dev->device, report.data(), report.size()) >= 0;
}

HidReadResult HidapiBackend::read(HidHandle handle, std::span<uint8_t> buffer) {
    Open* dev = find(handle);
    if (!dev || buffer.empty()) return HidReadResult::Failed;
    int n;
    const auto& descriptor = descriptorOf(*dev);
    if (descriptor && descriptor->numberedReports) {
        n = hid_read_timeout(dev->device, buffer.data(), buffer.size(), 0);
    } else {
        n = hid_read_timeout(dev->device, buffer.data() + 1, buffer.size() - 1, 0);
        if (n > 0) buffer[0] = 0;
    }
    if (n < 0) return HidReadResult::Failed;
    return n == 0 ? HidReadResult::None : HidReadResult::Report;
}

void HidapiBackend::close(HidHandle handle) {
    auto it = open_.find(handle);
    if (it == open_.end()) return;
    hid_close(it->second.device);
    open_.erase(it);
}

}  // namespace norva
