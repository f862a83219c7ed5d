#include "runlog/Download.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>

#include "base/NumberedLines.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "runlog/RunLog.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
constexpr uint8_t kDownloadValue = 1;
constexpr int kDownloadSlot = 5;  // the request goes alone in the last slot
// The progress moves every ten reports.
constexpr int64_t kStepBytes = 10 * 32;
const QString kFilter = QStringLiteral("Norva Download(*.txt)|*.txt");
}  // namespace

QString DefaultWorkFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("norva/runlog"));
}

namespace {
// The raw log as it arrives: bufer.buf, one byte a line, from the download's first byte on.
class RawLogFile {
  public:
    explicit RawLogFile(const QString& path) : file_(path) {}
    bool open() { return file_.open(QIODevice::WriteOnly | QIODevice::Truncate); }
    // The bytes not yet written; a failed write is not the download's end (the bytes are in
    // memory), so it is only remembered.
    void append(const std::vector<uint8_t>& data) {
        std::string text;
        for (; written_ < data.size(); ++written_)
            text += " " + std::to_string(data[written_]) + " \r\n";
        if (file_.write(text.data(), qint64(text.size())) != qint64(text.size())) failed_ = true;
        file_.flush();
    }
    bool failed() const { return failed_; }

  private:
    QFile file_;
    size_t written_ = 0;
    bool failed_ = false;
};
}  // namespace

Task<OpStatus> DownloadRunLog(Services s, DownloadOptions options) {
    Link& link = s.link;
    if (options.needsImage && link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs,
                                  QStringLiteral("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    // Both working files are this download's from its start: whoever salvages a download that
    // stopped finds its own bytes, never the previous one's.
    QDir work(options.workFolder);
    RawLogFile rawFile(work.filePath(QStringLiteral("bufer.buf")));
    QFile decodedFile(work.filePath(QStringLiteral("bufer1.buf")));
    if (!work.mkpath(QStringLiteral(".")) || !rawFile.open() ||
        !decodedFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        co_return co_await Refuse(
            s.dialogs,
            QStringLiteral("The run log cannot be kept in the working folder %1; nothing was sent.")
                .arg(options.workFolder),
            OpStatus::Stopped);
    decodedFile.close();
    Outcome outcome;
    std::optional<Link::DownloadGuard> downloading(link.beginDownload());
    if (!link.send({CommandSlot(cell::kDownloadRequest, kDownloadValue)}, kDownloadMode,
                   kDownloadSlot))
        outcome = Outcome{Outcome::UnitLost};
    {
        ProgressScope shown(s.progress, QStringLiteral("Downloading"));
        const int64_t started = link.nowMs();
        while (outcome && link.DownloadByteCount < kDownloadBytes) {
            const int64_t next =
                std::min<int64_t>(kDownloadBytes, link.DownloadByteCount + kStepBytes);
            outcome = co_await link.downloaded(next);
            rawFile.append(link.DownloadData);
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
    downloading.reset();  // normal dispatch again
    if (!outcome) {
        link.Mode0WhenBack();
        co_return co_await Stop(s.dialogs, outcome, QStringLiteral("downloading"),
                                QStringLiteral("%1 of %2 bytes were received; nothing was exported")
                                    .arg(std::min<int64_t>(link.DownloadByteCount, kDownloadBytes))
                                    .arg(kDownloadBytes));
    }
    link.Mode0();

    // Every byte the reports brought is converted: a long preamble may put the end of the
    // pages in the last report's bytes.
    const std::vector<uint8_t> raw = link.DownloadData;
    if (rawFile.failed())
        s.dialogs.notify(QStringLiteral("The raw run log could not be kept in %1.")
                             .arg(work.filePath(QStringLiteral("bufer.buf"))),
                         {}, MessageIcon::Warning);
    const auto lines = ConvertRunLog(raw);
    if (!lines) co_return co_await Refuse(s.dialogs, QStringLiteral("error"), OpStatus::Stopped);
    std::vector<std::string> records;
    std::string error;
    for (const RunLogLine& line : *lines) records.push_back(RunLogRecord(line));
    if (!WriteLines(decodedFile.fileName(), records, error))
        s.dialogs.notify(QString::fromStdString(error), {}, MessageIcon::Warning);

    // The trailer holds the image as it is at the end of the download.
    const bool complete = link.BackupByteCount >= Link::kImageComplete;
    const auto image = link.BackupImage.get();
    const QDateTime moment = QDateTime::currentDateTime();
    const auto exported = ExportLines(*lines, moment, complete ? &image : nullptr);
    // Kept with the recent downloads before anything can go wrong with the user's file.
    // The serial number is named when the trailer lists its cells.
    const auto serial =
        complete && TrailerLastCell(image) >= cell::kSerialHigh
            ? std::optional<int>(image[cell::kSerialHigh] * 256 + image[cell::kSerialLow])
            : std::nullopt;
    const QString kept =
        KeepDownload(options.libraryFolder, KeptName(moment, serial), exported, error);
    if (kept.isEmpty())
        s.dialogs.notify(QStringLiteral("The download could not be kept with the recent "
                                        "downloads: %1")
                             .arg(QString::fromStdString(error)),
                         {}, MessageIcon::Warning);
    else if (options.kept)
        co_await options.kept(s, kept, complete ? std::optional(image) : std::nullopt,
                              link.BackupDescending);

    const FileRequest request(QString(), kFilter, QStringLiteral("txt"), {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) {
        if (!kept.isEmpty())
            co_await s.dialogs.message(
                QStringLiteral("The download was kept as %1; no file was exported.").arg(kept));
        co_return OpStatus::Abandoned;
    }
    if (!WriteLines(path, exported, error))
        co_return co_await Refuse(
            s.dialogs,
            QString::fromStdString(error) +
                (kept.isEmpty() ? QString()
                                : QStringLiteral(". The download was kept as %1.").arg(kept)),
            OpStatus::BadInput);
    link.Mode0();
    if (options.exported) options.exported(path);
    co_return OpStatus::Done;
}

}  // namespace norva
