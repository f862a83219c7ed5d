// The poll tick, the read of every waiting report and the normal dispatch of each.
#include <algorithm>
#include <cmath>

#include "base/Windows1252.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"

namespace norva {

// What the terminal shows when byte 3 says there is no unit: 15 + 18 blanks + 29 NULs.
std::string Link::NotFoundText() {
    std::string text = "NORVA NOT FOUND";
    text.append(18, ' ');
    text.append(29, '\0');
    return text;
}

namespace {

// The report byte that ReportText holds at its position p is byte p + 2.
inline int At(const std::string& text, int reportByte) {
    return static_cast<uint8_t>(text[reportByte - in::kText]);
}

// Int(b / 2.55) for a byte, without the rounding doubt of the decimal divisor.
inline int16_t Percent(int b) {
    return static_cast<int16_t>(b * 100 / 255);
}
}  // namespace

void Link::PollTick() {
    if (polling_) return;
    // An operation whose wait just ended goes on first, with the state its report left.
    if (resumeScheduled_) return;
    polling_ = true;
    PacePoll();
    PollDevice();
    polling_ = false;
    emit polled();
}

void Link::ReceiveReport() {
    bool failed = false;
    const int read = ReadWaiting(failed);
    DispatchArrived(true);
    if (failed) {
        LostUnit();
        DispatchZeroFilled();
        return;
    }
    if (read == 0 && clock_() - lastReportMs_ >= kReadTimeoutMs) {
        LostUnit();
        DispatchZeroFilled();
    }
}

int Link::ReadWaiting(bool& failed) {
    const int64_t now = clock_();
    const double interval = ReportInterval();
    const size_t first = arrived_.size();
    // Each report is read straight into its place in the queue (the unit's reports are
    // kReportLength long: FindTheHid takes no other).
    while (arrived_.size() < size_t(kMaxReportsPerTick)) {
        Arrival& a = arrived_.emplace_back();
        const auto length = std::min<size_t>(size_t(InputReportByteLength.get()), a.bytes.size());
        const HidReadResult result = backend_->read(ReadHandle, std::span(a.bytes.data(), length));
        if (result == HidReadResult::Report) continue;
        arrived_.pop_back();
        failed = result == HidReadResult::Failed;
        break;
    }
    const int read = static_cast<int>(arrived_.size() - first);
    if (read == 0) return 0;
    lastReportMs_ = now;
    // Read in one go, they were made one interval apart up to now, and never before the
    // reports read earlier.
    for (size_t k = first; k < arrived_.size(); ++k) {
        const double back = static_cast<double>(arrived_.size() - 1 - k) * interval;
        arrived_[k].madeMs = std::clamp(double(now) - back, lastMadeMs_, double(now));
    }
    lastMadeMs_ = arrived_.back().madeMs;
    if (!readings_.empty() && readings_.back().first == now)
        readings_.back().second += read;
    else
        readings_.emplace_back(now, read);
    readingsTotal_ += read;
    while (readings_.size() > 2 && readingsTotal_ - readings_.front().second >= kIntervalReports) {
        readingsTotal_ -= readings_.front().second;
        readings_.pop_front();
    }
    return read;
}

std::optional<double> Link::MeasuredInterval() const {
    if (readings_.size() < 2) return std::nullopt;
    // The reports of the oldest read came over an unknown time before it: they are not
    // counted, so a backlog read at connection does not pass for a fast unit.
    const int counted = readingsTotal_ - readings_.front().second;
    if (counted < kIntervalLeastReports) return std::nullopt;
    return static_cast<double>(readings_.back().first - readings_.front().first) / counted;
}

void Link::DispatchArrived(bool untilWaitEnds) {
    while (!arrived_.empty()) {
        const Arrival a = arrived_.front();
        arrived_.pop_front();
        madeMs_ = a.madeMs;
        Dispatch(a.bytes);
        // An operation whose wait this report ended goes on before the next report.
        if (untilWaitEnds && resumeScheduled_) {
            pollCutShort_ = true;
            return;
        }
    }
}

void Link::DrainBeforeSending() {
    // Everything the unit made before this command is dispatched before it goes out.
    polling_ = true;
    bool failed = false;
    ReadWaiting(failed);
    DispatchArrived(false);
    polling_ = false;
    if (failed) {
        LostUnit();
        DispatchZeroFilled();
    }
}

void Link::DispatchZeroFilled() {
    // The display shows the loss; no wait counts this as a report, and no run log takes it.
    const std::array<uint8_t, kReportLength> zeros{};
    if (DownloadActive != 1) NormalDispatch(zeros);
}

bool Link::Dispatch(std::span<const uint8_t> report) {
    if (afterDownload_) {
        // The rest of the log, sent before the unit took normal mode again.
        if (normalModeSentMs_ < 0 || madeMs_ <= double(normalModeSentMs_)) return false;
        afterDownload_ = false;
    }
    if (DownloadActive == 1 && IsLogReport(report)) {
        const size_t first = std::min<size_t>(in::kDownloadFirst, report.size());
        const size_t count = std::min<size_t>(in::kDownloadBytes, report.size() - first);
        std::vector<uint8_t>& data = DownloadData.mut();
        data.insert(data.end(), report.begin() + first, report.begin() + first + count);
        data.resize(data.size() + (in::kDownloadBytes - count), 0);
        DownloadByteCount = DownloadByteCount + in::kDownloadBytes;
        SetState(LinkState::Downloading);
        for (LinkWait* wait : waits_)
            if (wait->kind_ == LinkWait::Kind::Download && wait->endSerial_ == 0 &&
                DownloadByteCount >= wait->count_)
                EndWait(wait, Outcome::Done);
        return false;
    }
    NormalDispatch(report);
    CountReport();
    return true;
}

bool Link::IsLogReport(std::span<const uint8_t> report) {
    if (logStarted_) return true;
    // Until the first download-mode report, a report that carries the image stream on where it
    // was, with the values the image holds, is a normal one: made before the unit took the
    // request (as dated), or showing the terminal unchanged (whatever the date says). A log
    // report is almost never taken for one; a normal report taken for the log's start is only
    // a longer preamble.
    std::array<uint8_t, kReportLength> r{};
    std::copy_n(report.begin(), std::min(report.size(), r.size()), r.begin());
    const int address = r[in::kStreamAddress];
    const int next =
        BackupDownward ? (BackupExpectedAddress + 255) % 256 : (BackupExpectedAddress + 1) % 256;
    // (The request itself writes its cell.)
    const bool carriesOn = address == next && (r[in::kStreamValue] == BackupImage[address] ||
                                               address == cell::kDownloadRequest);
    const std::string& text = ReportText;
    const bool sameTerminal =
        std::equal(text.begin(), text.begin() + 32, r.begin() + in::kText,
                   [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
    if (carriesOn && (sameTerminal || madeMs_ <= double(downloadSinceMs_))) return false;
    logStarted_ = true;
    return true;
}

void Link::NormalDispatch(std::span<const uint8_t> report) {
    // Bytes up to index 64 are read; a shorter buffer reads as zeros there.
    std::array<uint8_t, kReportLength> r{};
    std::copy_n(report.begin(), std::min<size_t>(report.size(), r.size()), r.begin());

    ReportText.mut().assign(reinterpret_cast<const char*>(r.data() + in::kText), kReportTextLength);
    InputReportReceived = true;

    const int address = r[in::kStreamAddress];
    BackupImage.mut()[address] = r[in::kStreamValue];
    if (address == cell::kFullSpeed && GaugeFullSpeed != BackupImage[cell::kFullSpeed]) {
        GaugeFullSpeed = BackupImage[cell::kFullSpeed];
        emit gaugeFullSpeedChanged(GaugeFullSpeed);
    }

    if (BackupDownward) {
        BackupExpectedAddress = (BackupExpectedAddress == 0 ? 256 : BackupExpectedAddress) - 1;
    } else {
        BackupExpectedAddress = BackupExpectedAddress == 255 ? 0 : BackupExpectedAddress + 1;
    }
    if (BackupExpectedAddress == address) {
        BackupByteCount = std::min(BackupByteCount + 1, kBackupCountLimit);
    } else {
        // The direction is found by trial: a break flips it and the count starts again.
        BackupDownward = !BackupDownward;
        BackupByteCount = 0;
        BackupExpectedAddress = address;
    }

    if (!Mode0Sent) {
        Mode0();
        Mode0Sent = true;
    }
    if (r[in::kLine1] == in::kNoUnitMarker) ReportText = NotFoundText();
    DecodeTelemetry();
    emit dispatched();
}

Link::DownloadGuard Link::beginDownload() {
    DownloadActive = 1.0f;
    afterDownload_ = false;
    restartDownload();
    return DownloadGuard(*this);
}

void Link::restartDownload() {
    DownloadData.mut().clear();
    DownloadByteCount = 0;
    downloadSinceMs_ = std::max<int64_t>(lastSentMs_, 0);
    logStarted_ = false;
}

void Link::endDownload() {
    DownloadActive = 0.0f;
    afterDownload_ = true;
    normalModeSentMs_ = -1;
    Mode0WhenBack();
}

void Link::restartImage() {
    BackupByteCount = 0;
}

void Link::setPressureFactor(double factor) {
    PressureFactor = factor;
}

QString Link::TerminalLine(int line) const {
    // The unit's own character set, as in its text cells; a zero byte reads as a blank.
    const auto* bytes = reinterpret_cast<const uint8_t*>(ReportText->data()) + line * 16;
    return AnsiText({bytes, 16});
}

void Link::DecodeTelemetry() {
    const std::string& t = ReportText;
    // Computed in double and stored in single precision, as the values are kept.
    using namespace in;
    EngineSpeed = static_cast<float>((At(t, kSpeedLow + 1) * 256 + At(t, kSpeedLow)) / 10.0);
    Pressure = static_cast<float>(At(t, kPressure) * PressureFactor);
    Egt = static_cast<float>(At(t, kEgt) * 4);
    BatteryCurrent = static_cast<int16_t>(At(t, kCurrent));
    BatteryVoltage = static_cast<float>(At(t, kVoltage) * 6 / 100.0);
    StickPosition = Percent(At(t, kStick));
    PumpPower = Percent(At(t, kPump));
    PressureRaw = static_cast<int16_t>(At(t, kPressure));
    ReceiverPulse = static_cast<float>(At(t, kPulseLow + 1) * 256 + At(t, kPulseLow));
    ReplyAddress = static_cast<float>(At(t, kStreamAddress));
    ReplyValue = static_cast<float>(At(t, kStreamValue));
}

}  // namespace norva
