#include "runlog/Library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <limits>

#include "base/NumberedLines.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::Library)
};

const QString kMomentFormat = QStringLiteral("yyyy-MM-dd_hh-mm-ss");
}  // namespace

QString DefaultLibraryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("norva/runlogs"));
}

QString KeptName(const QDateTime& moment, std::optional<int> serial) {
    QString name = moment.toString(kMomentFormat);
    if (serial) name += QStringLiteral("_serial-%1").arg(*serial);
    return name + QStringLiteral(".txt");
}

QString KeepDownload(const QString& folder, const QString& name,
                     const std::vector<std::string>& lines, std::string& error) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = Texts::tr("%1: cannot make the folder").arg(folder).toStdString();
        return {};
    }
    // Two downloads in one second keep both.
    const QFileInfo info(name);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(
            QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    if (!WriteLines(path, lines, error)) return {};
    return path;
}

std::vector<KeptDownload> KeptDownloads(const QString& folder, int limit) {
    static const QRegularExpression kName(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)(?:_serial-(\\d+))?"));
    // Names only: a kept name begins with its moment, so the newest are found without asking
    // the file system about every file of a year's downloads. Only files put there by hand are
    // looked at, for their time of writing.
    const QDir dir(folder);
    std::vector<KeptDownload> kept;
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const auto match = kName.match(name);
        const QString path = dir.filePath(name);
        QDateTime moment = match.hasMatch()
                               ? QDateTime::fromString(match.captured(1), kMomentFormat)
                               : QDateTime();
        if (!moment.isValid()) moment = QFileInfo(path).lastModified();
        QString title = match.hasMatch() ? moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                         : QFileInfo(name).completeBaseName();
        if (!match.captured(2).isEmpty())
            title += QStringLiteral("  serial %1").arg(match.captured(2));
        kept.push_back({path, title, moment});
    }
    const auto newer = [](const KeptDownload& a, const KeptDownload& b) {
        return a.moment != b.moment ? a.moment > b.moment : a.path > b.path;
    };
    const size_t n = std::min(kept.size(), static_cast<size_t>(std::max(limit, 0)));
    std::partial_sort(kept.begin(), kept.begin() + std::ptrdiff_t(n), kept.end(), newer);
    kept.resize(n);
    return kept;
}

PruneResult PruneKept(const QString& folder, const QDateTime& before,
                      const std::function<bool(const QString& path)>& removable) {
    PruneResult result;
    for (const KeptDownload& k : KeptDownloads(folder, std::numeric_limits<int>::max())) {
        const bool old = k.moment < before;
        if (!old && !(removable && removable(k.path))) continue;
        const qint64 size = QFileInfo(k.path).size();
        if (!QFile::remove(k.path)) continue;
        ++(old ? result.old : result.held);
        result.bytes += size;
    }
    return result;
}

}  // namespace norva
