#pragma once
// The one object that talks to the unit. It holds the unit state every window reads, under the
// names the rest of the program uses, builds and sends the command frames, keeps the HID
// session, and polls and dispatches the input reports. No globals: a test builds as many as
// it likes.

#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <coroutine>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "link/Frames.h"
#include "link/Task.h"
#include "link/hid/HidBackend.h"

namespace norva {

// The run-log download takes every report while DownloadActive is 1.
class DownloadReceiver {
  public:
    virtual ~DownloadReceiver() = default;
    virtual void downloadStep(std::span<const uint8_t> report) = 0;
};

class Link;

// A coroutine suspended in Link::reports() or Link::yield(). It lives in the coroutine frame,
// so destroying the task removes it from the link.
class LinkWait {
  public:
    LinkWait(const LinkWait&) = delete;
    LinkWait& operator=(const LinkWait&) = delete;
    ~LinkWait();

    bool await_ready() const noexcept { return kind_ == Kind::Reports && remaining_ <= 0; }
    void await_suspend(std::coroutine_handle<> handle);
    void await_resume() const noexcept {}

  private:
    friend class Link;
    enum class Kind { Reports, Yield };
    LinkWait(Link& link, Kind kind, int count) : link_(link), kind_(kind), remaining_(count) {}

    Link& link_;
    Kind kind_;
    int remaining_;           // reports still to come
    uint64_t yieldPass_ = 0;  // the event-loop pass that resumes a yield
    std::coroutine_handle<> handle_;
    bool registered_ = false;
};

class Link : public QObject {
    Q_OBJECT
  public:
    static constexpr int kReportTextLength = 62;
    static constexpr int kBackupCountLimit = 1000;
    static constexpr int kDesignPollMs = 200;
    static constexpr int kPollMs = 15;
    // A burst larger than this waits for the next tick rather than starving the window.
    static constexpr int kMaxReportsPerTick = 512;

    explicit Link(HidBackend& backend, MsClock clock = SteadyMs, QObject* parent = nullptr);
    ~Link() override;

    // ---- Command frames
    std::array<uint8_t, kReportLength> OutputReportData{};
    std::string PendingCommand = std::string(kSlotSize, '\0');  // one prepared slot, 5 bytes

    void OutputReportDataClear();
    void WriteReport();
    void Mode0();
    void Transmet();
    void SetSlot(int slot, const SlotBytes& bytes);
    void SetMode(uint8_t modeByte, uint8_t modeValue);
    void PressKey(TerminalKey key);  // one terminal key frame
    void SetUsbPower(bool on);       // the "Norva Power from USB" check box

    // ---- HID session
    bool DeviceDetected = false;
    HidHandle HIDHandle = kInvalidHandle;
    HidHandle ReadHandle = kInvalidHandle;
    int InputReportByteLength = 0;
    int OutputReportByteLength = 0;
    std::string DevicePath;
    QString ConnectionCaption = QStringLiteral("Not connected");
    QColor ConnectionColour = QColor(255, 0, 0);

    bool FindTheHid();
    void ReadDeviceCapabilities();
    void PollDevice();
    void CloseDeviceHandles();
    void SetConnectionCaption(const QString& caption, const QColor& colour);

    // ---- Dispatch
    std::string ReportText;
    bool InputReportReceived = false;
    std::array<uint8_t, 257> BackupImage{};
    int BackupExpectedAddress = 0;
    bool BackupDescending = false;
    int BackupByteCount = 0;
    float ReplyAddress = 0;
    float ReplyValue = 0;
    float EngineSpeed = 0;  // thousands of RPM
    float Egt = 0;          // degrees C
    float BatteryVoltage = 0;
    int16_t BatteryCurrent = 0;  // tenths of an ampere
    int16_t StickPosition = 0;   // percent
    float PumpPower = 0;         // percent
    float Pressure = 0;
    int16_t PressureRaw = 0;
    float ReceiverPulse = 0;
    float GaugeFullSpeed = 250;  // the speed dial's full scale until image byte 51 arrives
    bool Mode0Sent = false;
    float DownloadActive = 0;
    double PressureFactor = 0.009;         // from the configuration file
    QString BackupProgressText;            // caption of the backup progress label
    std::optional<bool> FileMenuVisible;   // Save and WriteP
    std::optional<bool> AutostartVisible;  // the "&Parameters" menu item

    // Terminal line 0 or 1 as shown: 16 characters of ReportText, read as Latin-1, with a NUL
    // shown as a blank.
    QString TerminalLine(int line) const;

    void ReceiveReport();
    // Routes one report to the download or to the normal dispatch; true for the latter.
    bool Dispatch(std::span<const uint8_t> report);
    void NormalDispatch(std::span<const uint8_t> report);
    void DecodeTelemetry();
    void setDownloadReceiver(DownloadReceiver* receiver) { downloadReceiver_ = receiver; }

    // ---- Poll timer
    QTimer Timer3;
    void start();  // enables the poll timer at its design interval
    void PollTick();

    // ---- Waits for operations
    // Lets n normal dispatches happen, clearing InputReportReceived before each, as a sender
    // that waits for reports one by one would.
    [[nodiscard]] LinkWait reports(int n) { return LinkWait(*this, LinkWait::Kind::Reports, n); }
    // Gives the event loop one pass.
    [[nodiscard]] LinkWait yield() { return LinkWait(*this, LinkWait::Kind::Yield, 0); }
    OperationSlot Operation;

    HidBackend& backend() { return backend_; }
    int64_t nowMs() const { return clock_(); }

  signals:
    void connectionChanged(const QString& caption, const QColor& colour);
    void backupProgressChanged(const QString& text);
    void fileMenuVisibilityChanged(bool visible);
    void autostartVisibilityChanged(bool visible);
    void gaugeFullSpeedChanged(float fullSpeed);  // the speed dial must be rescaled
    void liveValuesChanged();                     // redraw needles, bars, labels, terminal
    void dispatched();                            // after every normal dispatch

  private:
    friend class LinkWait;
    void LostUnit();
    void DispatchZeroFilled();
    void ResumeReportWaits();
    void ResumeYields();
    void UpdateBackupProgress();

    HidBackend& backend_;
    MsClock clock_;
    DownloadReceiver* downloadReceiver_ = nullptr;
    std::vector<uint8_t> readBuffer_;
    int64_t lastReportMs_ = 0;
    int shownBackupPercent_ = -1;
    std::vector<LinkWait*> waits_;
    uint64_t yieldPass_ = 0;
    bool yieldScheduled_ = false;
};

}  // namespace norva
