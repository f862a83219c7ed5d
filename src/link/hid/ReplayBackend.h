#pragma once
// A recorded run log played back as a unit would send it: the engine values of one sample every
// half second of recorded time (faster when asked), the configuration image the recording
// carries streamed as the unit streams its own, and the terminal saying what is shown. Writes
// are taken and ignored: a recording cannot be changed.

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "link/hid/HidBackend.h"
#include "protocol/Frames.h"

namespace norva {

// One half-second sample as the unit recorded it.
struct ReplaySample {
    int cycle = 0;
    int temp = 0;      // degrees C
    int rpm = 0;       // revolutions per minute
    int throttle = 0;  // tenths of a percent
    int pump = 0;      // tenths of a percent
};

struct ReplayRecording {
    std::string file;  // as the user named it
    std::vector<ReplaySample> samples;
    std::array<uint8_t, 256> image{};  // the cells the unit streams
};

class ReplayBackend : public HidBackend {
  public:
    static constexpr int kMaxSpeed = 32;
    static constexpr int kSampleMs = 500;  // a sample every half second of recorded time

    // Plays `recording` from sample `first` (0-based) at `speed` times real time (1 to 32).
    ReplayBackend(std::shared_ptr<const ReplayRecording> recording, int speed, size_t first,
                  MsClock clock = SteadyMs);

    bool replaying() const override { return true; }
    std::vector<std::string> enumerate() override;
    HidHandle open(const std::string& path, HidOpenMode mode) override;
    std::optional<HidIdentity> identity(HidHandle handle) override;
    std::optional<HidReportLengths> reportLengths(HidHandle handle) override;
    bool write(HidHandle handle, std::span<const uint8_t> report) override;
    HidReadResult read(HidHandle handle, std::span<uint8_t> buffer) override;
    void close(HidHandle handle) override;
    std::string address() const override { return recording_->file; }
    std::string describe() const override;

  private:
    using Report = std::array<uint8_t, kReportLength>;
    size_t sampleAt(int64_t report) const;
    Report makeReport(int64_t index);

    std::shared_ptr<const ReplayRecording> recording_;
    int speed_;
    size_t first_;
    int rate_;  // reports a second: the unit's 50, or one a sample when samples come faster
    MsClock clock_;
    std::string path_;
    std::set<HidHandle> open_;
    HidHandle nextHandle_ = 1;
    bool started_ = false;
    int64_t originMs_ = 0;
    int64_t nextReport_ = 0;  // index of the next report to send
    int streamAddress_ = 0;   // the image cell the next report carries
};

}  // namespace norva
