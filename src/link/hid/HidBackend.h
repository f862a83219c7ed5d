#pragma once
// How bytes reach a unit: the few HID operations the session needs, whatever carries them.

#include <QCoreApplication>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "protocol/Identity.h"

namespace norva {

using HidHandle = int;
constexpr HidHandle kInvalidHandle = -1;

enum class HidOpenMode { Write, Read };

enum class HidReadResult {
    Report,  // one whole input report was copied into the buffer
    None,    // nothing has arrived yet
    Failed,  // the device is gone or the handle is broken
};

class HidBackend {
  public:
    virtual ~HidBackend() = default;

    // Paths of the present HID interfaces, in enumeration order.
    virtual std::vector<std::string> enumerate() = 0;
    // kInvalidHandle when the path cannot be opened.
    virtual HidHandle open(const std::string& path, HidOpenMode mode) = 0;
    virtual std::optional<HidIdentity> identity(HidHandle handle) = 0;
    virtual std::optional<HidReportLengths> reportLengths(HidHandle handle) = 0;
    // One whole output report, byte 0 the report ID; false when it did not go out.
    virtual bool write(HidHandle handle, std::span<const uint8_t> report) = 0;
    // Never blocks. On Report, buffer holds the report with byte 0 the report ID.
    virtual HidReadResult read(HidHandle handle, std::span<uint8_t> buffer) = 0;
    // Drops a read in progress; nothing to do for backends that never block.
    virtual void cancel(HidHandle) {}
    virtual void close(HidHandle handle) = 0;

    // For the user while no unit can be used. Where the unit is looked for when that is not
    // USB, as the user named it ("127.0.0.1:5050"); empty for USB.
    virtual std::string address() const { return {}; }
    // Why a unit that is there could not be opened, and what to do about it, in a few lines;
    // empty when no unit was refused.
    virtual std::string openProblem() const { return {}; }
    // A recording plays the unit: nothing written reaches an engine.
    virtual bool replaying() const { return false; }
    // What the window's status bar says it is connected to: "USB unit", "Simulated unit",
    // "tcp:HOST:PORT", "Replay of FILE at x4".
    virtual std::string describe() const {
        return QCoreApplication::translate("HidBackend", "USB unit").toStdString();
    }
};

// Passes every call on to another backend: the base of those that watch some of them.
class ForwardingBackend : public HidBackend {
  public:
    explicit ForwardingBackend(HidBackend& inner) : inner_(inner) {}
    std::vector<std::string> enumerate() override { return inner_.enumerate(); }
    HidHandle open(const std::string& path, HidOpenMode mode) override {
        return inner_.open(path, mode);
    }
    std::optional<HidIdentity> identity(HidHandle h) override { return inner_.identity(h); }
    std::optional<HidReportLengths> reportLengths(HidHandle h) override {
        return inner_.reportLengths(h);
    }
    bool write(HidHandle h, std::span<const uint8_t> report) override {
        return inner_.write(h, report);
    }
    HidReadResult read(HidHandle h, std::span<uint8_t> buffer) override {
        return inner_.read(h, buffer);
    }
    void cancel(HidHandle h) override { inner_.cancel(h); }
    void close(HidHandle h) override { inner_.close(h); }
    std::string address() const override { return inner_.address(); }
    std::string openProblem() const override { return inner_.openProblem(); }
    bool replaying() const override { return inner_.replaying(); }
    std::string describe() const override { return inner_.describe(); }

  protected:
    HidBackend& inner_;
};

}  // namespace norva
