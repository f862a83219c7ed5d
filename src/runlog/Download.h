#pragma once
// The run-log download: the start frame, the unit's download-mode reports of 32 bytes (1041 at
// least, more until the log's pages have ended), then back to normal mode, the conversion and
// the export to a file asked for. A unit that does not take the request, or whose log does not
// come whole, is asked once more.

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
                         bool downward)>
        kept;
    // Told the exported file's path.
    std::function<void(const QString& path)> exported;
};

// Done once exported; Abandoned when the user cancelled the save; Stopped (with a message)
// when the unit was lost, fell silent or stayed in normal mode, or the user cancelled; Refused
// when the log did not come whole or cannot be read (the message names what is wrong).
Task<OpStatus> DownloadRunLog(Services s, DownloadOptions options);

}  // namespace norva
