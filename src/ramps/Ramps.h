#pragma once
// The acceleration and deceleration ramps: eight rows each of the speed up to which a slope
// applies. The editor keeps the 34 values as the texts the user typed (Text1..Text34: the
// rows' speed and slope, acceleration then deceleration, then the full-throttle and idle
// speeds); everything here works on those texts, so the window, the files and the command
// line compute the same.

#include <QPointF>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Task.h"
#include "config/WriteGate.h"
#include "protocol/AddressMap.h"
#include "protocol/Frames.h"

namespace norva {

class Canvas;
class Link;

constexpr int kRampRows = 8;
constexpr int kRampFields = 34;
constexpr int kRampWriteFields = cell::kRampsCount;   // the two ramps; the speeds are never written
constexpr int kFirstRampAddress = cell::kRampsFirst;  // field n is address 143 + n
constexpr int kFullThrottleField = 33;                // 1-based, as the controls are numbered
constexpr int kIdleField = 34;

using RampFields = std::array<QString, kRampFields>;  // index 0 is Text1

// The editor's contents when it opens.
RampFields DefaultRampFields();

// What a field holds, for a message: "Acceleration row 3 slope", "Idle speed".
QString RampFieldName(int field);  // 1-based

// What pinta makes of the fields: row 8's speed forced to 255, the relative speed of every row
// (acceleration rows then deceleration rows) and both ramps as polylines from (0, 0) in chart
// coordinates (x the speed 0..255, y = 32 - slope).
struct RampView {
    RampFields fields;                          // with row 8 at "255"
    std::array<QString, 16> relative;           // plain decimal text
    std::array<std::vector<QPointF>, 2> lines;  // acceleration, deceleration
};
// Nothing when a field it needs is not a number; `bad` then is that field (1-based).
std::optional<RampView> Pinta(RampFields fields, int* bad = nullptr);

// The chart: cleared, 0..255 by 0..32, both polylines with line width 2, red and blue.
void DrawRamps(Canvas& canvas, const RampView& view);

// Fields 1..32 from image bytes 144..175, 33 from byte 51, 34 from byte 50, as decimal text.
RampFields RampFieldsFromImage(const std::array<uint8_t, 257>& image);

// .rmp files: 34 lines, each floor(field), minus sign allowed, values not limited. Nothing,
// with the field named in error, when a field is not a number.
std::optional<std::vector<std::string>> RampFileLines(const RampFields& fields, std::string& error);
// The first 34 values of a file, separated by line ends or commas, as plain decimal text.
// Nothing, with the file and the value's position in error, for a file that cannot be read,
// holds fewer values or a value that is not a number.
std::optional<RampFields> ReadRampFile(const std::string& path, std::string& error);

// What a ramp field goes to the unit as: floored and kept within 1..255 (0 is sent as 1).
// Nothing when the text is not a number.
std::optional<uint8_t> RampSentValue(const QString& text);

// The six reports of a ramp write: each field as RampSentValue sends it. Nothing, with the
// field named in error, when one is not a number.
struct RampReport {
    std::vector<SlotBytes> commands;
    bool waitBefore;  // one input report waited before it
    bool cleared;     // a cleared buffer and normal mode; otherwise bytes 30, 31 are kept
};
std::optional<std::array<RampReport, 6>> RampWritePlan(const RampFields& fields,
                                                       std::string& error);

// "Write to NORVA" through the write gate: the unit's image, the backup, the plan's reports with
// their waits, and the unit's confirmation of every ramp cell. `sent` is told the fields as
// they went to the unit once all six reports are out.
Task<OpStatus> WriteRamps(Services s, RampFields fields, WriteOptions options = {},
                          std::function<void(const RampFields&)> sent = {});

// The command line's "Read NORVA" then "Save File": the complete image's ramps to a file.
Task<OpStatus> SaveRampsFromImage(Services s, QString path);
// ... and "Load File" then "Write to NORVA": the file checked whole, row 8 sent as 255.
Task<OpStatus> WriteRampFile(Services s, QString path, WriteOptions options = {});

// The table as text: the two speeds, then each ramp's rows with relative speed, absolute
// speed and slope.
std::string RampTable(const RampView& view);

}  // namespace norva
