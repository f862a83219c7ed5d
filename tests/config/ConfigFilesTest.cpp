// Parameter and clone files and the maintenance writes, frame by frame against a scripted
// unit: what goes out, when, and what lands on disk; and what happens when things go wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "config/CloneFile.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "support/LinkFixture.h"
#include "support/OperationRig.h"

using namespace norva;
using namespace norva::testing;

namespace {

std::string Lines(const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += std::to_string(v) + "\r\n";
    return text;
}

std::vector<uint8_t> SlotAt(const std::vector<uint8_t>& report, int k) {
    return {report.begin() + 1 + 5 * k, report.begin() + 6 + 5 * k};
}

// A cell write: its marker, address, value and checksum.
std::vector<uint8_t> Slot(int a, int v) {
    return {222, 223, uint8_t(a), uint8_t(v), uint8_t((a + v) % 256)};
}

class FileOps : public LinkTest {
  protected:
    OperationRig rig{link};
    int next = 0;  // the next address of the unit's stream
    WriteOptions noBackup{QString(), false};
    CloneHandover handover;

    void SetUp() override {
        stream(300);  // a complete image
        bus.writes.clear();
    }
    void TearDown() override { link.Operation.abort(); }
    void stream(int n) {
        feedStream(next, n);
        next += n;
    }
    // Reports whose stream byte answers a read of `address`, as the unit sends them.
    void answer(int address, int value, int times = 4) {
        feed(std::vector<Report>(times, StreamReport(address, value)));
    }
    // The file `name` holding `text`, chosen in the open dialog.
    void offer(const char* name, const std::string& text) {
        rig.write(name, text);
        rig.dialogs.answerOpenFile(rig.path(name));
    }
    bool startCloneWrite() {
        return rig.start([&](Services s) { return WriteCloneFile(s, handover, noBackup); });
    }
    bool startParameterWrite() {
        return rig.start([&](Services s) { return WriteParameterFile(s, noBackup); });
    }
    // A clone write of a file of 9s (the rig accepts its changes), under way.
    bool startCloneWriteOfNines() {
        offer("unit.nvc", Lines(std::vector<int>(240, 9)));
        return startCloneWrite();
    }
    // The bytes of the last output report.
    const std::vector<uint8_t>& last() const { return bus.writes.back(); }
    static bool IsRead(const std::vector<uint8_t>& w, int address) {
        return SlotAt(w, 0) == Slot(113, address);
    }
};

}  // namespace

TEST_F(FileOps, CloneWriteSendsItsReportsByteForByteTwoReportsApart) {
    const auto v = [](int a) { return a == 16 ? 250 : (a * 3) % 256; };
    std::vector<int> values;
    for (int a = 16; a < 256; ++a) values.push_back(v(a));
    offer("unit.nvc", Lines(values));
    QStringList noted;  // what the write notes for the engine logbook
    ASSERT_TRUE(rig.start([&](Services s) {
        s.journal = [&](const QString& kind, const QString& file, const QString&) {
            noted << kind + " " + file;
        };
        return WriteCloneFile(s, handover, noBackup);
    }));
    // 16..254 but for 79 and 88, the key and read functions 112 and 113, and the engine's
    // counters 64..69, which the unit keeps: 229 cells in 39 reports.
    for (size_t r = 0; r < 39; ++r) {
        stream(1);
        ASSERT_EQ(bus.writes.size(), r) << "sent before its second report";
        stream(1);
        ASSERT_EQ(bus.writes.size(), r + 1);
    }
    EXPECT_FALSE(rig.status) << "done before the unit confirmed it";
    stream(256);  // a turn of the stream brings every cell back
    ASSERT_EQ(rig.status, OpStatus::Done);
    EXPECT_EQ(rig.lastMessage().toStdString(), "Written and confirmed by the unit: 226 values");
    EXPECT_EQ(noted, QStringList{"config-write " + rig.path("unit.nvc")});
    const auto expect = [&](const std::vector<uint8_t>& w, std::vector<int> addresses) {
        for (int k = 0; k < 6; ++k) EXPECT_EQ(SlotAt(w, k), Slot(addresses[k], v(addresses[k])));
        EXPECT_EQ(w[31], 0);  // mode pair untouched
    };
    expect(bus.writes[0], {16, 17, 18, 19, 20, 21});
    expect(bus.writes[9], {76, 77, 78, 80, 81, 82});
    // The last report fills one slot; the other five still hold the report before.
    expect(bus.writes[38], {254, 249, 250, 251, 252, 253});
    for (const auto& w : bus.writes)
        for (int k = 0; k < 6; ++k)
            for (int never : {79, 88, 112, 113, 64, 69, 255}) EXPECT_NE(w[3 + 5 * k], never);
    EXPECT_EQ(rig.progress.texts[1], "Programming the NORVA 6%");
    EXPECT_EQ(rig.progress.texts.end()[-2], "Programming the NORVA 99%");
    EXPECT_FALSE(rig.progress.shown || rig.progress.busy);
}

TEST_F(FileOps, CloneSaveWritesTheImageAndNeedsItComplete) {
    Writable(link.BackupByteCount) = 254;
    rig.dialogs.answerSaveFile(rig.path("all"));
    ASSERT_TRUE(rig.start(SaveCloneFile));
    Settle(link);
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage().toStdString(), "Backup data not available, please wait");
    EXPECT_TRUE(rig.dialogs.calls(DialogCall::Kind::SaveFile).empty());

    // What lands in the file: StrictUnit.ParameterAndCloneFilesRoundTrip.
    Writable(link.BackupByteCount) = 255;
    ASSERT_TRUE(rig.start(SaveCloneFile));
    Settle(link);
    ASSERT_EQ(rig.status, OpStatus::Done);
    EXPECT_TRUE(QFile::exists(rig.path("all.nvc")));  // the default extension added
    EXPECT_EQ(rig.progress.texts[1], "Saving Parameters 6%");
    EXPECT_EQ(rig.progress.texts.back(), "Saving Parameters 106%");
    EXPECT_TRUE(rig.dialogs.calls(DialogCall::Kind::SaveFile).back().overwritePrompt);
}

TEST_F(FileOps, ALateAnswerIsWaitedForAndNoAnswerWritesNoFile) {
    rig.write("engine.nrv", "kept\r\n");
    rig.dialogs.answerSaveFile(rig.path("engine.nrv"));
    ASSERT_TRUE(rig.start(SaveParameterFile));
    stream(4);
    stream(7);  // the unit is slow: its answer comes with the eighth report
    answer(16, 77);
    ASSERT_EQ(bus.writes.size(), 2u);
    ASSERT_TRUE(IsRead(last(), 17));
    // No answer: ten more reports, the question again, ten more, then it gives up.
    stream(14);
    ASSERT_EQ(bus.writes.size(), 3u);
    EXPECT_TRUE(IsRead(last(), 17));
    stream(10);
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage().toStdString(),
              "The unit did not answer while reading address 17: 1 of 71 values were read; no "
              "file was written.");
    EXPECT_EQ(rig.file("engine.nrv"), "kept\r\n");  // the earlier file is untouched
}

TEST_F(FileOps, WriteParametersNeedsFullAccessThenSendsEveryValue) {
    std::vector<int> values;
    for (int address : NrvAddresses()) values.push_back(address == 60 ? 200 : address % 100);
    offer("engine.nrv", Lines(values));
    ASSERT_TRUE(startParameterWrite());
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(SlotAt(last(), 0), Slot(113, 47));
    answer(47, 7, 1);
    ASSERT_EQ(bus.writes.size(), 72u);
    stream(256);
    ASSERT_EQ(rig.status, OpStatus::Done);
    EXPECT_EQ(rig.lastMessage().toStdString(), "Written and confirmed by the unit: 71 values");
    for (int i = 0; i < 71; ++i)
        EXPECT_EQ(SlotAt(bus.writes[i + 1], 0), Slot(NrvAddresses()[i], values[i]));
}

TEST_F(FileOps, AWriteListsTheChangesItMakesFirst) {
    // The clone plan writes 16..254 but for 79 and 88, and the unit takes none of its slots for
    // the calibration cells 241..243: changes elsewhere are not listed.
    std::vector<int> expected;
    for (int a = 16; a < 255; ++a)
        if (a != 79 && a != 88 && (a < 241 || a > 243)) expected.push_back(a);
    EXPECT_EQ(WrittenAddresses(ClonePlan(params::Image{})), expected);

    std::vector<int> values;
    for (int a = 16; a < 256; ++a) values.push_back(a == 50 || a == 88 || a == 255 ? 1 : a ^ 0x5A);
    offer("unit.nvc", Lines(values));
    rig.dialogs.answerQuestion(false);
    ASSERT_TRUE(startCloneWrite());
    EXPECT_EQ(rig.status, OpStatus::Abandoned);
    EXPECT_TRUE(bus.writes.empty());
    const DialogCall& question = rig.dialogs.calls().back();
    EXPECT_EQ(question.text, "Write this change?");
    EXPECT_EQ(question.defaultText.toStdString(), "Idle RPM: " + std::to_string(50 ^ 0x5A) +
                                                      " thousand RPM -> 1 thousand RPM "
                                                      "(address 50)");
    // A dry run, the write gate's for every write: the command line's test.
}

TEST_F(FileOps, ASilentUnitIsTakenForAWriteProtectedOne) {
    // A unit whose rights are not full: the strict units' test and the exit status test.
    offer("engine.nrv", Lines(std::vector<int>(71, 1)));
    ASSERT_TRUE(startParameterWrite());
    answer(100, 1, 10);  // no answer at all: ten reports, the question once more, ten again
    ASSERT_EQ(bus.writes.size(), 2u);
    answer(100, 1, 10);
    ASSERT_EQ(rig.status, OpStatus::Refused);
    EXPECT_EQ(rig.lastMessage().toStdString(), "Norva Write Protected");
    EXPECT_EQ(rig.dialogs.calls(DialogCall::Kind::Message).back().icon, MessageIcon::Critical);
    EXPECT_EQ(bus.writes.size(), 2u);  // the questions only
}

TEST_F(FileOps, BadFilesAreRefusedNamingFileAndLineAndNothingIsSent) {
    // How a file is refused line by line is the parser's own test: here, that nothing goes out.
    for (const bool clone : {true, false}) {
        const char* name = clone ? "bad.nvc" : "bad.nrv";
        SCOPED_TRACE(name);
        stream(256);
        bus.writes.clear();
        offer(name, clone ? "1\r\n2\r\n" : "256\r\n" + Lines(std::vector<int>(70, 1)));
        ASSERT_TRUE(clone ? startCloneWrite() : startParameterWrite());
        if (!clone) answer(47, 7, 1);
        ASSERT_EQ(rig.status, OpStatus::BadInput);
        const std::string message = rig.lastMessage().toStdString();
        EXPECT_EQ(message.rfind(rig.path(name).toStdString() + ":", 0), 0u) << message;
        EXPECT_NE(message.find("Nothing was sent"), std::string::npos) << message;
        EXPECT_EQ(bus.writes.size(), clone ? 0u : 1u);  // at most the access question
        EXPECT_FALSE(handover.fastSetupOffered);
    }
    rig.dialogs.answerOpenFile(rig.path("missing.nvc"));
    ASSERT_TRUE(startCloneWrite());
    EXPECT_EQ(rig.lastMessage(), rig.path("missing.nvc") + ": no such file. Nothing was sent.");
}

TEST_F(FileOps, AUnitLostMidwayStopsTheOperationAndSaysHowFarItGot) {
    ASSERT_TRUE(startCloneWriteOfNines());
    stream(20);
    ASSERT_EQ(bus.writes.size(), 10u);
    bus.unplug("unit");
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage().toStdString(),
              "The unit was lost while programming: 10 of 39 reports were sent, 0 of 226 values "
              "confirmed by the unit.");
    EXPECT_FALSE(handover.fastSetupOffered);
    EXPECT_FALSE(rig.progress.shown || rig.progress.busy);
}

TEST_F(FileOps, CancelStopsWhereItIsAndASecondOperationIsRefused) {
    ASSERT_TRUE(startCloneWriteOfNines());
    stream(6);
    EXPECT_EQ(link.Operation.start(Task<>()), RunningOperation::Refusal::Busy);
    link.Operation.cancel();
    Settle(link);
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage().toStdString(),
              "Cancelled while programming: 3 of 39 reports were sent, 0 of 226 values confirmed "
              "by the unit.");
    stream(20);
    EXPECT_EQ(bus.writes.size(), 3u);
}

TEST_F(FileOps, SerialNumberAndTimersOnADownwardUnit) {
    using Op = std::function<Task<OpStatus>(Services, WriteOptions)>;
    const auto run = [&](Op op, const char* input) {
        bus.writes.clear();
        if (input) rig.dialogs.answerInput(input);
        EXPECT_TRUE(rig.start([&](Services s) { return op(s, noBackup); }));
    };
    const Op serial = SetSerialNumber, all = ClearAllTimers, service = ClearServiceTimer;
    // An upward unit: no question (its word why: the command line's exit status test).
    run(serial, nullptr);
    EXPECT_EQ(rig.status, OpStatus::Refused);
    EXPECT_TRUE(rig.dialogs.calls(DialogCall::Kind::Input).empty());
    EXPECT_TRUE(bus.writes.empty());

    int down = 200;  // the downward stream goes on from here
    const auto downward = [&](int n) {
        feedStream(down, n, true);
        down -= n;
    };
    // While the image still arrives the write waits for it, and so knows the kind of unit.
    downward(10);
    ASSERT_TRUE(link.BackupDownward);
    run(serial, "1000");
    EXPECT_EQ(rig.progress.texts.back(), "Reading the unit's configuration 3%");
    downward(250);
    EXPECT_EQ(rig.dialogs.calls(DialogCall::Kind::Input).size(), 1u);
    EXPECT_EQ(rig.dialogs.calls(DialogCall::Kind::Input).back().defaultText,
              QString::number((60 ^ 0x5A) * 256 + (59 ^ 0x5A)));  // what the unit held
    downward(1);
    EXPECT_FALSE(rig.status);  // written, not yet confirmed
    downward(256);
    ASSERT_EQ(rig.status, OpStatus::Done);
    EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 2 values");

    link.PressKey(TerminalKey::MenuUp);  // leaves the mode pair 1, 0 in the buffer
    for (const auto& [typed, high, low] : std::vector<std::tuple<const char*, int, int>>{
             {"256", 1, 0}, {"-1000", 3, 232}, {"65535", 255, 255}}) {
        run(serial, typed);
        EXPECT_TRUE(bus.writes.empty());
        downward(1);
        ASSERT_EQ(bus.writes.size(), 1u) << typed;
        EXPECT_EQ(SlotAt(last(), 0), Slot(60, high));
        EXPECT_EQ(SlotAt(last(), 1), Slot(59, low));
        EXPECT_EQ(last()[31], 1);  // not cleared: what the key left
        downward(256);
        EXPECT_EQ(rig.status, OpStatus::Done) << typed;
    }
    for (const char* typed : {"65536", "12.5", "serial"}) {
        run(serial, typed);
        EXPECT_EQ(rig.status, OpStatus::BadInput) << typed;
        downward(2);
        EXPECT_TRUE(bus.writes.empty());
    }
    run(service, nullptr);
    downward(1);
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(SlotAt(last(), 0), Slot(34, 0));
    EXPECT_EQ(SlotAt(last(), 4), Slot(38, 0));
    downward(256);
    EXPECT_EQ(rig.status, OpStatus::Done);
    // Clearing every timer zeroes the cycle count and the engine time: asked first, with the
    // values it clears.
    rig.dialogs.answerQuestion(false);
    run(all, nullptr);
    EXPECT_EQ(rig.status, OpStatus::Abandoned);
    const DialogCall asked = rig.dialogs.calls(DialogCall::Kind::Question).back();
    EXPECT_EQ(asked.text, "Clear all timers? The cycle count and the total engine time become 0.");
    EXPECT_TRUE(asked.defaultText.contains(" -> 0")) << asked.defaultText.toStdString();
    run(all, nullptr);
    for (size_t r = 0; r < 3; downward(1), ++r) EXPECT_EQ(bus.writes.size(), r);
    ASSERT_EQ(bus.writes.size(), 3u);
    EXPECT_EQ(SlotAt(bus.writes[0], 0), Slot(32, 0));
    EXPECT_EQ(SlotAt(bus.writes[1], 5), Slot(43, 0));
    EXPECT_EQ(SlotAt(bus.writes[2], 0), Slot(64, 0));
    downward(256);
    EXPECT_EQ(rig.status, OpStatus::Done);
}

TEST(SafetyBackup, TheUnitsImageByTimeAndSerialNewestFiftyKept) {
    QTemporaryDir dir;
    std::array<uint8_t, 256> image{};
    for (int a = 0; a < 256; ++a) image[a] = uint8_t(a);
    image[60] = 3;
    image[59] = 232;
    std::string error;
    const QDateTime first(QDate(2026, 12, 6), QTime(21, 30, 5));
    const auto path = SaveSafetyBackup(image, true, dir.path(), first, error);
    ASSERT_TRUE(path) << error;
    EXPECT_EQ(QFileInfo(*path).fileName(), "2026-12-06_21-30-05_sn1000.nvc");
    EXPECT_EQ(params::ReadCloneFile(path->toStdString(), error).value()[200], 200);
    for (int i = 1; i <= 55; ++i)
        ASSERT_TRUE(SaveSafetyBackup(image, false, dir.path(), first.addSecs(i), error));
    const QStringList kept = QDir(dir.path()).entryList({"*.nvc"}, QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), kBackupsKept);
    EXPECT_EQ(kept.back(), "2026-12-06_21-31-00.nvc");  // upward units have no serial
}
