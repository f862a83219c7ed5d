// The poll tick, the read of every waiting report and the normal dispatch of each.
#include <algorithm>
#include <cmath>

#include "link/Link.h"

namespace norva {

namespace {
// Byte positions of a normal-mode input report (byte 0 is the report ID).
constexpr int kNotFoundMarker = 3;  // 255: an interface with no unit behind it
constexpr int kTextFirst = 3;
constexpr int kBackupValue = 35;
constexpr int kBackupAddress = 36;
constexpr int kFullSpeedAddress = 51;    // image byte: the unit's full-throttle speed
constexpr int kAccessLevelAddress = 47;  // image byte: 7 = full menu access
constexpr int kFullAccess = 7;

// What the terminal shows when byte 3 says there is no unit: 15 + 18 blanks + 29 NULs.
std::string NotFoundText() {
    std::string text = "NORVA NOT FOUND";
    text.append(18, ' ');
    text.append(29, '\0');
    return text;
}

// ReportText position p stands for report byte p + 2.
inline int At(const std::string& text, int position) {
    return static_cast<uint8_t>(text[position - 1]);
}

// Int(b / 2.55) for a byte, without the rounding doubt of the decimal divisor.
inline int16_t Percent(int b) {
    return static_cast<int16_t>(b * 100 / 255);
}
}  // namespace

Link::Link(HidBackend& backend, MsClock clock, QObject* parent)
    : QObject(parent), backend_(backend), clock_(std::move(clock)) {
    ReportText = NotFoundText();
    Timer3.setInterval(kDesignPollMs);
    connect(&Timer3, &QTimer::timeout, this, &Link::PollTick);
}

Link::~Link() {
    // Operations still waiting are cancelled before the state they wait on goes away.
    Operation.cancel();
    for (LinkWait* wait : waits_) wait->registered_ = false;
    CloseDeviceHandles();
}

void Link::start() {
    Timer3.setInterval(kDesignPollMs);
    Timer3.start();
}

void Link::PollTick() {
    Timer3.setInterval(kPollMs);
    PollDevice();
    // The "&Parameters" menu item: hidden for downward units, shown once the stream runs.
    std::optional<bool> autostart = AutostartVisible;
    if (BackupDescending)
        autostart = false;
    else if (BackupByteCount > 3)
        autostart = true;
    if (autostart != AutostartVisible) {
        AutostartVisible = autostart;
        emit autostartVisibilityChanged(*autostart);
    }
}

void Link::ReceiveReport() {
    readBuffer_.assign(std::max(InputReportByteLength, kReportLength), 0);
    const std::span<uint8_t> buffer(readBuffer_.data(), InputReportByteLength);
    int received = 0;
    // Everything that arrived since the last tick is dispatched, in order, one by one.
    while (received < kMaxReportsPerTick) {
        std::fill(readBuffer_.begin(), readBuffer_.end(), uint8_t{0});
        const HidReadResult result = backend_.read(ReadHandle, buffer);
        if (result == HidReadResult::None) break;
        if (result == HidReadResult::Failed) {
            LostUnit();
            SetConnectionCaption(QStringLiteral("Disconnected"), QColor(255, 0, 0));
            DispatchZeroFilled();
            return;
        }
        ++received;
        lastReportMs_ = clock_();
        if (Dispatch(buffer)) ResumeReportWaits();
        // A resumed operation may have closed the unit.
        if (!DeviceDetected || ReadHandle == kInvalidHandle) return;
    }
    if (received == 0 && clock_() - lastReportMs_ >= kReadTimeoutMs) {
        LostUnit();
        DispatchZeroFilled();
    }
}

void Link::DispatchZeroFilled() {
    std::fill(readBuffer_.begin(), readBuffer_.end(), uint8_t{0});
    if (Dispatch(readBuffer_)) ResumeReportWaits();
}

bool Link::Dispatch(std::span<const uint8_t> report) {
    if (DownloadActive == 1) {
        if (downloadReceiver_) downloadReceiver_->downloadStep(report);
        return false;
    }
    NormalDispatch(report);
    return true;
}

void Link::NormalDispatch(std::span<const uint8_t> report) {
    // Bytes up to index 64 are read; a shorter buffer reads as zeros there.
    std::array<uint8_t, kReportLength> r{};
    std::copy_n(report.begin(), std::min<size_t>(report.size(), r.size()), r.begin());

    ReportText.assign(reinterpret_cast<const char*>(r.data() + kTextFirst), kReportTextLength);
    InputReportReceived = true;

    const int address = r[kBackupAddress];
    BackupImage[address] = r[kBackupValue];
    if (address == kFullSpeedAddress && GaugeFullSpeed != BackupImage[kFullSpeedAddress]) {
        GaugeFullSpeed = BackupImage[kFullSpeedAddress];
        emit gaugeFullSpeedChanged(GaugeFullSpeed);
    }

    const bool fileMenu = BackupImage[kAccessLevelAddress] == kFullAccess;
    if (FileMenuVisible != fileMenu) {
        FileMenuVisible = fileMenu;
        emit fileMenuVisibilityChanged(fileMenu);
    }

    if (BackupDescending) {
        if (BackupExpectedAddress == 0) BackupExpectedAddress = 256;
        --BackupExpectedAddress;
    } else {
        ++BackupExpectedAddress;
        if (BackupExpectedAddress == 256) BackupExpectedAddress = 0;
    }
    if (BackupExpectedAddress == address) {
        BackupByteCount = std::min(BackupByteCount + 1, kBackupCountLimit);
    } else {
        // The direction is found by trial: a break flips it and the count starts again.
        BackupDescending = !BackupDescending;
        BackupByteCount = 0;
        BackupExpectedAddress = address;
    }
    UpdateBackupProgress();

    if (!Mode0Sent) {
        Mode0();
        Mode0Sent = true;
    }
    if (r[kNotFoundMarker] == 255) ReportText = NotFoundText();
    DecodeTelemetry();
    emit liveValuesChanged();
    emit dispatched();
}

QString Link::TerminalLine(int line) const {
    QString text = QString::fromLatin1(ReportText.data() + line * 16, 16);
    text.replace(QChar(0), QChar(' '));
    return text;
}

void Link::UpdateBackupProgress() {
    // 255 bytes read 100% with the blank of a number, a complete image without it.
    const int percent = BackupByteCount < 256 ? BackupByteCount * 100 / 255 : 1000;
    if (percent == shownBackupPercent_) return;
    shownBackupPercent_ = percent;
    // The number is written with a leading blank below 100% and without one at 100%.
    BackupProgressText = BackupByteCount < 256 ? QStringLiteral("Data Backup=  %1%").arg(percent)
                                               : QStringLiteral("Data Backup= 100%");
    emit backupProgressChanged(BackupProgressText);
}

void Link::DecodeTelemetry() {
    const std::string& t = ReportText;
    // Computed in double and stored in single precision, as the values are kept.
    EngineSpeed = static_cast<float>((At(t, 48) * 256 + At(t, 47)) / 10.0);
    Pressure = static_cast<float>(At(t, 42) * PressureFactor);
    Egt = static_cast<float>(At(t, 44) * 4);
    BatteryCurrent = static_cast<int16_t>(At(t, 36));
    BatteryVoltage = static_cast<float>(At(t, 45) * 6 / 100.0);
    StickPosition = Percent(At(t, 43));
    PumpPower = Percent(At(t, 41));
    PressureRaw = static_cast<int16_t>(At(t, 42));
    ReceiverPulse = static_cast<float>(At(t, 40) * 256 + At(t, 39));
    ReplyAddress = static_cast<float>(At(t, 34));
    ReplyValue = static_cast<float>(At(t, 33));
}

}  // namespace norva
