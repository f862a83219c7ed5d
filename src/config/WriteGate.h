#pragma once
// The one gate every write of the unit's configuration goes through, from the windows and the
// command line alike:
//   1. AwaitImage: the unit's complete configuration, waited for while it still arrives;
//   2. PreviewChanges: the changes listed and asked for, where the write has a list;
//   3. BackUpBeforeWriting: the configuration as it was kept as a clone file;
//   4. the operation sends, with a WriteCheck watching the stream;
//   5. Confirm: every written cell must come back from the unit with the value sent.
// The unit is the judge of a write, not the socket that took the reports.

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
    bool backup = true;   // false: --no-backup
    bool dryRun = false;  // --dry-run: the changes are shown and nothing is sent
};

// The unit's configuration as a write finds it. Taken before the write's own questions to
// the unit break the stream (the image is complete again only a turn later).
struct UnitImage {
    std::array<uint8_t, 256> image{};
    bool descending = false;
};
std::optional<UnitImage> CompleteImage(const Link& link);

// Reports the image may take to arrive: three turns of the stream, however fast it runs.
constexpr int kImageWaitReports = 3 * 256;

// The unit's complete image; while it still arrives the progress shows "Reading the unit's
// configuration N%" and Escape cancels. Nothing, after saying why (lost, cancelled, or the
// stream never completed), when the wait ended otherwise: the write is then Stopped.
Task<std::optional<UnitImage>> AwaitImage(Services s, QString doing);

// The changes the write would make at `addresses`, shown and asked for ("Write these N
// changes?", "Write this change?"). Nothing to change, a dry run, or No end the operation with
// the status given; nothing means go on and write.
Task<std::optional<OpStatus>> PreviewChanges(Services s, WriteOptions options, UnitImage unit,
                                             std::array<uint8_t, 256> after,
                                             std::vector<int> addresses);

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

}  // namespace norva
