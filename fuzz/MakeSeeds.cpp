// The seed corpora, written by the program's own writers from the simulated unit: its
// configuration as clone, parameter and ramp files, a chart recording and a run-log download
// of its demonstration cycle, a settings file, and the input reports it sends.
//   norva-fuzz-seeds FOLDER   writes FOLDER/<target>/... for every fuzz target
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "base/NumberedLines.h"
#include "base/Settings.h"
#include "config/CloneImage.h"
#include "config/ParameterFile.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "perfchart/PerfChart.h"
#include "ramps/Ramps.h"
#include "runlog/RunLog.h"

using namespace norva;

namespace {

QString folder;
bool failed = false;

void Write(const char* target, const char* name, const std::vector<std::string>& lines) {
    QDir().mkpath(folder + "/" + target);
    std::string error;
    if (!WriteLines(folder + "/" + target + "/" + name, lines, error)) {
        std::fprintf(stderr, "norva-fuzz-seeds: %s\n", error.c_str());
        failed = true;
    }
}

void WriteBytes(const char* target, const char* name, const std::vector<uint8_t>& bytes) {
    QDir().mkpath(folder + "/" + target);
    QFile file(folder + "/" + target + "/" + name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size())) {
        std::fprintf(stderr, "norva-fuzz-seeds: %s cannot be written\n",
                     qPrintable(file.fileName()));
        failed = true;
    }
}

// The simulated unit's bus, keeping the first input reports the link reads (the start of the
// configuration stream) and the latest ones (the end of a download).
class Recorder : public ForwardingBackend {
  public:
    static constexpr size_t kKept = 64 * kReportLength;
    using ForwardingBackend::ForwardingBackend;
    std::vector<uint8_t> normal;
    std::vector<uint8_t> latest;

    HidReadResult read(HidHandle h, std::span<uint8_t> buffer) override {
        const HidReadResult result = inner_.read(h, buffer);
        if (result == HidReadResult::Report) {
            if (normal.size() < kKept) normal.insert(normal.end(), buffer.begin(), buffer.end());
            latest.insert(latest.end(), buffer.begin(), buffer.end());
            if (latest.size() > kKept)
                latest.erase(latest.begin(),
                             latest.begin() + std::ptrdiff_t(latest.size() - kKept));
        }
        return result;
    }
};

// One kind of unit through a whole demonstration cycle and a run-log download, on a
// hand-moved clock.
void FromTheSimulatedUnit(bool downward) {
    const char* kind = downward ? "falling" : "rising";
    int64_t now = 0;
    const MsClock clock = [&now] { return now; };
    SimBackend backend(sim::SimOptions{.downward = downward, .rate = 50}, clock);
    Recorder recorder(backend);
    Link link(recorder, clock);
    std::vector<MeasureRecord> records;
    for (now = 0; now < sim::SimUnit::kDemoCycleMs + 5000; now += Link::kPollMs) {
        link.PollTick();
        // The chart records every 250 ms while the engine is hot.
        if (now % 250 < Link::kPollMs && link.Egt > 100)
            records.push_back({link.Pressure, link.EngineSpeed, 0, link.Egt});
    }
    const auto image = link.BackupImage.get();
    const std::span<const uint8_t> cells(image.data(), 256);
    Write("clone_file", downward ? "falling.nvc" : "rising.nvc", params::CloneLines(cells));
    std::vector<std::string> nrv;
    for (int a : NrvAddresses()) nrv.push_back(std::to_string(image[a]));
    Write("parameter_file", (std::string(kind) + ".nrv").c_str(), nrv);
    std::string error;
    if (const auto ramps = RampFileLines(RampFieldsFromImage(image), error))
        Write("ramp_file", (std::string(kind) + ".rmp").c_str(), *ramps);
    std::vector<std::string> measures;
    for (const MeasureRecord& r : records) measures.push_back(MeasureLine(r));
    Write("measure_file", (std::string(kind) + ".nvm").c_str(), measures);

    {
        auto downloading = link.beginDownload();
        link.send(std::span<const SlotBytes>{}, kDownloadMode);
        for (int ticks = 0; link.DownloadByteCount < kDownloadBytes && ticks < 100000; ++ticks) {
            now += Link::kPollMs;
            link.PollTick();
        }
    }
    link.Mode0();
    const std::vector<uint8_t> raw = link.DownloadData;
    Write("raw_runlog", (std::string(kind) + ".buf").c_str(), RawLogLines(raw));
    if (const auto lines = ConvertRunLog(raw)) {
        const auto exported =
            ExportLines(*lines, QDateTime(QDate(2026, 12, 6), QTime(14, 30, 5)), &image);
        // The logbook takes the same exports.
        for (const char* target : {"runlog_export", "logbook_import"})
            Write(target, (std::string(kind) + ".txt").c_str(), exported);
    } else {
        std::fprintf(stderr, "norva-fuzz-seeds: the simulated unit's run log did not convert\n");
        failed = true;
    }
    // The input_reports target reads a first byte (0: normal dispatch), then the reports.
    std::vector<uint8_t> reports{0};
    reports.insert(reports.end(), recorder.normal.begin(), recorder.normal.end());
    WriteBytes("input_reports", (std::string(kind) + ".reports").c_str(), reports);
    std::vector<uint8_t> download{1};
    download.insert(download.end(), recorder.latest.begin(), recorder.latest.end());
    WriteBytes("input_reports", (std::string(kind) + "-download.reports").c_str(), download);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: norva-fuzz-seeds FOLDER\n");
        return 64;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    const QString ini = folder + "/settings/norva10.ini";
    QDir().mkpath(folder + "/settings");
    QFile::remove(ini);
    Config config;
    config.AccessLevel = 743;
    if (!GuardaConfig(ini, config) || !WriteGeometry(ini, "Form1", Geometry{}) ||
        !WriteGeometry(ini, "Form5", Geometry{12000, 7000, 10, 20}))
        failed = true;
    FromTheSimulatedUnit(false);
    FromTheSimulatedUnit(true);
    return failed ? 1 : 0;
}
