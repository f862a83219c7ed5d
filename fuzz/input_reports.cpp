// The dispatch of input reports: the input cut into 65-byte reports, read by the link from a
// scripted bus as from the unit, with the values the windows and the monitor then show. The
// first byte's low bit puts the link in download mode first.
#include <QCoreApplication>
#include <cstdlib>

#include "cli/Monitor.h"
#include "link/Link.h"
#include "support/FakeBackend.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "norva-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace norva;
    if (size == 0) return 0;
    testing::FakeBackend bus;
    testing::FakeDevice& unit = bus.add("unit");
    const bool download = data[0] & 1;
    ++data;
    --size;
    for (size_t at = 0; at < size; at += kReportLength) {
        testing::Report report{};
        std::copy_n(data + at, std::min<size_t>(kReportLength, size - at), report.begin());
        unit.reports.push_back(report);
    }
    int64_t now = 1000;
    Link link(bus, [&now] { return now; });
    std::optional<Link::DownloadGuard> downloading;
    if (download) downloading.emplace(link.beginDownload());
    // A report may make the link drop the unit and find it again later: the ticks are bounded.
    for (size_t ticks = size / kReportLength + 8; ticks > 0 && !unit.reports.empty(); --ticks) {
        now += Link::kPollMs;
        link.PollTick();
        MonitorTextRow(link, now);
        MonitorCsvRow(link, now);
        // Whatever the unit sends, the state the windows show stays in its ranges.
        const bool sane = link.ReportText.size() == 62 && link.BackupByteCount >= 0 &&
                          link.BackupByteCount <= 1000 && link.BackupExpectedAddress >= 0 &&
                          link.BackupExpectedAddress <= 255 && link.StickPosition >= 0 &&
                          link.StickPosition <= 100 && link.BackupImage[256] == 0;
        if (!sane) std::abort();
    }
    return 0;
}
