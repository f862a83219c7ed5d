#pragma once
// Before a write of many cells, the unit's configuration as it was is kept as a clone file in
// the user's data folder, so that a bad write can always be undone. The newest 50 are kept.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Task.h"
#include "ops/Operation.h"

namespace norva {

constexpr int kBackupsKept = 50;

// norva/backups under the user's data folder (~/.local/share on Linux).
QString DefaultBackupFolder();

// What an operation that writes many cells is told about the backup.
struct WriteOptions {
    QString backupFolder = DefaultBackupFolder();
    bool backup = true;   // false: --no-backup
    bool dryRun = false;  // --dry-run: the changes are shown and nothing is sent
};

// Writes the image as "2026-12-06_21-30-05_sn1000.nvc" (the serial number cells of a downward
// unit; an upward unit has none) and removes all but the newest kBackupsKept. The path, or
// nothing with "PATH: why" in error.
std::optional<QString> SaveSafetyBackup(std::span<const uint8_t> image, bool descending,
                                        const QString& folder, const QDateTime& when,
                                        std::string& error);

// The unit's configuration as an operation finds it when it starts: the image when it is
// complete. Taken then, because the operation's own questions to the unit break the stream
// and the image is only complete again 256 reports later.
struct UnitImage {
    std::array<uint8_t, 256> image{};
    bool descending = false;
};
std::optional<UnitImage> CompleteImage(const Link& link);

// Before a write: saves the backup when one is wanted and there is an image, and says where
// (without waiting for the user). False, after saying why, when it could not be saved: nothing
// is to be written then.
Task<bool> BackUpBeforeWriting(Services s, WriteOptions options, std::optional<UnitImage> unit);

// Before a write, when the unit's image is known: the changes it would make at `addresses`,
// shown and asked for ("Write these N changes?"). Nothing to change, a dry run, or No end the
// operation with the status given; nothing means go on and write.
Task<std::optional<OpStatus>> PreviewChanges(Services s, WriteOptions options,
                                             const std::optional<UnitImage>& unit,
                                             std::span<const uint8_t> after,
                                             std::vector<int> addresses);

}  // namespace norva
