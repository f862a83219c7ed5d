// The ramp editor: its recompute, its transfer to the unit frame by frame, and its
// files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QTest>

#include "ramps/Ramps.h"
#include "ramps/RampsWindow.h"
#include "support/LinkFixture.h"
#include "support/OperationRig.h"

using namespace norva;
using namespace norva::testing;

namespace {
std::vector<uint8_t> SlotAt(const std::vector<uint8_t>& report, int k) {
    return {report.begin() + 1 + 5 * k, report.begin() + 6 + 5 * k};
}
std::vector<uint8_t> Slot(int a, int v) {
    return {222, 223, uint8_t(a), uint8_t(v), uint8_t((a + v) % 256)};
}
const char* const kDefaultLines =
    "43\r\n1\r\n74\r\n2\r\n97\r\n3\r\n114\r\n5\r\n165\r\n8\r\n202\r\n13\r\n225\r\n20\r\n255\r\n"
    "5\r\n43\r\n1\r\n74\r\n2\r\n97\r\n3\r\n114\r\n5\r\n165\r\n8\r\n202\r\n13\r\n225\r\n18\r\n"
    "255\r\n20\r\n255\r\n0\r\n";
}  // namespace

TEST(Pinta, RowEightIsForcedToFullThrottleAndABadFieldIsNamed) {
    // The relative speeds' rule itself: the window's test.
    RampFields f = DefaultRampFields();
    f[14] = "200";  // row 8's speed
    f[32] = "120";
    f[33] = "35";
    int bad = -1;
    EXPECT_EQ(Pinta(f, &bad)->fields[14], "255");
    EXPECT_EQ(Pinta(f)->relative[7], "120");
    f[7] = "x";
    EXPECT_FALSE(Pinta(f, &bad));
    EXPECT_EQ(bad, 8);
    EXPECT_EQ(RampFieldName(17), "Deceleration row 1 absolute speed");
}

TEST(RampFiles, LinesAreFlooredNotLimitedAndCommasSeparateValuesToo) {
    // The defaults' 34 lines saved and loaded, and a short file: the window's test.
    std::string error;
    RampFields f = DefaultRampFields();
    f[1] = "-3.5";
    f[3] = "400";
    EXPECT_EQ((*RampFileLines(f, error))[1], "-4");  // floored, not limited
    EXPECT_EQ((*RampFileLines(f, error))[3], "400");
    f[5] = "";
    EXPECT_FALSE(RampFileLines(f, error));
    EXPECT_EQ(error, "Acceleration row 3 slope is not a number: ''");

    QTemporaryDir dir;
    QFile file(dir.filePath("commas.rmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "43,1,74,2\r\n97,3.25,114,5,165,8,202,13,225,20,255,5,43,1,74,2,97,3,"
        "114,5,165,8,202,13,225,18,255,20,255,0\r\n");
    file.close();
    EXPECT_EQ((*ReadRampFile(file.fileName().toStdString(), error))[5], "3.25");
}

namespace {
class RampsOps : public LinkTest {
  protected:
    OperationRig rig{link};
    int next = 0;
    const WriteOptions noBackup{QString(), false};

    void SetUp() override {
        stream(300);
        bus.writes.clear();
    }
    void TearDown() override { link.Operation.abort(); }
    void stream(int n) {
        feedStream(next, n);
        next += n;
    }
};
}  // namespace

TEST_F(RampsOps, SixReportsPacedByteForByteThenChecked) {
    RampFields f = DefaultRampFields();
    f[0] = "0";                          // sent as 1
    f[2] = "300";                        // sent as 255
    f[4] = "12.9";                       // sent as 12
    f[31] = "255";                       // address 175, checksum 174
    link.PressKey(TerminalKey::MenuUp);  // leaves 1, 0 in bytes 30, 31
    bus.writes.clear();
    ASSERT_TRUE(rig.start([&](Services s) { return WriteRamps(s, f, noBackup); }));
    ASSERT_EQ(bus.writes.size(), 1u);  // report 1 at once
    stream(1);
    ASSERT_EQ(bus.writes.size(), 3u);  // report 2 after one report, report 3 right after it
    for (int r = 3; r < 6; ++r) {
        stream(1);
        ASSERT_EQ(bus.writes.size(), size_t(r + 1));
    }
    EXPECT_EQ(SlotAt(bus.writes[0], 0), Slot(144, 1));
    EXPECT_EQ(SlotAt(bus.writes[0], 2), Slot(146, 255));
    EXPECT_EQ(SlotAt(bus.writes[0], 4), Slot(148, 12));
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(bus.writes[r][31], 1) << r;  // as the key left them
        for (int k = 0; k < 6; ++k) EXPECT_EQ(bus.writes[r][3 + 5 * k], 144 + 6 * r + k);
    }
    const auto& last = bus.writes[5];
    EXPECT_EQ(SlotAt(last, 0), Slot(174, 255));
    EXPECT_EQ(SlotAt(last, 1), (std::vector<uint8_t>{222, 223, 175, 255, 174}));
    EXPECT_EQ(SlotAt(last, 2), std::vector<uint8_t>(5, 0));
    EXPECT_EQ(last[31], 1);
    EXPECT_EQ(last[32], 0);
    // The unit's stream brings the cells back; one of them differs.
    const auto sent = [&](int k) {  // the value sent to address 144 + k
        const int report = k < 30 ? k / 6 : 5;
        const int slot = k < 30 ? k % 6 : k - 30;
        return bus.writes[report][4 + 5 * slot];
    };
    std::vector<Report> back;
    for (int k = 0; k < 32; ++k) back.push_back(StreamReport(144 + k, k == 6 ? 99 : sent(k)));
    feed(back);
    feed(std::vector<Report>(300, StreamReport(100, 1)));  // and no other word on 150
    EXPECT_EQ(rig.status, OpStatus::Refused);
    EXPECT_EQ(rig.lastMessage().toStdString(),
              "The unit does not hold what was written: address 150 holds 99 (114 was sent).");
}

TEST_F(RampsOps, ABadFieldSendsNothingAndALostUnitSaysHowFarItGot) {
    RampFields f = DefaultRampFields();
    f[9] = "fast";
    ASSERT_TRUE(rig.start([&](Services s) { return WriteRamps(s, f, noBackup); }));
    EXPECT_EQ(rig.status, OpStatus::BadInput);
    EXPECT_EQ(rig.lastMessage(),
              "Acceleration row 5 slope is not a number: 'fast'. Nothing was sent.");
    EXPECT_TRUE(bus.writes.empty());

    ASSERT_TRUE(
        rig.start([this](Services s) { return WriteRamps(s, DefaultRampFields(), noBackup); }));
    stream(1);
    ASSERT_EQ(bus.writes.size(), 3u);
    bus.unplug("unit");
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage(),
              "The unit was lost while writing the ramps: 3 of 6 reports were sent, 0 of 32 "
              "values confirmed by the unit.");
}

TEST_F(RampsOps, TheWindowReadsFromTheImageLoadsAndSaves) {
    RampsWindow window(rig.services(), {QString(), false});
    EXPECT_EQ(window.field(1)->text(), QString::number(bus.memory[144]));  // the unit's, at once
    for (int n : {15, 2, 40}) EXPECT_TRUE(window.field(n)->isReadOnly()) << n;

    const QString shown = window.field(1)->text();
    Writable(link.BackupByteCount) = 254;
    window.Read();
    EXPECT_EQ(rig.lastMessage(), "Backup data not available, please wait");
    EXPECT_EQ(window.field(1)->text(), shown);
    Writable(link.BackupByteCount) = 255;
    for (int a = 144; a < 176; ++a) Writable(link.BackupImage)[a] = uint8_t(a - 100);
    Writable(link.BackupImage)[51] = 120;
    Writable(link.BackupImage)[50] = 35;
    window.Read();
    EXPECT_EQ(window.field(1)->text(), "44");
    EXPECT_EQ(window.field(15)->text(), "255");  // forced, whatever the unit holds
    EXPECT_EQ(window.field(33)->text(), "120");
    EXPECT_EQ(window.field(35)->text(), "49");  // floor(44 / 255 x 85) + 35

    // A field that is not a number is marked; the column waits.
    window.field(34)->setText("idle");
    EXPECT_FALSE(window.field(34)->styleSheet().isEmpty());
    EXPECT_FALSE(window.field(34)->toolTip().isEmpty());
    EXPECT_EQ(window.field(35)->text(), "49");
    window.field(34)->setText("35");
    EXPECT_TRUE(window.field(34)->styleSheet().isEmpty());

    rig.write("bad.rmp", "1\r\n");
    rig.dialogs.answerOpenFile(rig.path("bad.rmp"));
    window.Load();
    EXPECT_EQ(window.field(1)->text(), "44");  // unchanged
    EXPECT_EQ(rig.lastMessage().toStdString(),
              rig.path("bad.rmp").toStdString() + ": holds 1 values; a ramp file holds 34");
    rig.write("d.rmp", kDefaultLines);
    rig.dialogs.answerOpenFile(rig.path("d.rmp"));
    window.Load();
    EXPECT_EQ(window.fields(), DefaultRampFields());
    rig.dialogs.answerSaveFile(rig.path("saved"));
    window.Save();
    EXPECT_EQ(rig.file("saved.rmp"), kDefaultLines);

    window.field(6)->setText("-5");  // acceleration row 3 slope: sent as 1, and so marked
    EXPECT_EQ(window.field(6)->toolTip(), "The unit takes 1 to 255: 1 will be sent");
    bus.writes.clear();
    window.Write();
    ASSERT_FALSE(bus.writes.empty());
    EXPECT_EQ(SlotAt(bus.writes[0], 5), Slot(149, 1));
    link.Operation.abort();  // while the window's progress line still exists
}

TEST_F(RampsOps, TypedOrLoadedBeforeTheImageIsWholeIsKept) {
    rig.write("d.rmp", kDefaultLines);
    for (const bool load : {false, true}) {
        link.restartImage();
        RampsWindow window(rig.services(), {QString(), false});
        if (load) {
            rig.dialogs.answerOpenFile(rig.path("d.rmp"));
            window.Load();
        } else {
            window.field(1)->selectAll();
            QTest::keyClicks(window.field(1), "50");
        }
        stream(256);
        EXPECT_TRUE(window.Command4->isEnabled()) << load;
        EXPECT_EQ(window.field(1)->text(), load ? "43" : "50");
    }
}
