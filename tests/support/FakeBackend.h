#pragma once
// A scripted HID bus for session and dispatch tests: devices with identities and report
// queues, every open, write and close recorded.

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <string_view>
#include <vector>

#include "link/hid/HidBackend.h"
#include "protocol/Frames.h"

namespace norva::testing {

using Report = std::array<uint8_t, kReportLength>;

struct FakeDevice {
    std::string path;
    HidIdentity identity{kVendorId, kProductId};
    // Nothing: its report descriptor cannot be read.
    std::optional<HidReportLengths> lengths = HidReportLengths{kReportLength, kReportLength};
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
    std::string problem;  // what openProblem() says
    // The configuration the scripted unit streams (LinkTest::feedStream): each cell starts as
    // its address ^ 0x5A, and the write slots of every output report land in it.
    std::array<uint8_t, 256> memory = [] {
        std::array<uint8_t, 256> m{};
        for (int a = 0; a < 256; ++a) m[a] = static_cast<uint8_t>(a ^ 0x5A);
        return m;
    }();

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
        return d ? d->lengths : std::nullopt;
    }
    bool write(HidHandle h, std::span<const uint8_t> report) override {
        if (!device(h)) return false;
        writes.emplace_back(report.begin(), report.end());
        for (size_t at = 1; at + kSlotSize <= report.size() && at < 1 + kSlotCount * kSlotSize;
             at += kSlotSize) {
            SlotBytes slot{};
            std::copy_n(report.begin() + at, kSlotSize, slot.begin());
            if (TakenByUnit(slot) && slot[2] != kFunctionKey && slot[2] != kFunctionRead)
                memory[slot[2]] = slot[3];
        }
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
    std::string openProblem() const override { return problem; }
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

// A normal-mode report with every live value set: 4.2 A, receiver 1500 us, pump byte 128,
// pressure byte 100, stick 255, EGT 640 C, 12.36 V, 120.0 thousand RPM; terminal lines as given
// (each up to 16 characters, the rest NUL).
inline Report LiveReport(std::string_view line1, std::string_view line2) {
    Report r{};
    std::copy_n(line1.begin(), std::min<size_t>(line1.size(), 16), r.begin() + 3);
    std::copy_n(line2.begin(), std::min<size_t>(line2.size(), 16), r.begin() + 19);
    r[38] = 42;
    r[41] = 0xDC;
    r[42] = 0x05;
    r[43] = 128;
    r[44] = 100;
    r[45] = 255;
    r[46] = 160;
    r[47] = 206;
    r[49] = 0xB0;
    r[50] = 0x04;
    return r;
}

}  // namespace norva::testing
