#include "mainwin/SafetyBackup.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "base/NumberedLines.h"
#include "compare/ImageDiff.h"
#include "link/Link.h"
#include "params/CloneImage.h"

namespace norva {

namespace {
// Where a downward unit keeps its engine serial number: high byte, low byte.
constexpr int kSerialHigh = 60;
constexpr int kSerialLow = 59;
}  // namespace

QString DefaultBackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("norva/backups"));
}

std::optional<QString> SaveSafetyBackup(std::span<const uint8_t> image, bool descending,
                                        const QString& folder, const QDateTime& when,
                                        std::string& error) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = folder.toStdString() + ": the folder cannot be made";
        return std::nullopt;
    }
    QString name = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    if (descending)
        name += QStringLiteral("_sn%1").arg(image[kSerialHigh] * 256 + image[kSerialLow]);
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

std::optional<UnitImage> CompleteImage(const Link& link) {
    if (link.BackupByteCount < Link::kImageComplete) return std::nullopt;
    UnitImage unit;
    std::copy_n(link.BackupImage.begin(), unit.image.size(), unit.image.begin());
    unit.descending = link.BackupDescending;
    return unit;
}

Task<std::optional<OpStatus>> PreviewChanges(Services s, WriteOptions options,
                                             const std::optional<UnitImage>& unit,
                                             std::span<const uint8_t> after,
                                             std::vector<int> addresses) {
    if (!unit && options.dryRun) {
        co_await s.dialogs.message(QStringLiteral(
            "The unit's configuration is not complete yet: there is nothing to compare with, "
            "and nothing was sent."));
        co_return OpStatus::Stopped;
    }
    if (!unit) co_return std::nullopt;  // nothing to compare with: written as before
    const auto kind = params::KindOf(unit->descending);
    const auto changes = CompareImages(unit->image, after, kind, addresses);
    if (changes.empty()) {
        co_await s.dialogs.message(
            QStringLiteral("The unit already holds these values: nothing was sent."));
        co_return OpStatus::Done;
    }
    QStringList lines;
    for (const Difference& d : changes) lines << QString::fromStdString(DifferenceLine(d));
    const QString question = QStringLiteral("Write these %1 changes?").arg(changes.size());
    if (options.dryRun) {
        co_await s.dialogs.message(
            lines.join('\n') + QStringLiteral("\n") +
            QStringLiteral("%1 changes; nothing was sent (dry run).").arg(changes.size()));
        co_return OpStatus::Done;
    }
    if (!co_await s.dialogs.ask(question, lines.join('\n'))) co_return OpStatus::Abandoned;
    co_return std::nullopt;
}

Task<bool> BackUpBeforeWriting(Services s, WriteOptions options, std::optional<UnitImage> unit) {
    if (!options.backup || !unit) co_return true;
    std::string error;
    const auto path = SaveSafetyBackup(unit->image, unit->descending, options.backupFolder,
                                       QDateTime::currentDateTime(), error);
    if (!path) {
        const QString text = QStringLiteral(
                                 "The unit's configuration could not be backed up "
                                 "before writing (%1); nothing was written.")
                                 .arg(QString::fromStdString(error));
        co_await s.dialogs.message(text, {}, MessageIcon::Warning);
        co_return false;
    }
    s.dialogs.notify(
        QStringLiteral("The unit's configuration before this write is kept in %1").arg(*path));
    co_return true;
}

}  // namespace norva
