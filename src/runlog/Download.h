#pragma once
// The run-log download: the start frame, 1041 reports of 32 bytes taken while the link is in
// download mode, then back to normal mode, the conversion and the export to a file asked for.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "base/Task.h"
#include "ops/OperationTools.h"
#include "runlog/Library.h"

namespace norva {

// The working files ("bufer.buf", the raw log; "bufer1.buf", the decoded lines) live here:
// norva/runlog under the user's cache folder.
QString DefaultWorkFolder();

struct DownloadOptions {
    // "Download measures and configuration": refused until the image is complete, so the
    // export has its trailer.
    bool needsImage = false;
    QString workFolder = DefaultWorkFolder();
    // Where every export is also kept, for the time chart's recent downloads.
    QString libraryFolder = DefaultLibraryFolder();
    // Told the share received (0..100) and the seconds left, as the reports come in.
    std::function<void(int percent, int secondsLeft)> received;
    // Told every download once it is kept (the engine logbook takes it), with the image the
    // program holds (nothing while incomplete) and the way the unit streams it.
    std::function<Task<>(Services s, QString kept, std::optional<std::array<uint8_t, 257>> image,
                         bool descending)>
        kept;
    // Told the exported file's path.
    std::function<void(const QString& path)> exported;
};

// Done once exported; Abandoned when the user cancelled the save; Stopped (with a message)
// when the unit was lost or fell silent, the user cancelled, or the log was not in its layout
// ("error").
Task<OpStatus> DownloadRunLog(Services s, DownloadOptions options);

}  // namespace norva
