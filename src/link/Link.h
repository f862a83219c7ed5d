#pragma once
// The one object that talks to the unit. It holds the unit state every window reads, under the
// names the rest of the program uses, builds and sends the command frames, keeps the HID
// session, polls and dispatches the input reports, and lets operations wait for the unit. No
// globals: a test builds as many as it likes.

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <coroutine>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "base/Task.h"
#include "link/RunningOperation.h"
#include "link/UnitValue.h"
#include "link/hid/HidBackend.h"
#include "protocol/Frames.h"

namespace norva {

class Link;

// How a wait ended. Anything but Done means the operation must stop there and say how far it
// got.
struct [[nodiscard]] Outcome {
    enum Kind {
        Done,
        UnitLost,   // the unit went away (or another one came) before the wait was over
        Cancelled,  // the user cancelled the operation
        NoAnswer,   // the reports a wait allowed came and went without what it waited for
    };
    Kind kind = Done;
    explicit operator bool() const { return kind == Done; }
    bool operator==(const Outcome&) const = default;
};

// A coroutine suspended in one of the link's waits. It lives in the coroutine frame, so
// destroying the task removes it from the link. Waits end inside the poll but are resumed only
// after it, from the event loop.
class LinkWait {
  public:
    LinkWait(const LinkWait&) = delete;
    LinkWait& operator=(const LinkWait&) = delete;
    ~LinkWait();

    bool await_ready();
    void await_suspend(std::coroutine_handle<> handle);
    Outcome await_resume() const { return {ended_}; }

  private:
    friend class Link;
    enum class Kind { Reports, Until, Download, Yield };
    LinkWait(Link& link, Kind kind, int64_t count, std::function<bool()> predicate = {});

    Link& link_;
    Kind kind_;
    int64_t count_;  // reports still to come; for Download the byte count to reach
    int64_t asked_;  // the count it was made with: with the interval, its shortest length
    std::function<bool()> predicate_;
    double sinceMs_ = 0;   // when it began: only reports the unit made later count
    uint64_t connection_;  // the connection it must end on
    Outcome::Kind ended_ = Outcome::Done;
    uint64_t endSerial_ = 0;  // 0 while it still waits
    std::coroutine_handle<> handle_;
    bool registered_ = false;
};

// What the connection label says.
enum class LinkState { NotConnected, Disconnected, Connected, Downloading };

// The mode pair of an output report (bytes 30 and 31).
struct ModePair {
    uint8_t byte = 0;
    uint8_t value = 0;
};
constexpr ModePair kNoModeChange{0, 0};
constexpr ModePair kNormalMode{kModeOperating, kOperatingNormal};
constexpr ModePair kDownloadMode{kModeOperating, kOperatingDownload};

class Link : public QObject {
    Q_OBJECT
  public:
    static constexpr int kReportTextLength = 62;
    static constexpr int kBackupCountLimit = 1000;
    // BackupByteCount from which the image counts as complete for files, ramps and texts.
    static constexpr int kImageComplete = 255;
    static constexpr int kDesignPollMs = 200;
    static constexpr int kPollMs = 15;
    // While an operation waits for the unit the poll looks every millisecond, so the time an
    // operation takes is the unit's, not the poll's.
    static constexpr int kWaitPollMs = 1;
    // A burst larger than this waits for the next tick rather than starving the window.
    static constexpr int kMaxReportsPerTick = 512;
    // The report interval reports read together are dated back by until the unit's own is
    // measured: the design's, longer than a fast unit's.
    static constexpr double kUnmeasuredIntervalMs = kPollMs;
    // A download that brings nothing but normal reports this long is asked for again, and
    // after twice this long it ends.
    static constexpr int kDownloadSignMs = 1000;
    // The interval is measured over about this many reports, once at least the second count
    // have come after the first read.
    static constexpr int kIntervalReports = 256;
    static constexpr int kIntervalLeastReports = 8;

    explicit Link(HidBackend& backend, MsClock clock = SteadyMs, QObject* parent = nullptr);
    ~Link() override;

    // ---- Command frames
    UnitValue<std::array<uint8_t, kReportLength>> OutputReportData;
    UnitValue<std::string> PendingCommand{std::string(kSlotSize, '\0')};  // one prepared slot

    void Mode0();
    // Normal mode now, or as soon as the unit is connected again: a download that ended early
    // must not leave the unit sending its log.
    void Mode0WhenBack();
    // Sends PendingCommand alone, as slot 0 of a cleared report with no mode change.
    void Transmet();
    // Prepares `command` as PendingCommand and sends it; false when nothing went out.
    bool Transmet(const SlotBytes& command);
    // One report: a cleared buffer, the command slots from slot `first` upwards, the mode pair.
    // False when nothing went out: no unit, or an operation still runs that began on an earlier
    // connection.
    bool send(std::span<const SlotBytes> commands, ModePair mode = kNoModeChange, int first = 0);
    bool send(std::initializer_list<SlotBytes> commands, ModePair mode = kNoModeChange,
              int first = 0) {
        return send(std::span(commands.begin(), commands.size()), mode, first);
    }
    // The same without clearing: the buffer's other bytes (the mode pair among them) go out as
    // the previous report left them.
    bool sendKeeping(std::span<const SlotBytes> commands, int first = 0);
    void PressKey(TerminalKey key);  // one terminal key frame
    void SetUsbPower(bool on);       // the "Norva Power from USB" check box

    // ---- HID session
    UnitValue<bool> DeviceDetected{false};
    UnitValue<HidHandle> HIDHandle{kInvalidHandle};
    UnitValue<HidHandle> ReadHandle{kInvalidHandle};
    UnitValue<int> InputReportByteLength{0};
    UnitValue<int> OutputReportByteLength{0};
    UnitValue<std::string> DevicePath;
    // Counts the connections made: an operation stays with the one it began on.
    UnitValue<uint64_t> ConnectionNumber{0};
    UnitValue<LinkState> State{LinkState::NotConnected};

    bool FindTheHid();
    void ReadDeviceCapabilities();
    void PollDevice();
    void CloseDeviceHandles();
    // Quitting: the running operation ends, the poll stops, the handles close.
    void stop();
    // Reaches the unit another way from now on (a replay, and back): the handles on the old
    // backend are closed and its operation ends as if the unit were lost, before the caller may
    // delete it; the new unit's configuration is assembled afresh.
    void setBackend(HidBackend& backend);

    // ---- Dispatch
    UnitValue<std::string> ReportText;
    // A normal report came since the last wait for reports began (only the link sets it).
    bool inputReportReceived() const { return InputReportReceived; }
    UnitValue<std::array<uint8_t, 257>> BackupImage;
    UnitValue<int> BackupExpectedAddress{0};
    UnitValue<bool> BackupDownward{false};
    UnitValue<int> BackupByteCount{0};
    UnitValue<float> ReplyAddress{0};
    UnitValue<float> ReplyValue{0};
    UnitValue<float> EngineSpeed{0};  // thousands of RPM
    UnitValue<float> Egt{0};          // degrees C
    UnitValue<float> BatteryVoltage{0};
    UnitValue<int16_t> BatteryCurrent{0};  // tenths of an ampere
    UnitValue<int16_t> StickPosition{0};   // percent
    UnitValue<float> PumpPower{0};         // percent
    UnitValue<float> Pressure{0};
    UnitValue<int16_t> PressureRaw{0};
    UnitValue<float> ReceiverPulse{0};
    UnitValue<float> GaugeFullSpeed{
        250.0f};  // the speed dial's full scale until image byte 51 arrives
    UnitValue<bool> Mode0Sent{false};
    UnitValue<double> PressureFactor{0.009};  // from the configuration file
    // The run log: while DownloadActive is 1 every report brings 32 bytes of it.
    UnitValue<float> DownloadActive{0.0f};
    UnitValue<int64_t> DownloadByteCount{0};
    UnitValue<std::vector<uint8_t>> DownloadData;

    // The run log's download, begun right after its request went out: from beginDownload() every
    // download-mode report brings 32 bytes of it, until endDownload(), which sends normal mode
    // and drops what the unit still sends of its log. Normal reports the unit made before it
    // took the request are dispatched as such, whatever their number. The guard ends it however
    // the download's operation ends.
    class DownloadGuard {
      public:
        explicit DownloadGuard(Link& link) : link_(&link) {}
        DownloadGuard(DownloadGuard&& other) noexcept
            : link_(std::exchange(other.link_, nullptr)) {}
        DownloadGuard(const DownloadGuard&) = delete;
        DownloadGuard& operator=(const DownloadGuard&) = delete;
        ~DownloadGuard() {
            if (link_) link_->endDownload();
        }

      private:
        Link* link_;
    };
    [[nodiscard]] DownloadGuard beginDownload();
    void endDownload();
    // The request went out again: the log starts afresh from the unit's next download-mode
    // report.
    void restartDownload();
    // The image is assembled afresh from the next report (after a write that changed many
    // cells, so that nothing counts as complete before the unit has streamed them again).
    void restartImage();
    // The settings' pressure factor for the decoded pressure.
    void setPressureFactor(double factor);

    // Terminal line 0 or 1 as shown: 16 characters of ReportText in the unit's character set
    // (Windows-1252), with a NUL shown as a blank.
    QString TerminalLine(int line) const;
    // What the terminal shows without a unit.
    static std::string NotFoundText();

    void ReceiveReport();
    // Routes one report to the download or to the normal dispatch; true for the latter.
    bool Dispatch(std::span<const uint8_t> report);
    void NormalDispatch(std::span<const uint8_t> report);
    void DecodeTelemetry();

    // ---- Poll timer
    void start();  // enables the poll timer at its design interval
    // The poll stops; the unit stays open and its state as it is (a command line that has what
    // it came for, a test that ticks by hand).
    void pausePolling() { Timer3.stop(); }
    const QTimer& pollTimer() const { return Timer3; }
    void PollTick();

    // ---- Waits for operations; each ends early when the unit is lost or the operation is
    // cancelled, and a report of the zero-filled dispatch after a loss never counts.
    // n normal dispatches, InputReportReceived cleared before each, as a sender that waits
    // for reports one by one would.
    [[nodiscard]] LinkWait reports(int n) { return LinkWait(*this, LinkWait::Kind::Reports, n); }
    // Normal dispatches until `done` holds after one of them; NoAnswer after maxReports
    // without.
    [[nodiscard]] LinkWait until(std::function<bool()> done, int maxReports) {
        return LinkWait(*this, LinkWait::Kind::Until, maxReports, std::move(done));
    }
    // Until DownloadByteCount has reached `bytes`; NoAnswer when the unit still sends normal
    // reports kDownloadSignMs after the download began (or was asked for again).
    [[nodiscard]] LinkWait downloaded(int64_t bytes) {
        return LinkWait(*this, LinkWait::Kind::Download, bytes);
    }
    // One pass of the event loop.
    [[nodiscard]] LinkWait yield() { return LinkWait(*this, LinkWait::Kind::Yield, 0); }
    RunningOperation Operation{*this};
    // A wait has ended and its operation is still to be resumed, from the event loop.
    bool resumePending() const { return resumeScheduled_; }

    HidBackend& backend() { return *backend_; }
    int64_t nowMs() const { return clock_(); }

    // ---- When the unit made its reports. The system queues what the unit sends until the
    // program reads it, so a report read after a command may have been made before the unit
    // took it. Reports waiting when a command goes out are dispatched before it; those read in
    // one go are dated back from the moment of reading by the unit's measured interval; waits
    // count only reports made after they began.
    // The unit's mean time between reports over its last few hundred, in milliseconds; nothing
    // until enough have come since the unit was found.
    std::optional<double> MeasuredInterval() const;
    double ReportInterval() const { return MeasuredInterval().value_or(kUnmeasuredIntervalMs); }
    // When the report being dispatched was made, by the link's clock.
    double ReportMadeMs() const { return madeMs_; }

  signals:
    void stateChanged(LinkState state);
    void gaugeFullSpeedChanged(float fullSpeed);  // the speed dial must be rescaled
    void dispatched();                            // after every normal dispatch
    void polled();                                // after every poll tick

  private:
    friend class LinkWait;
    friend class RunningOperation;
    QTimer Timer3;
    bool InputReportReceived = false;
    // The one way a report goes out: cleared or kept, slots from `first`, the mode pair when
    // given. False without a unit.
    bool transmit(std::span<const SlotBytes> commands, std::optional<ModePair> mode, int first,
                  bool clear);
    // The buffer as it is, to the unit: only transmit calls it.
    void WriteReport();
    void OutputReportDataClear();
    bool operationMayReach() const;
    void SetSlot(int slot, const SlotBytes& bytes);
    void SetMode(uint8_t modeByte, uint8_t modeValue);
    void SetState(LinkState state);
    void PacePoll();
    void LostUnit();
    void DispatchZeroFilled();
    // Reads every report waiting and dates it; how many. `failed` when the unit is gone.
    int ReadWaiting(bool& failed);
    // Dispatches what was read, in order; with `untilWaitEnds` it stops at a report that ended
    // a wait, the rest staying for after the operation has gone on.
    void DispatchArrived(bool untilWaitEnds);
    void DrainBeforeSending();
    bool IsLogReport(std::span<const uint8_t> report);
    void CountReport();
    void EndWait(LinkWait* wait, Outcome::Kind how);
    void EndAllWaits(Outcome::Kind how);
    void ResumeEnded();

    HidBackend* backend_;  // never null
    MsClock clock_;
    int64_t lastReportMs_ = 0;
    struct Arrival {
        std::array<uint8_t, kReportLength> bytes;
        double madeMs;
    };
    std::deque<Arrival> arrived_;  // read, not yet dispatched
    // Reads for the interval: when, and how many reports each brought, the newest last.
    std::deque<std::pair<int64_t, int>> readings_;
    int readingsTotal_ = 0;
    double madeMs_ = 0;            // of the report being dispatched
    double lastMadeMs_ = 0;        // of the newest report read: dates never run backwards
    int64_t lastSentMs_ = -1;      // of the last command
    int64_t downloadSinceMs_ = 0;  // the download was asked for (again) at this time
    bool logStarted_ = false;      // a download-mode report has come since
    // After a download the log the unit sent before it took normal mode again is dropped.
    bool afterDownload_ = false;
    int64_t normalModeSentMs_ = -1;
    std::vector<LinkWait*> waits_;
    uint64_t endSerial_ = 0;
    bool resumeScheduled_ = false;
    bool pollCutShort_ = false;           // reports may be waiting behind the one that ended a wait
    bool polling_ = false;                // a tick never runs inside another
    std::set<std::string> skippedPaths_;  // units of other report lengths, already told
    bool stopped_ = false;                // stop() was called: nothing polls until start()
    bool mode0WhenBack_ = false;  // a download ended early: normal mode at the next connection
};

}  // namespace norva
