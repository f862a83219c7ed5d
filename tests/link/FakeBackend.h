#pragma once
// A scripted HID bus for session and dispatch tests: devices with identities and report
// queues, every open, write and close recorded.

#include <array>
#include <deque>
#include <map>
#include <vector>

#include "link/Frames.h"
#include "link/hid/HidBackend.h"

namespace norva::testing {

using Report = std::array<uint8_t, kReportLength>;

struct FakeDevice {
    std::string path;
    HidIdentity identity{kVendorId, kProductId};
    HidReportLengths lengths{kReportLength, kReportLength};
    bool openable = true;
    bool failReads = false;
    std::deque<Report> reports;
};

class FakeBackend : public HidBackend {
  public:
    std::vector<FakeDevice> devices;
    std::vector<std::vector<uint8_t>> writes;  // every output report, as sent
    std::vector<std::string> opened;           // paths, in order of open
    std::vector<std::string> closed;           // paths, in order of close
    int enumerations = 0;
    int cancels = 0;

    FakeDevice& add(const std::string& path) {
        FakeDevice d;
        d.path = path;
        devices.push_back(d);
        return devices.back();
    }
    FakeDevice* find(const std::string& path) {
        for (auto& d : devices)
            if (d.path == path) return &d;
        return nullptr;
    }
    void unplug(const std::string& path) {
        std::erase_if(devices, [&](const FakeDevice& d) { return d.path == path; });
    }
    int openHandles() const { return static_cast<int>(handles_.size()); }

    std::vector<std::string> enumerate() override {
        ++enumerations;
        std::vector<std::string> paths;
        for (const auto& d : devices) paths.push_back(d.path);
        return paths;
    }
    HidHandle open(const std::string& path, HidOpenMode) override {
        FakeDevice* d = find(path);
        if (!d || !d->openable) return kInvalidHandle;
        opened.push_back(path);
        handles_[next_] = path;
        return next_++;
    }
    std::optional<HidIdentity> identity(HidHandle h) override {
        FakeDevice* d = device(h);
        return d ? std::optional(d->identity) : std::nullopt;
    }
    std::optional<HidReportLengths> reportLengths(HidHandle h) override {
        FakeDevice* d = device(h);
        return d ? std::optional(d->lengths) : std::nullopt;
    }
    bool write(HidHandle h, std::span<const uint8_t> report) override {
        if (!device(h)) return false;
        writes.emplace_back(report.begin(), report.end());
        return true;
    }
    HidReadResult read(HidHandle h, std::span<uint8_t> buffer) override {
        FakeDevice* d = device(h);
        if (!d || d->failReads) return HidReadResult::Failed;
        if (d->reports.empty()) return HidReadResult::None;
        std::copy_n(d->reports.front().begin(), buffer.size(), buffer.begin());
        d->reports.pop_front();
        return HidReadResult::Report;
    }
    void cancel(HidHandle) override { ++cancels; }
    void close(HidHandle h) override {
        auto it = handles_.find(h);
        if (it == handles_.end()) return;
        closed.push_back(it->second);
        handles_.erase(it);
    }

  private:
    FakeDevice* device(HidHandle h) {
        auto it = handles_.find(h);
        return it == handles_.end() ? nullptr : find(it->second);
    }
    std::map<HidHandle, std::string> handles_;
    HidHandle next_ = 1;
};

// A normal-mode report carrying one image byte.
inline Report StreamReport(int address, int value) {
    Report r{};
    r[35] = static_cast<uint8_t>(value);
    r[36] = static_cast<uint8_t>(address);
    return r;
}

}  // namespace norva::testing
