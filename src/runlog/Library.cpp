#include "runlog/Library.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "base/NumberedLines.h"

namespace norva {

namespace {
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
        error = folder.toStdString() + ": cannot make the folder";
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
    std::vector<KeptDownload> kept;
    const auto files = QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QFileInfo& file : files) {
        const auto match = kName.match(file.fileName());
        // Files put there by hand are offered too, by their time of writing.
        QDateTime moment = match.hasMatch()
                               ? QDateTime::fromString(match.captured(1), kMomentFormat)
                               : file.lastModified();
        if (!moment.isValid()) moment = file.lastModified();
        QString title = match.hasMatch() ? moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                         : file.completeBaseName();
        if (!match.captured(2).isEmpty())
            title += QStringLiteral("  serial %1").arg(match.captured(2));
        kept.push_back({file.filePath(), title, moment});
    }
    std::sort(kept.begin(), kept.end(), [](const KeptDownload& a, const KeptDownload& b) {
        return a.moment != b.moment ? a.moment > b.moment : a.path > b.path;
    });
    if (kept.size() > static_cast<size_t>(limit)) kept.resize(static_cast<size_t>(limit));
    return kept;
}

}  // namespace norva
