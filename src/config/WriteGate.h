#pragma once
// The one gate every write of the unit's configuration goes through, from the windows and the
// command line alike. A writer only builds its WritePlan; Write() then
//   1. AwaitImage: waits for the unit's complete configuration;
//   2. refuses an engine that turns, and a replay;
//   3. lists the changes, old -> new, and asks (a dry run only lists);
//   4. BackUpBeforeWriting: keeps the configuration as it was, read back before a byte goes out;
//   5. sends the plan's reports at its pace, with a WriteCheck watching the stream;
//   6. Confirm: every written cell must come back from the unit with the value sent.
// The unit is the judge of a write, not the socket that took the reports.

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "base/Task.h"
#include "config/SafetyBackup.h"
#include "ops/OperationTools.h"
#include "protocol/Frames.h"

namespace norva {

// What a write is told by its caller.
struct WriteOptions {
    QString backupFolder = DefaultBackupFolder();
    bool backup = true;         // false: --no-backup
    bool dryRun = false;        // --dry-run: the changes are shown and nothing is sent
    bool withCounters = false;  // --with-counters: a clone file's engine counters written too
};

// One output report of a write: its command slots from slot `firstSlot`, the mode pair, and
// the unit's time before it goes out.
struct PlannedReport {
    std::vector<SlotBytes> commands;
    int reportsBefore = 0;  // the unit's reports awaited first
    bool keep = false;      // the rest of the buffer goes out as the previous report left it
    ModePair mode = kNoModeChange;
    int firstSlot = 0;
    QString progress;         // shown as it goes out, when not empty
    bool passBefore = false;  // one pass of the event loop first, no report awaited
};

// What a writer asks of the gate.
struct WritePlan {
    QString doing;  // "writing the ramps": what was under way, when it stopped
    QString what;   // "the ramp write": what is confirmed
    QString file;   // the file the values come from, for the engine's journal
    QString progress = QCoreApplication::translate("norva::WriteGate", "Programming the NORVA");
    bool percent = false;       // the share sent shown after the progress text
    QString question;           // asked instead of "Write these N changes?"
    bool restartImage = false;  // the image is assembled afresh once everything went out
    std::vector<PlannedReport> reports;
    // A larger write the preview offers unticked (a clone file's counters as well), sent
    // instead of `reports` when chosen there or by `WriteOptions::withCounters`.
    QString option;
    std::vector<PlannedReport> optionReports;
};

// The unit's configuration as a write finds it. Taken before the write's own questions to
// the unit break the stream (the image is complete again only a turn later).
struct UnitImage {
    std::array<uint8_t, 256> image{};
    bool downward = false;
};
std::optional<UnitImage> CompleteImage(const Link& link);

// Reports the image may take to arrive: three turns of the stream, however fast it runs.
constexpr int kImageWaitReports = 3 * 256;

// The unit's complete image; while it still arrives the progress shows "Reading the unit's
// configuration N%" and Escape cancels. Nothing, after saying why (lost, cancelled, or the
// stream never completed), when the wait ended otherwise: the write is then Stopped.
Task<std::optional<UnitImage>> AwaitImage(Services s, QString doing);

// Saves the backup unless --no-backup said otherwise, and says where (without waiting for the
// user). False, after saying why, when it could not be saved: nothing is to be written then.
Task<bool> BackUpBeforeWriting(Services s, WriteOptions options, UnitImage unit);

// One cell a write sends.
struct CellWrite {
    int address;
    uint8_t value;
};
// The cells of the command slots the unit takes, each once.
std::vector<CellWrite> CellsOf(std::span<const SlotBytes> commands);

// Watches the unit's stream while a write goes out and after: a cell is confirmed when the
// latest value the unit streams for it is the one sent. Cells the unit keeps as no
// configuration (the key and read functions, the test cells) are not watched.
class WriteCheck : public QObject {
  public:
    WriteCheck(Link& link, const std::vector<CellWrite>& cells);

    int total() const { return static_cast<int>(cells_.size()); }
    int confirmed() const;
    bool complete() const { return confirmed() == total(); }
    // "6 of 32 values confirmed by the unit"
    QString confirmedText() const;
    // "address 60 holds 3 (4 was sent)", "address 61 did not come back", at most `most`.
    QStringList differences(int most = 10) const;

  private:
    void look();

    struct Watched {
        int address;
        uint8_t sent;
        int seen = -1;  // the latest value streamed, -1 before any
    };
    Link& link_;
    double since_;  // reports the unit made up to then are no confirmation
    std::vector<Watched> cells_;
};

// "4 of 6 reports were sent, 6 of 32 values confirmed by the unit": how far a stopped write got.
QString SentAndConfirmed(int sent, int total, const WriteCheck& check);

// After the last report: waits until the stream has brought every written cell back (at most
// a turn of it) and says "Written and confirmed by the unit: N values", or names the cells that
// differ (Refused), or says the write was not confirmed (lost, cancelled: Stopped). `check`
// lives in the calling operation's frame, which awaits this to its end.
// A confirmed write is noted in the journal with `file`, the file it came from (if any).
Task<OpStatus> Confirm(Services s, const WriteCheck& check, QString doing, QString file = {});

// The only sender of configuration cells. Done once the unit confirmed every cell (or already
// held them, or a dry run listed them); Abandoned on No; Refused on a turning engine, a replay,
// or a cell the unit does not hold as sent; BadInput when the backup could not be kept;
// Stopped when the unit was lost or the user cancelled. `unit` is the image the caller awaited
// (with AwaitImage) when it needed it for its own questions.
Task<OpStatus> Write(Services s, WritePlan plan, WriteOptions options,
                     std::optional<UnitImage> unit = std::nullopt);

}  // namespace norva
