#include "config/SafetyBackup.h"

#include <QCoreApplication>

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "base/NumberedLines.h"
#include "config/CloneImage.h"
#include "protocol/AddressMap.h"

namespace norva {

QString DefaultBackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("norva/backups"));
}

std::optional<QString> SaveSafetyBackup(std::span<const uint8_t> image, bool downward,
                                        const QString& folder, const QDateTime& when,
                                        std::string& error) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = folder.toStdString() + ": " +
                QCoreApplication::translate("Files", "the folder cannot be made").toStdString();
        return std::nullopt;
    }
    QString name = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    if (downward)
        name +=
            QStringLiteral("_sn%1").arg(image[cell::kSerialHigh] * 256 + image[cell::kSerialLow]);
    // Two backups in one second keep each other.
    QString path = dir.filePath(name + QStringLiteral(".nvc"));
    for (int n = 2; QFile::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1_%2.nvc").arg(name).arg(n));
    if (!WriteLines(path, params::CloneLines(image), error)) return std::nullopt;

    // Names start with the time, so the oldest sort first.
    const QStringList all = dir.entryList({QStringLiteral("*.nvc")}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + kBackupsKept < all.size(); ++i) dir.remove(all[i]);
    return path;
}

}  // namespace norva
