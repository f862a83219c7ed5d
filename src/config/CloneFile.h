#pragma once
// Clone files (.nvc): the whole configuration image from address 16 to 255. "Save all" writes
// the image the program holds; "Write all (clone)" writes a file into a unit, six cells to a
// report. The factory's way of giving one unit another's configuration.

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "base/Task.h"
#include "config/CloneImage.h"
#include "config/WriteGate.h"
#include "ops/OperationTools.h"
#include "protocol/Frames.h"

namespace norva {

// What a clone write leaves for the factory window: the file it wrote, and whether the fast
// setup (writing that file again) is offered.
class CloneHandover : public QObject {
    Q_OBJECT
  public:
    QString path;  // the factory window's file label
    bool fastSetupOffered = false;

    void choose(const QString& file);
    void offerFastSetup();

  signals:
    void changed();
};

// One report of a clone write: its six command slots as they go out (slots it does not fill keep
// what the report before it left), and the address it starts at, for the progress text.
struct CloneReport {
    std::array<SlotBytes, kSlotCount> commands{};
    int firstAddress = 0;
};

// The engine's counters, which a clone write keeps as the unit holds them unless asked: the run
// count, the last run's and the total time (64..69) and, on downward units, the timers 32..43.
std::vector<int> CounterCells(bool downward);
// What a clone write leaves out besides 79, 88 and 255: the key press (112) and the read request
// (113), which are functions of the unit, not cells, and the counters unless `withCounters`.
std::vector<int> CloneLeftOut(bool downward, bool withCounters);
// What the fast setup and the window's question offer for the counters.
QString WriteCountersToo();

// The reports a complete image takes: six cells to a report from address 16, never 79, 88, 255
// nor those `leftOut`; the last report's slots it does not fill repeat the report before (40
// reports when nothing else is left out).
std::vector<CloneReport> ClonePlan(const params::Image& image,
                                   const std::vector<int>& leftOut = {});
// The addresses the plan writes, in order: those whose slots the unit takes (the calibration
// cells, which want their own checksum, are sent but not taken).
std::vector<int> WrittenAddresses(const std::vector<CloneReport>& plan);

// "Save all": the image the program holds (complete, or refused with "Backup data not
// available, please wait") to a file asked for, whole, with the progress text of each cell.
Task<OpStatus> SaveCloneFile(Services s);

// "Compare with file…": the unit's image (complete, or refused as "Save all" refuses) against a
// clone file asked for, one line a differing setting, handed to `show` with the file's path.
Task<OpStatus> CompareWithFile(Services s,
                               std::function<void(const QString&, const QStringList&)> show);

// "Write all (clone)": the file asked for and checked whole, then through the write gate: the
// unit's image, the changes asked for, the backup, the plan's reports (two input reports waited
// before each) and the unit's confirmation. Never 112 or 113, and the counters only when asked
// (`options.withCounters` or the question's check box). The fast setup is offered for the file
// once the unit holds it, also when nothing needed sending.
Task<OpStatus> WriteCloneFile(Services s, CloneHandover& handover, WriteOptions options = {});

}  // namespace norva
