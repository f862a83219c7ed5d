#include "runlog/Download.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

#include "base/NumberedLines.h"
#include "link/Link.h"
#include "runlog/RunLog.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
constexpr uint8_t kDownloadCell = 79;
constexpr uint8_t kDownloadValue = 1;
constexpr int kDownloadSlot = 5;  // the request goes alone in the last slot
// The progress moves every ten reports.
constexpr int64_t kStepBytes = 10 * 32;
constexpr int kSerialHigh = 60;  // the engine serial number's cells
constexpr int kSerialLow = 59;
const QString kFilter = QStringLiteral("Norva Download(*.txt)|*.txt");
}  // namespace

QString DefaultWorkFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("norva/runlog"));
}

Task<OpStatus> DownloadRunLog(Services s, DownloadOptions options) {
    Link& link = s.link;
    if (options.needsImage && link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs,
                                  QStringLiteral("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    link.DownloadData.clear();
    link.DownloadByteCount = 0;
    link.DownloadActive = 1;
    Outcome outcome;
    if (!link.send({CommandSlot(kDownloadCell, kDownloadValue)}, kDownloadMode, kDownloadSlot))
        outcome = Outcome{Outcome::UnitLost};
    {
        ProgressScope shown(s.progress, QStringLiteral("Downloading"));
        const int64_t started = link.nowMs();
        while (outcome && link.DownloadByteCount < kDownloadBytes) {
            const int64_t next =
                std::min<int64_t>(kDownloadBytes, link.DownloadByteCount + kStepBytes);
            outcome = co_await link.downloaded(next);
            const int64_t got = std::min<int64_t>(link.DownloadByteCount, kDownloadBytes);
            const int percent = static_cast<int>(got * 100 / kDownloadBytes);
            // The unit's own pace decides the time left.
            const int left = got > 0 ? static_cast<int>((link.nowMs() - started) *
                                                        (kDownloadBytes - got) / got / 1000)
                                     : 0;
            shown.setPercent(percent);
            if (options.received) options.received(percent, left);
        }
    }
    link.DownloadActive = 0;
    if (!outcome) {
        link.Mode0WhenBack();
        co_return co_await Stop(s.dialogs, outcome, QStringLiteral("downloading"),
                                QStringLiteral("%1 of %2 bytes were received; nothing was exported")
                                    .arg(std::min<int64_t>(link.DownloadByteCount, kDownloadBytes))
                                    .arg(kDownloadBytes));
    }
    link.Mode0();

    const std::vector<uint8_t> raw(link.DownloadData.begin(),
                                   link.DownloadData.begin() + kDownloadBytes);
    std::string error;
    QDir work(options.workFolder);
    if (!work.mkpath(QStringLiteral(".")) ||
        !WriteLines(work.filePath(QStringLiteral("bufer.buf")), RawLogLines(raw), error))
        co_return co_await Refuse(
            s.dialogs,
            QStringLiteral("The run log could not be kept in the working folder: %1")
                .arg(error.empty() ? options.workFolder : QString::fromStdString(error)),
            OpStatus::Stopped);
    const auto lines = ConvertRunLog(raw);
    if (!lines) co_return co_await Refuse(s.dialogs, QStringLiteral("error"), OpStatus::Stopped);
    std::vector<std::string> records;
    for (const RunLogLine& line : *lines) records.push_back(RunLogRecord(line));
    if (!WriteLines(work.filePath(QStringLiteral("bufer1.buf")), records, error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::Stopped);

    const FileRequest request(QString(), kFilter, QStringLiteral("txt"), {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) co_return OpStatus::Abandoned;
    // The trailer holds the image as it is at the moment of the export.
    const bool complete = link.BackupByteCount >= Link::kImageComplete;
    const auto image = link.BackupImage;
    const QDateTime moment = QDateTime::currentDateTime();
    const auto exported = ExportLines(*lines, moment, complete ? &image : nullptr);
    if (!WriteLines(path, exported, error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    link.Mode0();
    // The serial number is named when the trailer lists its cells.
    const auto serial = complete && TrailerLastCell(image) >= kSerialHigh
                            ? std::optional<int>(image[kSerialHigh] * 256 + image[kSerialLow])
                            : std::nullopt;
    if (KeepDownload(options.libraryFolder, KeptName(moment, serial), exported, error).isEmpty())
        s.dialogs.notify(QStringLiteral("The run log was saved to %1, but could not be kept with "
                                        "the recent downloads: %2")
                             .arg(path, QString::fromStdString(error)),
                         {}, MessageIcon::Warning);
    if (options.exported) options.exported(path);
    co_return OpStatus::Done;
}

}  // namespace norva
