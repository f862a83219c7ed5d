// The run log: conversion of the raw download, the export file, the download against a
// scripted unit, and the time chart's arithmetic and drawing.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "base/NumberedLines.h"
#include "runlog/Download.h"
#include "runlog/DownloadWindow.h"
#include "runlog/RunLog.h"
#include "runlog/TimeChart.h"
#include "runlog/TimeChartWindow.h"
#include "support/CraftedLog.h"
#include "support/LinkFixture.h"
#include "support/OperationRig.h"
#include "ui/Contrast.h"
#include "ui/PainterCanvas.h"
#include "ui/RecordingCanvas.h"

using namespace norva;
using namespace norva::testing;

namespace {

// A raw log: `lead` (the preamble), the ten zeros, 252, 253 and 1024 pages, each page's cycle
// from `cycleOf`, every sample's bytes (aux, temp, rpm, throttle, pump) from `sample`.
std::vector<uint8_t> Raw(std::vector<uint8_t> lead, int (*cycleOf)(int page),
                         std::array<uint8_t, 5> sample = {1, 180, 98, 100, 128}) {
    std::vector<uint8_t> raw = std::move(lead);
    raw.insert(raw.end(), 10, 0);
    raw.push_back(252);
    raw.push_back(253);
    for (int p = 0; p < kRunLogPages; ++p) {
        raw.push_back(uint8_t(cycleOf(p)));
        raw.push_back(uint8_t(p % 256));
        for (int j = 0; j < kSamplesPerPage; ++j)
            raw.insert(raw.end(), sample.begin(), sample.end());
    }
    raw.resize(std::max<size_t>(raw.size(), kDownloadBytes), 0);
    return raw;
}
constexpr auto SevenThenThree = [](int page) { return page < 100 ? 7 : 3; };
constexpr auto AllNoCycle = [](int) { return 255; };

}  // namespace

TEST(RunLogConversion, MarkersPagesAndDecodings) {
    // Twenty zeros at the very start do not end the preamble; the ten after the 5 do.
    std::vector<uint8_t> lead(20, 0);
    lead.push_back(5);
    auto lines = ConvertRunLog(Raw(lead, SevenThenThree, {9, 255, 255, 255, 128}));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 6144u);
    EXPECT_EQ((*lines)[0], (RunLogLine{7, 0, 9, 1020, 255000, 1000, 501}));
    EXPECT_EQ((*lines)[600].cycle, 3);
    EXPECT_EQ((*lines)[600].page, 100);

    std::string why;
    auto broken = Raw({5}, SevenThenThree);
    broken[1 + 10 + 1] = 254;
    EXPECT_FALSE(ConvertRunLog(broken, &why));
    EXPECT_EQ(why, "the 253 after the 252 is missing (found 254)");
    EXPECT_FALSE(ConvertRunLog(std::vector<uint8_t>(100, 0), &why));
    EXPECT_EQ(why, "no ten zeros in a row after the preamble");
    const auto whole = Raw({5}, SevenThenThree);
    EXPECT_FALSE(ConvertRunLog(std::span(whole).first(1 + 12 + 32 * 100 + 5), &why));
    EXPECT_EQ(why, "the log ends after 100 of its 1024 pages");
}

TEST(RunLogConversion, TheExportStartsWithTheOldestLine) {
    const auto lines = *ConvertRunLog(Raw({5}, SevenThenThree));
    EXPECT_EQ(OldestLine(lines), 601);
    const QDateTime moment(QDate(2026, 12, 6), QTime(21, 5, 9));
    const auto out = ExportLines(lines, moment, nullptr);
    ASSERT_EQ(out.size(), 6145u);  // no trailer without the image
    EXPECT_EQ(out[0],
              "\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\",#2026-12-06 "
              "21:05:09#");
    EXPECT_EQ(out[1], "3,100,1,720,98000,392,501");    // line 601
    EXPECT_EQ(out[6144], "7,99,1,720,98000,392,501");  // line 600
    EXPECT_EQ(OldestLine(*ConvertRunLog(Raw({5}, AllNoCycle))), 1);
}

TEST(RunLogExport, TheTrailerSaysWhatTheImageHolds) {
    const auto lines = *ConvertRunLog(Raw({5}, SevenThenThree));
    std::array<uint8_t, 257> image{};
    const char welcome[] = "  NORVA SYSTEM   SIMULATED UNIT ";
    std::copy(welcome, welcome + 32, image.begin() + 176);
    // "Stop    ", 640 C, 98000 RPM and pump 501 at shutdown; 100000 s in all; 54 cycles; a last
    // run of 370 s with 259 pulses in 2.5 s of errors; 10 cells listed.
    const std::pair<int, uint8_t> cells[] = {
        {3, 8},   {4, 160},   {5, 98},    {6, 128}, {67, 0xA0}, {68, 0x86}, {69, 0x01},
        {64, 54}, {65, 0x72}, {66, 0x01}, {9, 3},   {10, 1},    {11, 5},    {15, 10}};
    for (const auto& [at, value] : cells) image[size_t(at)] = value;
    auto out = ExportLines(lines, QDateTime::currentDateTime(), &image);
    ASSERT_EQ(out.size(), 6145u + 18 + 16);
    std::string trailer;  // up to the cells
    for (size_t k = 6145; k < 6145 + 18; ++k) trailer += out[k] + "\n";
    const std::string stars(54, '*');
    EXPECT_EQ(trailer,
              "\n" + stars + "\n\n  NORVA SYSTEM  \n SIMULATED UNIT \n\n" +
                  "Last Shutdown Cause:Stop    \nEGT at Shutdown: 640\nRPM at Shutdown: 98000\n"
                  "Pump Power at Shutdown: 501\nTotal Time:  1666.667 Min.\nCycles:        54 \n"
                  "Last Run Time:  370 Sec.\nLast Run RX Errors and time:  259 Pulses  2.5 Sec.\n"
                  "\n\n" +
                  stars + "\n\n");
    EXPECT_EQ(out.back(), "15,\"A\"");
    image[47] = 7;  // full access: every cell
    out = ExportLines(lines, QDateTime::currentDateTime(), &image);
    EXPECT_EQ(out.size(), 6145u + 18 + 256);
    EXPECT_EQ(out.back(), "255,\"0\"");
}

namespace {
class DownloadTest : public LinkTest {
  protected:
    OperationRig rig{link};
    QString exported;
    std::vector<int> secondsLeft;

    void SetUp() override {
        feedStream(0, 300);
        bus.writes.clear();
    }
    void TearDown() override { link.Operation.abort(); }
    bool start(bool needsImage = false) {
        DownloadOptions options;
        options.needsImage = needsImage;
        options.workFolder = rig.path("work");
        options.libraryFolder = rig.path("library");
        options.exported = [this](const QString& path) { exported = path; };
        options.received = [this](int, int left) { secondsLeft.push_back(left); };
        return rig.start([options](Services s) { return DownloadRunLog(s, options); });
    }
    // Download-mode reports carrying the raw log, `count` of them from report `first`.
    void send(const std::vector<uint8_t>& raw, int first, int count) {
        std::vector<Report> reports;
        for (int r = first; r < first + count; ++r) {
            Report report{};
            for (int i = 0; i < 32; ++i)
                report[1 + i] = size_t(32 * r + i) < raw.size() ? raw[32 * r + i] : 0;
            reports.push_back(report);
        }
        feed(reports);
    }
};
}  // namespace

TEST_F(DownloadTest, ALostOrSilentUnitEndsItAndTheUnitIsPutBackInNormalMode) {
    ASSERT_TRUE(start());
    send(Raw({5}, SevenThenThree), 0, 500);
    bus.unplug("unit");
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage(),
              "The unit was lost while downloading: 16000 of 33300 bytes were received; nothing "
              "was exported.");
    EXPECT_EQ(link.DownloadActive, 0);
    EXPECT_TRUE(exported.isEmpty());
    bus.writes.clear();
    bus.add("unit");
    tick();
    ASSERT_FALSE(bus.writes.empty());
    // Normal mode as soon as it is back.
    EXPECT_EQ(std::pair(bus.writes[0][31], bus.writes[0][32]), (std::pair<uint8_t, uint8_t>(1, 0)));

    // A unit that stops sending ends it after the silence time-out: never stuck at a share.
    feedStream(0, 300);
    ASSERT_TRUE(start());
    send(Raw({5}, SevenThenThree), 0, 10);
    now += kReadTimeoutMs;
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(link.DownloadActive, 0);
}

// 1041 reports bring 33312 bytes: a 544-byte preamble ends the pages past them, so one more
// report is taken and every byte converted.
TEST_F(DownloadTest, APreambleBeyondTheReportsTakesOneMore) {
    rig.dialogs.answerSaveFile(rig.path("run.txt"));
    ASSERT_TRUE(start());
    // The request: cell 79 set to 1 in slot 5, with download mode.
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(bus.writes[0].begin() + 26, bus.writes[0].begin() + 33),
              (std::vector<uint8_t>{222, 223, 79, 1, 80, 1, 1}));
    const auto raw = Raw(std::vector<uint8_t>(544, 5), SevenThenThree);
    send(raw, 0, 1041);
    EXPECT_FALSE(rig.status);
    send(raw, 1041, 1);
    ASSERT_EQ(rig.status, OpStatus::Done) << rig.lastMessage().toStdString();
    const std::string text = rig.file("run.txt");
    EXPECT_NE(text.find("\r\n3,100,1,720,98000,392,501\r\n"), std::string::npos);
    const auto data = text.substr(0, text.find("\r\n\r\n") + 2);  // up to the trailer
    EXPECT_EQ(std::count(data.begin(), data.end(), '\n'), 1 + 6144);
}

TEST_F(DownloadTest, ACancelledSaveKeepsTheDownloadAndAStoppedOneItsOwnBytes) {
    rig.dialogs.answerSaveFile(QString());  // the user cancels the save
    ASSERT_TRUE(start());
    send(Raw({5}, SevenThenThree), 0, 1041);
    EXPECT_EQ(rig.status, OpStatus::Abandoned);
    const QStringList kept = QDir(rig.path("library")).entryList({"*.txt"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    const QString path = QDir(rig.path("library")).filePath(kept[0]);
    EXPECT_EQ(rig.lastMessage(), "The download was kept as " + path + "; no file was exported.");
    EXPECT_NE(rig.file(("library/" + kept[0]).toUtf8().constData()).find("3,100,1,720,98000"),
              std::string::npos);

    // A download that stops leaves its own bytes in the working files, not the last one's.
    ASSERT_TRUE(start());
    send(Raw({9}, SevenThenThree), 0, 100);
    bus.unplug("unit");
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    const std::string raw = rig.file("work/bufer.buf");
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\n'), 3200);
    EXPECT_EQ(raw.substr(0, 5), " 9 \r\n");
    EXPECT_TRUE(rig.file("work/bufer1.buf").empty());
}

TEST_F(DownloadTest, TheButtonThatStartedTheDownloadStopsIt) {
    DownloadWindow window(rig.services(), {});
    window.Download->click();
    EXPECT_EQ(window.Download->text(), "Stop");
    EXPECT_FALSE(window.Command1->isEnabled());
    send(Raw({5}, SevenThenThree), 0, 260);
    EXPECT_EQ(window.Label2->text().left(13), "24% received,");
    window.Download->click();
    Settle(link);
    EXPECT_FALSE(link.Operation.busy());
    EXPECT_EQ(rig.lastMessage(),
              "Cancelled while downloading: 8320 of 33300 bytes were received; nothing was "
              "exported.");
    EXPECT_EQ(window.Download->text(), "Download Measures");
    EXPECT_TRUE(window.Command1->isEnabled());
    EXPECT_EQ(window.Label2->text(), "The download stopped at 24%.");
}

TEST_F(DownloadTest, NormalReportsAreNotTheLogAndALogThatDoesNotComeIsAskedForAgain) {
    Writable(link.BackupByteCount) = 100;
    ASSERT_TRUE(start(true));
    EXPECT_EQ(rig.lastMessage(), "Backup data not available, please wait");
    EXPECT_TRUE(bus.writes.empty());
    Writable(link.BackupByteCount) = 300;

    // Normal reports still coming after the request, whatever their number, are not the log.
    rig.dialogs.answerSaveFile(rig.path("run.txt"));
    ASSERT_TRUE(start(true));
    feedStream(300, 40);
    EXPECT_EQ(link.DownloadByteCount, 0);
    send(Raw({5}, SevenThenThree), 0, 1041);
    ASSERT_EQ(rig.status, OpStatus::Done) << rig.lastMessage().toStdString();
    EXPECT_EQ(rig.file("work/bufer.buf").substr(0, 5), " 5 \r\n");

    // A unit that stays in normal mode is asked twice, a second apart, and the reason named.
    bus.writes.clear();
    ASSERT_TRUE(start(true));
    feedStream(340, 1000 + 8 + 1000);
    ASSERT_EQ(bus.writes.size(), 4u);  // the request, normal mode, the request again, normal mode
    EXPECT_EQ(bus.writes[2][32], 1);   // download mode
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage(),
              "The unit stayed in normal mode for 2 s after the download command, asked twice; "
              "nothing was exported.");

    // A log without its markers is taken up to twice its size, asked for again, then named.
    ASSERT_TRUE(start(true));
    const std::vector<uint8_t> sevens(3 * kDownloadBytes, 7);
    send(sevens, 0, 2081);
    EXPECT_FALSE(rig.status);
    feedStream(0, 8);
    send(sevens, 0, 2081);
    EXPECT_EQ(rig.status, OpStatus::Refused);
    EXPECT_EQ(rig.lastMessage().toStdString(),
              "The run log was not whole after 66592 bytes (no ten zeros in a row after the "
              "preamble), asked twice; nothing was exported.");
    EXPECT_TRUE(rig.dialogs.calls(DialogCall::Kind::SaveFile).size() == 1u);
}

namespace {
std::vector<RunLogLine> Flat(int rpm) {
    std::vector<RunLogLine> lines(kRunLogLines, RunLogLine{5, 0, 0, 500, rpm, 500, 250});
    for (int k = 3000; k < kRunLogLines; ++k) lines[k].cycle = 6;
    return lines;
}
// The texts drawn at height `y`: 262 the minutes, 278 the cycles.
std::vector<QString> TextsAtY(const RecordingCanvas& canvas, double y) {
    std::vector<QString> out;
    for (const CanvasOp& op : canvas.ops(CanvasOp::Kind::Text))
        if (op.a.y() == y) out.push_back(op.text);
    return out;
}
}  // namespace

TEST(TimeChart, WindowArithmeticLabelsAndCorrections) {
    // Cut to the log's 51.2 minutes.
    EXPECT_EQ(CorrectWindow(-3, 60).start, 0);  // its end, 51.2: TheWindowCorrectsAndZooms
    EXPECT_EQ(CorrectWindow(70, 51).start, 50);

    const auto lines = Flat(98000);
    RecordingCanvas canvas({554, 296});
    DrawTimeChart(canvas, lines, 10, 12);
    EXPECT_EQ(TextsAtY(canvas, 262), (std::vector<QString>{"10.2", "10.4", "10.6", "10.8", "11",
                                                           "11.2", "11.4", "11.6", "11.8"}));
    EXPECT_EQ(TextsAtY(canvas, 278), (std::vector<QString>{"<---Cycle", "5"}));
    // The labels are the minutes drawn, after the correction: 40..60 is drawn as 40..51.2.
    RecordingCanvas late({554, 296});
    DrawTimeChart(late, lines, 40, 60);
    EXPECT_EQ(TextsAtY(late, 262),
              (std::vector<QString>{"41", "42", "43", "44", "46", "47", "48", "49", "50"}));
    EXPECT_FALSE(Drawable(CorrectWindow(30, 10)));  // an end before the start draws nothing
    EXPECT_FALSE(Drawable(CorrectWindow(50, 0)));   // 50 and 1 after the correction
}

// The default views look exactly as they always did, whatever the chart learned since: the
// pictures' digests were taken before it could zoom, read between cursors or mark limits.
TEST(TimeChart, TheDefaultViewsAreThePicturesTheyWere) {
    std::vector<RunLogLine> lines;
    for (const std::string& record : Lines({{3, 6, 700}, {4, 12, 760}, {5, 4, 700, 0}}))
        lines.push_back(*RunLogRecordLine(record));
    lines.resize(kRunLogLines, RunLogLine{5, 0, 0, 20, 0, 0, 0});
    for (const auto& [start, end, digest] :
         {std::tuple(0.0, 51.2, "624483e7f84e019c"), std::tuple(1.0, 51.0, "e153af0e1bd01e03")}) {
        ImageCanvas canvas({1100, 300});
        canvas.setBackColor(Qt::white);
        DrawTimeChart(canvas, lines, start, end, 1, std::nullopt, QStringLiteral("run.txt"));
        const QImage& image = canvas.image();
        EXPECT_EQ(QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                           QCryptographicHash::Sha256)
                      .toHex()
                      .left(16)
                      .toStdString(),
                  digest)
            << start;
    }
}

// A picture or a page names its curves in their colours, each readable on white.
TEST(TimeChart, EveryTextOfAPageReadsOnIt) {
    RecordingCanvas page({554, 296});
    DrawTimeChart(page, Flat(98000), 0, 51.2, 1, std::nullopt, QStringLiteral("run.txt"));
    for (const CanvasOp& text : page.ops(CanvasOp::Kind::Text))
        EXPECT_GE(ContrastRatio(text.pen.color, page.backColor()), 4.5) << text.text.toStdString();
}

TEST(TimeChart, TheSpeedScaleComesFromTheFile) {
    auto lines = Flat(98000);
    lines[40].rpm = 253000;  // ignored
    EXPECT_EQ(MaxRpmScale(lines), 98);
    lines[0].rpm = 0;  // a first line at rest: the scale stays 254
    EXPECT_EQ(MaxRpmScale(lines), 254);
    EXPECT_EQ(MaxRpmScale({}), 254);
}

TEST(TimeChart, TheWindowCorrectsAndZooms) {
    QTemporaryDir dir;
    const auto raw = Raw({5}, SevenThenThree);
    std::string error;
    const QString file = dir.filePath("run.txt");
    ASSERT_TRUE(WriteLines(file, ExportLines(*ConvertRunLog(raw), QDateTime(), nullptr), error));
    ScriptedDialogs dialogs;
    TimeChartWindow window(dialogs, dir.filePath("norva10.ini"));
    window.showFile(file);
    EXPECT_EQ(window.lines().size(), 6144u);
    EXPECT_EQ(window.Text2->text(), "1");
    window.Text1->setText("60");
    window.draw();
    EXPECT_EQ(window.Text1->text(), "51.2");  // corrected in the box
    window.zoom(500, 250);
    EXPECT_EQ(window.Text1->text(), "26.1");  // the middle half
    window.wholeRun();
    EXPECT_EQ(window.drawn().count, 6144);
    // The wheel zooms around the minute under the mouse, a pan keeps the span (up to the log's
    // start), two clicks read the span between A and B; the whole log takes back the labels.
    window.zoomAround(500, 2);
    EXPECT_NEAR(window.drawn().start + window.drawn().end, 51.2, 0.1);
    EXPECT_NEAR(window.drawn().end - window.drawn().start, 51.2 * 0.64, 0.02);
    EXPECT_TRUE(window.marks().roundMinutes);
    window.pan(-1000);
    EXPECT_EQ(window.drawn().start, 0);
    EXPECT_NEAR(window.drawn().end, 51.2 * 0.64, 0.02);
    window.placeCursor(300);
    window.placeCursor(100);
    ASSERT_TRUE(window.span());
    EXPECT_EQ(window.span()->b, *LineAt(window.lines(), window.drawn(), 100));
    EXPECT_LT(window.span()->seconds, 0);
    EXPECT_TRUE(window.SaveSpanCsv->isEnabled());
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Picture1, &home);
    EXPECT_EQ(std::pair(window.drawn().start, window.drawn().end), std::pair(0.0, 51.2));
    window.wholeRun();
    EXPECT_FALSE(window.marks().roundMinutes);
}

// A run laid over the chart starts where it is aligned, dotted, and is named; a zoomed view's
// minutes stand at round steps.
TEST(TimeChart, AnOverlayStartsWhereItIsAlignedAndZoomedMinutesAreRound) {
    ChartMarks marks{.roundMinutes = true,
                     .overlay = {20, RunLogLine{9, 0, 0, 600, 50000, 500, 300}},
                     .overlayAt = 1300,
                     .overlayLegend = QStringLiteral("b.txt, cycle 9")};
    RecordingCanvas canvas({554, 296});
    const TimeWindow w = DrawTimeChart(canvas, Flat(98000), 10, 12, 1, std::nullopt, {}, marks);
    std::vector<double> dotted;
    for (const CanvasOp& op : canvas.ops(CanvasOp::Kind::Line))
        if (op.pen.style == LineStyle::Dot && op.pen.color == QColor(0, 0, 255))
            dotted.push_back(op.a.x());
    ASSERT_EQ(dotted.size(), 19u);
    EXPECT_DOUBLE_EQ(dotted.front(), ChartXOfLine(w, 1300));
    EXPECT_EQ(TextsAtY(canvas, 262), (std::vector<QString>{"10.5", "11", "11.5"}));
    EXPECT_EQ(TextsAtY(canvas, 21),
              (std::vector<QString>{QStringLiteral("\u2026 b.txt, cycle 9")}));
}
