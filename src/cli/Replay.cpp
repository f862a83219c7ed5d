#include "cli/Replay.h"

#include <QCoreApplication>
#include <algorithm>

#include "protocol/AddressMap.h"
#include "runlog/Runs.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::Replay)
};
}  // namespace

std::shared_ptr<const ReplayRecording> ReadReplay(const std::string& path, std::string& error) {
    const auto file = ReadRunLogExport(path, error);
    if (!file) return nullptr;
    // Nothing to play would be a unit that never comes.
    if (file->lines.empty()) {
        error = Texts::tr("%1: the export holds no samples to replay")
                    .arg(QString::fromStdString(path))
                    .toStdString();
        return nullptr;
    }
    auto recording = std::make_shared<ReplayRecording>();
    recording->file = path;
    recording->samples.reserve(file->lines.size());
    int maxRpm = 0;
    for (const RunLogLine& line : file->lines) {
        // A sample the unit never wrote (its bytes read 255) shows the engine at rest.
        if (line.rpm >= kNoDataRpm)
            recording->samples.push_back({line.cycle, 0, 0, 0, 0});
        else
            recording->samples.push_back(
                {line.cycle, line.temp, line.rpm, line.throttle, line.pump});
        if (line.rpm < kNoDataRpm) maxRpm = std::max(maxRpm, line.rpm);
    }
    // The trailer's cells as the unit held them. Cells it does not list (all of them without a
    // trailer; above 15 when the unit did not give full access) read 0, but for the full speed:
    // without it the speed dial's scale is the recording's largest speed rounded up to ten
    // thousand RPM, so that every sample stays on the dial.
    for (size_t c = 0; c < file->cells.size(); ++c)
        recording->image[c] = file->cells[c].value_or(0);
    if (!file->cells[cell::kFullSpeed])
        recording->image[cell::kFullSpeed] =
            static_cast<uint8_t>(std::clamp((maxRpm + 9999) / 10000 * 10, 10, 250));
    return recording;
}

}  // namespace norva
