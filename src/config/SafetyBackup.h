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

namespace norva {

constexpr int kBackupsKept = 50;

// norva/backups under the user's data folder (~/.local/share on Linux).
QString DefaultBackupFolder();

// Writes the image as "2026-12-06_21-30-05_sn1000.nvc" (the serial number cells of a downward
// unit; an upward unit has none) and removes all but the newest kBackupsKept. The path, or
// nothing with "PATH: why" in error.
std::optional<QString> SaveSafetyBackup(std::span<const uint8_t> image, bool downward,
                                        const QString& folder, const QDateTime& when,
                                        std::string& error);

}  // namespace norva
