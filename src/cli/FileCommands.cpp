#include "cli/FileCommands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "base/NumberedLines.h"
#include "base/OutputPath.h"
#include "cli/ExitStatus.h"
#include "compare/ImageDiff.h"
#include "config/CloneImage.h"
#include "perfchart/PerfChart.h"
#include "ramps/Ramps.h"
#include "runlog/RunLog.h"
#include "runlog/Runs.h"
#include "runlog/SpanStats.h"
#include "runlog/TimeChart.h"
#include "ui/PainterCanvas.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};
}  // namespace

namespace {
// Three pixels for every pixel of the editor's chart (2796 x 1332 twips).
const QSize kPictureSize(559, 266);
// The time chart's box at twice its design size (8316 x 4440 twips).
const QSize kTimeChartSize(1109, 592);
// The performance chart's box at its design size (8316 x 4440 twips).
const QSize kPerformanceChartSize(554, 296);

// A file or an output refused, in one line.
int BadInput(const std::string& why, std::FILE* err) {
    std::fprintf(err, "norva: %s\n", why.c_str());
    return exitstatus::kBadInput;
}

int CannotWrite(const std::string& path, std::FILE* err) {
    return BadInput("cannot write " + path, err);
}

// An output that cannot be made is refused before the input is read.
bool Writable(const std::string& path, std::FILE* err) {
    std::string error;
    if (path.empty() || CheckOutputPath(path, error)) return true;
    BadInput(error, err);
    return false;
}
}  // namespace

int ShowRampFile(const std::string& path, const std::string& png, std::FILE* out, std::FILE* err) {
    if (!Writable(png, err)) return exitstatus::kBadInput;
    std::string error;
    const auto fields = ReadRampFile(path, error);
    int bad = 0;
    const auto view = fields ? Pinta(*fields, &bad) : std::nullopt;
    if (fields && !view)
        error = path + ": " + RampFieldName(bad).toStdString() + " is not a number";
    if (!view) return BadInput(error, err);
    const std::string table = RampTable(*view);
    std::fwrite(table.data(), 1, table.size(), out);
    if (png.empty()) return 0;
    ImageCanvas canvas(kPictureSize);
    canvas.setBackColor(Qt::white);
    DrawRamps(canvas, *view);
    if (!canvas.image().save(QString::fromStdString(png), "PNG"))
        return BadInput(
            Texts::tr("cannot write the picture %1").arg(QString::fromStdString(png)).toStdString(),
            err);
    return 0;
}

int DrawTimeChartFile(const std::string& path, const std::string& png, const std::string& pdf,
                      double from, double to, const std::string& overlay, std::FILE* err) {
    if (!Drawable(CorrectWindow(from, to)))
        return BadInput(
            QCoreApplication::translate("norva::TimeChart", kEndBeforeStart).toStdString(), err);
    if (!Writable(png.empty() ? pdf : png, err)) return exitstatus::kBadInput;
    std::string error;
    const auto lines = ReadExportFile(path, error);
    if (!lines) return BadInput(error, err);
    ChartMarks marks;
    if (!overlay.empty()) {
        const size_t colon = overlay.rfind(':');
        const std::string other = overlay.substr(0, colon);
        const int cycle = std::atoi(overlay.c_str() + colon + 1);
        auto run = RunOfCycle(other, cycle, error);
        if (!run) return BadInput(error, err);
        marks.overlay = std::move(*run);
        marks.overlayAt = OverlayStart(*lines, CorrectWindow(from, to));
        marks.overlayLegend = OverlayLegend(QString::fromStdString(other), cycle);
    }
    bool written = false;
    const QString heading = QFileInfo(QString::fromStdString(path)).fileName();
    if (!png.empty()) {
        ImageCanvas canvas(kTimeChartSize);
        canvas.setBackColor(Qt::white);
        DrawTimeChart(canvas, *lines, from, to, 1, std::nullopt, heading, marks);
        written = canvas.image().save(QString::fromStdString(png), "PNG");
    } else {
        QPdfWriter printer(QString::fromStdString(pdf));
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter;
        if (painter.begin(&printer)) {
            PainterCanvas canvas(painter);
            canvas.setBackColor(Qt::white);
            DrawTimeChart(canvas, *lines, from, to, 1, std::nullopt, heading, marks);
            written = painter.end();
        }
    }
    if (!written) return CannotWrite(png.empty() ? pdf : png, err);
    return 0;
}

int PrintMeasureFile(const std::string& path, const std::string& pdf, std::FILE* err) {
    if (!Writable(pdf, err)) return exitstatus::kBadInput;
    std::string error;
    const auto records = ReadMeasureFile(path, error);
    if (!records) return BadInput(error, err);
    QPdfWriter printer(QString::fromStdString(pdf));
    if (!PrintMeasurePage(printer, ChartScales{}, *records, QString::fromStdString(path)))
        return CannotWrite(pdf, err);
    return 0;
}

int ShowMeasureFile(const std::string& path, const std::string& png, bool pressureAxis,
                    std::FILE* err) {
    if (!Writable(png, err)) return exitstatus::kBadInput;
    std::string error;
    const auto records = ReadMeasureFile(path, error);
    if (!records) return BadInput(error, err);
    ImageCanvas canvas(kPerformanceChartSize);
    canvas.setBackColor(Qt::white);
    canvas.setFont(ChartFont());
    ChartScales scales;
    scales.pressureAxis = pressureAxis;
    PlotMemory memory;
    ReplayChart(canvas, scales, memory, *records);
    if (!canvas.image().save(QString::fromStdString(png), "PNG")) return CannotWrite(png, err);
    return 0;
}

int DiffCloneFiles(const std::string& a, const std::string& b, bool downward, std::FILE* out,
                   std::FILE* err) {
    std::string error;
    const auto first = params::ReadCloneFile(a, error);
    const auto second = first ? params::ReadCloneFile(b, error) : std::nullopt;
    if (!second) return BadInput(error, err);
    const auto lines = CloneDifferenceLines(*first, *second, params::KindOf(downward));
    for (const std::string& line : lines) std::fprintf(out, "%s\n", line.c_str());
    return lines.empty() ? exitstatus::kDone : exitstatus::kDiffers;
}

int ConvertRawLog(const std::string& raw, const std::string& out, std::FILE* err) {
    if (!Writable(out, err)) return exitstatus::kBadInput;
    std::string error;
    const auto bytes = ReadRawLog(raw, error);
    if (!bytes) return BadInput(error, err);
    std::string why;
    const auto lines = ConvertRunLog(*bytes, &why);
    if (!lines) return BadInput(raw + ": " + why, err);
    if (!WriteLines(QString::fromStdString(out),
                    ExportLines(*lines, QDateTime::currentDateTime(), nullptr), error))
        return BadInput(error, err);
    return 0;
}

int PrintRuns(const std::string& file, std::optional<int> idleRpm, bool csv, std::FILE* out,
              std::FILE* err) {
    std::string error;
    const auto log = ReadRunLogExport(file, error);
    if (!log) return BadInput(error, err);
    const auto runs = FindRuns(log->lines, IdleRpm(*log, idleRpm));
    if (csv) std::fprintf(out, "%s\n", kRunsCsvHeader);
    for (const EngineRun& run : runs)
        std::fprintf(out, "%s\n", (csv ? RunCsvLine(run) : RunText(run)).c_str());
    if (runs.empty())
        std::fprintf(
            err, "norva: %s\n",
            qPrintable(Texts::tr("%1: the engine did not run").arg(QString::fromStdString(file))));
    return 0;
}

int PrintSpanStats(const std::string& file, double from, double to, bool csv, std::FILE* out,
                   std::FILE* err) {
    std::string error;
    const auto lines = ReadExportFile(file, error);
    if (!lines) return BadInput(error, err);
    const auto stats = StatsBetween(*lines, LineOfMinute(*lines, from), LineOfMinute(*lines, to));
    std::fputs(StatsText(stats, csv).c_str(), out);
    return 0;
}

}  // namespace norva
