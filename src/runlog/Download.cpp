#include "runlog/Download.h"

#include <QCoreApplication>

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
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Download)
};
}  // namespace

namespace {
constexpr uint8_t kDownloadValue = 1;
constexpr int kDownloadSlot = 5;  // the request goes alone in the last slot
// The progress moves every ten reports.
constexpr int64_t kStepBytes = 10 * 32;
// A log whose pages have not ended by then is asked for again.
constexpr int64_t kMostRawBytes = 2 * kDownloadBytes;
// Normal reports awaited before the request goes out again.
constexpr int kSettleReports = 8;
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
    // The log asked for again: its bytes start afresh.
    void restart() {
        if (!file_.resize(0) || !file_.seek(0)) failed_ = true;
        written_ = 0;
    }

  private:
    QFile file_;
    size_t written_ = 0;
    bool failed_ = false;
};
}  // namespace

Task<OpStatus> DownloadRunLog(Services s, DownloadOptions options) {
    Link& link = s.link;
    if (options.needsImage && link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs, Texts::tr("Backup data not available, please wait"),
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
            Texts::tr("The run log cannot be kept in the working folder %1; nothing was sent.")
                .arg(options.workFolder),
            OpStatus::Stopped);
    decodedFile.close();
    Outcome outcome;
    QString notWhole;  // why the unit's log did not come whole, asked twice
    int64_t target = kDownloadBytes;
    std::optional<Link::DownloadGuard> downloading;
    // The request first, then download mode: the reports that wait in the queue are normal ones.
    const auto ask = [&] {
        if (!link.send({CommandSlot(cell::kDownloadRequest, kDownloadValue)}, kDownloadMode,
                       kDownloadSlot))
            return false;
        downloading.emplace(link.beginDownload());
        target = kDownloadBytes;
        rawFile.restart();
        return true;
    };
    if (!ask()) outcome = Outcome{Outcome::UnitLost};
    {
        ProgressScope shown(s.progress, Texts::tr("Downloading"));
        const int64_t started = link.nowMs();
        int asks = 1;
        while (outcome) {
            const int64_t have = link.DownloadByteCount;
            QString why;
            if (have >= target) {
                // The Part's count has come; more while the pages have not ended.
                std::string missing;
                const auto pages = RunLogPagesAt(link.DownloadData.get(), &missing);
                const auto end = pages ? static_cast<int64_t>(*pages + kRunLogPagesBytes) : 0;
                if (pages && have >= end) break;
                target = pages ? std::max<int64_t>(end, kDownloadBytes) : have + kStepBytes;
                if (target > kMostRawBytes)
                    why = Texts::tr("The run log was not whole after %1 bytes (%2)")
                              .arg(have)
                              .arg(QString::fromStdString(missing));
            }
            if (why.isEmpty()) {
                outcome = co_await link.downloaded(std::min(target, have + kStepBytes));
                if (outcome.kind == Outcome::NoAnswer)
                    why = Texts::tr(
                              "The unit stayed in normal mode for %1 s after the "
                              "download command")
                              .arg(asks * Link::kDownloadSignMs / 1000);
            }
            if (!why.isEmpty()) {
                notWhole = why;
                if (asks == 2) break;
                // Asked again from normal mode, so that nothing of the first log is taken as
                // the start of the second.
                ++asks;
                downloading.reset();
                outcome = co_await link.reports(kSettleReports);
                if (outcome && !ask()) outcome = Outcome{Outcome::UnitLost};
                continue;
            }
            notWhole.clear();
            rawFile.append(link.DownloadData);
            const int64_t got = std::min<int64_t>(link.DownloadByteCount, target);
            const int percent = static_cast<int>(got * 100 / target);
            // The unit's own pace decides the time left.
            const int left =
                got > 0 ? static_cast<int>((link.nowMs() - started) * (target - got) / got / 1000)
                        : 0;
            shown.setPercent(percent);
            if (options.received) options.received(percent, left);
        }
    }
    const int64_t received = link.DownloadByteCount;
    downloading.reset();  // normal mode and normal dispatch again
    // A unit that never took the request did not answer; a log that never ended failed its check.
    if (!notWhole.isEmpty() && (outcome || outcome.kind == Outcome::NoAnswer))
        co_return co_await Refuse(s.dialogs,
                                  notWhole + Texts::tr(", asked twice; nothing was exported."),
                                  outcome ? OpStatus::Refused : OpStatus::Stopped);
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, Texts::tr("downloading"),
                                Texts::tr("%1 of %2 bytes were received; nothing was exported")
                                    .arg(std::min<int64_t>(received, target))
                                    .arg(target));

    // Every byte the reports brought is converted: a long preamble may put the end of the
    // pages in the last report's bytes.
    const std::vector<uint8_t> raw = link.DownloadData;
    if (rawFile.failed())
        s.dialogs.notify(Texts::tr("The raw run log could not be kept in %1.")
                             .arg(work.filePath(QStringLiteral("bufer.buf"))),
                         {}, MessageIcon::Warning);
    std::string why;
    const auto lines = ConvertRunLog(raw, &why);
    if (!lines)
        co_return co_await Refuse(
            s.dialogs,
            Texts::tr("The run log could not be read: %1; nothing was exported.")
                .arg(QString::fromStdString(why)),
            OpStatus::Refused);
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
    // Named by the serial number where the unit has one (a downward unit keeps it in 59 and
    // 60; an upward unit's 59 and 60 are its stick settings, whatever its trailer lists).
    const auto serial =
        complete && link.BackupDownward
            ? std::optional<int>(image[cell::kSerialHigh] * 256 + image[cell::kSerialLow])
            : std::nullopt;
    const QString kept =
        KeepDownload(options.libraryFolder, KeptName(moment, serial), exported, error);
    if (kept.isEmpty())
        s.dialogs.notify(Texts::tr("The download could not be kept with the recent downloads: %1")
                             .arg(QString::fromStdString(error)),
                         {}, MessageIcon::Warning);
    else if (options.kept)
        co_await options.kept(s, kept, complete ? std::optional(image) : std::nullopt,
                              link.BackupDownward);

    const FileRequest request(QString(), kFilter, QStringLiteral("txt"), {}, true);
    const QString path = co_await s.dialogs.saveFile(request);
    if (path.isEmpty()) {
        if (!kept.isEmpty())
            co_await s.dialogs.message(
                Texts::tr("The download was kept as %1; no file was exported.").arg(kept));
        co_return OpStatus::Abandoned;
    }
    if (!WriteLines(path, exported, error))
        co_return co_await Refuse(s.dialogs,
                                  kept.isEmpty() ? QString::fromStdString(error)
                                                 : Texts::tr("%1. The download was kept as %2.")
                                                       .arg(QString::fromStdString(error), kept),
                                  OpStatus::BadInput);
    link.Mode0();
    if (options.exported) options.exported(path);
    co_return OpStatus::Done;
}

}  // namespace norva
