#pragma once
// The library of downloads: every export is also kept in the user's data folder, named with
// its moment (and the unit's serial number when the export holds it), so the time chart can
// offer the recent ones.

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace norva {

// norva/runlogs under the user's data folder.
QString DefaultLibraryFolder();

// "2026-12-06_23-59-12.txt", or "2026-12-06_23-59-12_serial-1000.txt".
QString KeptName(const QDateTime& moment, std::optional<int> serial);

// Writes the export's lines into the folder under `name`, or under "name-2" and so on when
// that is taken. The kept path, or empty with "PATH: why" in error.
QString KeepDownload(const QString& folder, const QString& name,
                     const std::vector<std::string>& lines, std::string& error);

struct KeptDownload {
    QString path;
    QString title;  // "2026-12-06 23:59:12  serial 1000"
    QDateTime moment;
};
// The kept downloads, newest first, at most `limit`.
std::vector<KeptDownload> KeptDownloads(const QString& folder, int limit = 20);

// Removes the kept downloads made before `before`, and those `removable` says may go (the
// logbook holds them and can make them again). How many of each went, and their bytes.
struct PruneResult {
    int old = 0;
    int held = 0;
    qint64 bytes = 0;
};
PruneResult PruneKept(const QString& folder, const QDateTime& before,
                      const std::function<bool(const QString& path)>& removable = {});

}  // namespace norva
