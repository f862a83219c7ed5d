#include "link/hid/ReplayBackend.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace norva {

namespace {
constexpr int kUnitRate = 50;  // the unit's own reports a second
// Reports kept for a program that has not read for a while (its event loop was held): older
// ones are dropped, as an operating system's queue drops them, and the replay goes on with the
// time of the clock rather than flooding the program with what it missed.
constexpr int64_t kQueue = 16;

uint8_t Byte(long value) {
    return static_cast<uint8_t>(std::clamp(value, 0L, 255L));
}
// Tenths of a percent as the unit's 0..255.
uint8_t Share(int tenths) {
    return Byte(std::lround(tenths * 255 / 1000.0));
}
}  // namespace

ReplayBackend::ReplayBackend(std::shared_ptr<const ReplayRecording> recording, int speed,
                             size_t first, MsClock clock)
    : recording_(std::move(recording)),
      speed_(std::clamp(speed, 1, kMaxSpeed)),
      first_(first),
      rate_(std::max(kUnitRate, 2 * speed_)),
      clock_(std::move(clock)),
      path_("replay:" + recording_->file) {
    if (!recording_->samples.empty()) first_ = std::min(first_, recording_->samples.size() - 1);
}

size_t ReplayBackend::sampleAt(int64_t report) const {
    // Report k leaves k / rate seconds after the start, when 2 * speed samples a second have
    // passed for each.
    const auto played = static_cast<size_t>(report * 2 * speed_ / rate_);
    return std::min(first_ + played, recording_->samples.size() - 1);
}

std::vector<std::string> ReplayBackend::enumerate() {
    if (recording_->samples.empty()) return {};
    return {path_};
}

HidHandle ReplayBackend::open(const std::string& path, HidOpenMode) {
    if (path != path_ || recording_->samples.empty()) return kInvalidHandle;
    const HidHandle h = nextHandle_++;
    open_.insert(h);
    return h;
}

std::optional<HidIdentity> ReplayBackend::identity(HidHandle handle) {
    if (!open_.count(handle)) return std::nullopt;
    return HidIdentity{kVendorId, kProductId};
}

std::optional<HidReportLengths> ReplayBackend::reportLengths(HidHandle handle) {
    if (!open_.count(handle)) return std::nullopt;
    return HidReportLengths{kReportLength, kReportLength};
}

bool ReplayBackend::write(HidHandle handle, std::span<const uint8_t>) {
    // Keys, reads and writes are taken as the unit takes them, and change nothing.
    return open_.count(handle) != 0;
}

HidReadResult ReplayBackend::read(HidHandle handle, std::span<uint8_t> buffer) {
    if (!open_.count(handle)) return HidReadResult::Failed;
    const int64_t now = clock_();
    if (!started_) {
        started_ = true;
        originMs_ = now;
    }
    // Report k is due k / rate seconds after the first read.
    const int64_t lastDue = std::max<int64_t>(0, now - originMs_) * rate_ / 1000;
    if (nextReport_ > lastDue) return HidReadResult::None;
    nextReport_ = std::max(nextReport_, lastDue + 1 - kQueue);
    const Report r = makeReport(nextReport_++);
    std::fill(buffer.begin(), buffer.end(), uint8_t{0});
    std::copy_n(r.begin(), std::min(buffer.size(), r.size()), buffer.begin());
    return HidReadResult::Report;
}

ReplayBackend::Report ReplayBackend::makeReport(int64_t index) {
    using namespace in;
    Report r{};
    const size_t at = sampleAt(index);
    const ReplaySample& s = recording_->samples[at];
    // At the end the last sample stays on the dials and the unit stays present: a unit that
    // vanished would read as a lost connection, and the user wants to read where the recording
    // ended. The terminal says that it did.
    const bool ended = at + 1 >= recording_->samples.size() && index > 0;
    char lines[2][kLineLength + 1];
    std::snprintf(lines[0], sizeof lines[0], "%-16.16s",
                  ("REPLAY cycle " + std::to_string(s.cycle)).c_str());
    // The minute of the log, as the time chart counts it; at the end, where the last sample ends.
    const size_t tenths = (ended ? at + 1 : at) * 10 / 120;
    char minute[16];
    std::snprintf(minute, sizeof minute, "%zu.%zu", tenths / 10, tenths % 10);
    char line2[32];
    if (ended)
        std::snprintf(line2, sizeof line2, "ended  min %s", minute);
    else
        std::snprintf(line2, sizeof line2, "minute %s x%d", minute, speed_);
    std::snprintf(lines[1], sizeof lines[1], "%-16.16s", line2);
    std::copy_n(lines[0], kLineLength, r.begin() + kLine1);
    std::copy_n(lines[1], kLineLength, r.begin() + kLine2);

    r[kStreamAddress] = static_cast<uint8_t>(streamAddress_);
    r[kStreamValue] = recording_->image[static_cast<size_t>(streamAddress_)];
    streamAddress_ = (streamAddress_ + 1) % 256;

    // The recording holds no battery, pressure or receiver pulse: they read 0.
    r[kPump] = Share(s.pump);
    r[kStick] = Share(s.throttle);
    r[kEgt] = Byte(std::lround(s.temp / 4.0));
    const long speed = std::clamp(std::lround(s.rpm / 100.0), 0L, 65535L);
    r[kSpeedLow] = speed & 255;
    r[kSpeedLow + 1] = static_cast<uint8_t>(speed >> 8);
    return r;
}

void ReplayBackend::close(HidHandle handle) {
    open_.erase(handle);
}

std::string ReplayBackend::describe() const {
    // The file's name alone: its folder would crowd the status bar.
    return QCoreApplication::translate("HidBackend", "Replay of %1 at x%2")
        .arg(QString::fromStdString(std::filesystem::path(recording_->file).filename().string()))
        .arg(speed_)
        .toStdString();
}

}  // namespace norva
