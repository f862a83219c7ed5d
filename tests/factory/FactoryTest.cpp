// The factory window's commands and the hardware test, frame by frame on both kinds of unit.
#include <gtest/gtest.h>

#include <QResizeEvent>
#include <set>

#include "config/CloneFile.h"
#include "factory/FactoryCommands.h"
#include "factory/FactorySetupWindow.h"
#include "support/LinkFixture.h"
#include "support/OperationRig.h"

using namespace norva;
using namespace norva::testing;

namespace {

std::vector<uint8_t> SlotAt(const std::vector<uint8_t>& report, int k) {
    return {report.begin() + 1 + 5 * k, report.begin() + 6 + 5 * k};
}
std::vector<uint8_t> Slot(int a, int v, int s) {
    return {222, 223, uint8_t(a), uint8_t(v), uint8_t(s)};
}
// The first `n` slots of a report, to be compared with a list of Slot()s at once.
using Slots = std::vector<std::vector<uint8_t>>;
Slots SlotsOf(const std::vector<uint8_t>& report, int n) {
    Slots out;
    for (int k = 0; k < n; ++k) out.push_back(SlotAt(report, k));
    return out;
}
const std::vector<uint8_t> kNoSlot(5, 0);
// A report with a live battery current (tenths of an ampere) and EGT byte, streaming the value
// the scripted unit holds at `address`.
Report Live(const FakeBackend& bus, int address, int current, int egtByte = 0) {
    Report r = StreamReport(address, bus.memory[address]);
    r[38] = uint8_t(current);
    r[46] = uint8_t(egtByte);
    return r;
}

class Factory : public LinkTest {
  protected:
    OperationRig rig{link};
    Config settings;
    CloneHandover handover;
    int next = 0;
    bool isDownward = false;

    void SetUp() override {
        stream(20 + 256);  // the unit's whole image: each command keeps it first
        bus.writes.clear();
    }
    // The whole image, for the writes that wait for it and are confirmed from it.
    void turn() { stream(257); }
    void TearDown() override { link.Operation.abort(); }
    void downward() {
        isDownward = true;
        next = 200;
        stream(10 + 256);
        ASSERT_TRUE(link.BackupDownward);
        bus.writes.clear();
    }
    // Reports up to the calibration cells, which come back cleared, and `after` more.
    void streamPastCalibrationCells(int after, int egtByte) {
        const int toCell2 = (2 - next % 256 + 256) % 256 + 1;
        stream((toCell2 < 2 ? toCell2 + 256 : toCell2) + after, 3, egtByte);  // both, 1 and 2
    }
    void stream(int n, int current = 3, int egtByte = 0) {
        std::vector<Report> reports;
        for (int i = 0; i < n; ++i) {
            reports.push_back(Live(bus, ((next % 256) + 256) % 256, current, egtByte));
            next += isDownward ? -1 : 1;
        }
        feed(reports);
    }
    std::unique_ptr<FactorySetupWindow> window() {
        return std::make_unique<FactorySetupWindow>(rig.services(), settings, handover,
                                                    WriteOptions{QString(), false});
    }
    const std::vector<uint8_t>& last() const { return bus.writes.back(); }
};

}  // namespace

TEST_F(Factory, SingleWritesGoOutAtOnceInSlotZeroWithNormalModeAndAreConfirmed) {
    turn();
    auto w = window();
    const auto click = [&](QPushButton* b) {
        bus.writes.clear();
        b->click();
        Settle(link);
    };
    struct Typed {
        const char* text;
        int value;  // -1: nothing sent
    };
    for (const Typed& t : {Typed{"120", 120}, Typed{"12.9", 12}, Typed{"208", 208}, Typed{"", -1},
                           Typed{"fast", -1}, Typed{"-5", -1}, Typed{"300", -1}}) {
        SCOPED_TRACE(t.text);
        rig.dialogs.answerInput(t.text);
        click(w->Command1);
        if (t.value < 0) {  // what it says: the command line's exit status test
            EXPECT_TRUE(bus.writes.empty());
            continue;
        }
        ASSERT_EQ(bus.writes.size(), 1u);
        EXPECT_EQ(SlotsOf(last(), 2), (Slots{Slot(48, t.value, (48 + t.value) % 256), kNoSlot}));
        EXPECT_EQ(std::pair(last()[31], last()[32]), (std::pair<uint8_t, uint8_t>(1, 0)));
        turn();
        EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 1 values");
    }
    // What the unit holds is offered.
    EXPECT_EQ(rig.dialogs.calls(DialogCall::Kind::Input).back().defaultText, "208");

    using Cells = std::vector<std::pair<QPushButton*, std::vector<uint8_t>>>;
    const auto clicks = [&](const Cells& cells) {
        for (const auto& [button, slot] : cells) {
            click(button);
            EXPECT_EQ(SlotAt(last(), 0), slot);
            turn();
        }
    };
    clicks({{w->Command7, Slot(87, 1, 88)},
            {w->Command6, Slot(87, 0, 87)},
            {w->Command8, Slot(87, 2, 89)},
            {w->Command2, Slot(47, 0, 47)},
            {w->Command3, Slot(47, 7, 54)}});
    downward();  // whose menu access is cell 55
    turn();
    clicks({{w->Command2, Slot(55, 0, 55)}, {w->Command3, Slot(55, 7, 62)}});
}

TEST_F(Factory, TemperatureCalibrationReadsTheUncorrectedTemperature) {
    auto w = window();
    w->Text1->setText("22 C");
    w->Command4->click();
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(SlotsOf(last(), 2), (Slots{Slot(1, 0, 1), Slot(2, 0, 2)}));
    EXPECT_EQ(last()[31], 0);
    streamPastCalibrationCells(3, 15);  // 60 degrees C
    EXPECT_EQ(bus.writes.size(), 1u);
    stream(1, 3, 15);
    ASSERT_EQ(bus.writes.size(), 2u);
    EXPECT_EQ(SlotsOf(last(), 2), (Slots{Slot(1, 19, 20), Slot(2, 19, 21)}));

    // Too cold for the ambient given: 0 is written after "Error"; 255 at the top.
    bus.writes.clear();
    w->Command4->click();
    streamPastCalibrationCells(4, 5);  // 20 degrees C
    ASSERT_EQ(bus.writes.size(), 2u);
    EXPECT_EQ(rig.lastMessage(), "Error");
    EXPECT_EQ(SlotAt(last(), 0), Slot(1, 0, 1));
    bus.writes.clear();
    w->Text1->setText("none");
    w->Command4->click();
    streamPastCalibrationCells(4, 255);
    EXPECT_EQ(SlotsOf(last(), 2), (Slots{Slot(1, 255, 0), Slot(2, 255, 1)}));
}

TEST_F(Factory, FastSetupWritesEveryCellOfItsFileThenCalibrates) {
    std::string text;
    for (int a = 16; a < 256; ++a) text += std::to_string(a % 200) + "\r\n";
    rig.write("unit.nvc", text);
    auto w = window();
    EXPECT_TRUE(w->Command5->isHidden());
    EXPECT_TRUE(w->Label1->isHidden());
    handover.choose(rig.path("unit.nvc"));
    handover.offerFastSetup();
    EXPECT_FALSE(w->Command5->isHidden());
    EXPECT_EQ(w->Label1->text(), rig.path("unit.nvc"));

    w->Command5->click();
    EXPECT_TRUE(bus.writes.empty());  // the unit's image first, for the backup
    while (bus.writes.empty()) stream(1);
    EXPECT_NE(w->Label1->styleSheet().indexOf("255,0,0"), -1);  // red while it writes
    // Every cell but the key and read functions 112 and 113 and the counters 64..69.
    ASSERT_EQ(bus.writes.size(), 232u);
    std::set<int> written;
    for (const auto& write : bus.writes) {
        const int a = write[3];
        EXPECT_EQ(SlotAt(write, 0), Slot(a, a % 200, (a + a % 200) % 256)) << a;
        written.insert(a);
    }
    for (int a : {16, 79, 88, 111, 114, 255}) EXPECT_TRUE(written.count(a)) << a;
    for (int a : {64, 69, 112, 113}) EXPECT_FALSE(written.count(a)) << a;
    turn();  // confirmed by the unit, then the calibration
    ASSERT_EQ(bus.writes.size(), 233u);
    EXPECT_EQ(SlotAt(bus.writes[232], 0), Slot(1, 0, 1));
    streamPastCalibrationCells(4, 15);
    EXPECT_EQ(bus.writes.size(), 234u);
    EXPECT_TRUE(w->Label1->styleSheet().isEmpty());
    // A bad file sends nothing: the clone write's test and the exit status test.
}

TEST_F(Factory, AHotEngineGetsNeitherTheCalibrationNorTheTest) {
    settings.AccessLevel = 743;
    auto w = window();
    stream(1, 3, 26);  // 104 degrees C
    for (QPushButton* b : {w->Command4, w->Command9}) {
        b->click();
        Settle(link);
        EXPECT_EQ(rig.lastMessage(), "Stop the engine and let it cool below 100 °C first.");
    }
    EXPECT_EQ(rig.dialogs.messages().size(), 2u);
    EXPECT_TRUE(bus.writes.empty());
    stream(1, 3, 25);  // 100 degrees C: cool enough
    w->Command4->click();
    EXPECT_EQ(bus.writes.size(), 1u);
}

TEST(HardwareFactor, BelowAndAboveTheReference) {
    EXPECT_EQ(HardwareFactor(20, 17, 41), 217);
    EXPECT_EQ(HardwareFactor(16, 17, 41), 16);
    EXPECT_EQ(HardwareFactor(8, 17, 41), 41);
    EXPECT_EQ(HardwareFactor(40, 17, 41), 140);
    EXPECT_EQ(HardwareFactor(10, 25, 81), 81);
    EXPECT_EQ(HardwareFactor(17, 17, 41), 255);  // 256, at most 255
}

TEST_F(Factory, HardwareTestOfAnUpwardUnitStepByStep) {
    for (const int level : {0, 742}) {  // the test is for access 743 only
        settings.AccessLevel = level;
        EXPECT_TRUE(window()->Command9->isHidden()) << level;
    }
    settings.AccessLevel = 743;
    auto w = window();
    ASSERT_FALSE(w->Command9->isHidden());
    w->Command9->click();
    ASSERT_EQ(bus.writes.size(), 1u);
    // The calibration cells' checksum is A + V + 1.
    EXPECT_EQ(SlotsOf(last(), 5), (Slots{Slot(88, 0, 88), Slot(87, 0, 87), Slot(241, 0, 242),
                                         Slot(242, 0, 243), Slot(243, 0, 244)}));
    stream(10, 5);
    ASSERT_EQ(bus.writes.size(), 2u);
    EXPECT_EQ(SlotsOf(last(), 3), (Slots{Slot(241, 22, 8), Slot(70, 80, 150), Slot(88, 2, 90)}));
    EXPECT_EQ(w->Label2->text(), "offset= 22");
    stream(15, 20);
    ASSERT_EQ(bus.writes.size(), 3u);
    EXPECT_EQ(SlotAt(last(), 0), Slot(242, 217, 204));
    EXPECT_EQ(SlotAt(last(), 3), Slot(88, 1, 89));
    EXPECT_EQ(w->Label2->text(), "offset= 22 Factor= 217");
    const int waits[] = {10, 6, 16, 6, 6, 6};
    const int cells[] = {0, 3, 0, 4, 0};
    for (int k = 0; k < 6; ++k) {
        stream(waits[k] - 1);
        ASSERT_EQ(bus.writes.size(), size_t(3 + k)) << k;
        stream(1);
        ASSERT_EQ(bus.writes.size(), size_t(4 + k));
        if (k < 5) EXPECT_EQ(SlotAt(last(), 0), Slot(88, cells[k], 88 + cells[k]));
    }
    EXPECT_EQ(SlotAt(last(), 0), Slot(87, 1, 88));
    EXPECT_FALSE(link.Operation.busy());
    EXPECT_EQ(rig.progress.texts.back(), "Hardware test: step 9 of 9");
}

TEST_F(Factory, AnEarlyEndPutsBackWhatTheUnitHeldAndALostUnitNamesWhatWasWritten) {
    const auto held = [this](std::initializer_list<int> cells) {
        for (int a : cells) EXPECT_EQ(bus.memory[a], a ^ 0x5A) << a;  // as the unit held it
    };
    ASSERT_TRUE(rig.start([&](Services s) { return HardwareTest(s, settings, {}); }));
    stream(10, 30);  // 30 x 4 + 2 = 122, clamped to 80
    EXPECT_EQ(SlotAt(last(), 0), Slot(241, 80, 66));
    stream(15, 0);  // no current at step 3: no factor, and the unit as it was
    EXPECT_EQ(rig.status, OpStatus::Refused);
    ASSERT_EQ(bus.writes.size(), 3u);
    held({70, 87, 241, 242, 243});
    EXPECT_EQ(bus.memory[88], 0);  // the test cell at rest
    EXPECT_EQ(rig.lastMessage(),
              "The hardware test read no current at step 3; the values the "
              "unit held before the test were put back.");

    // Cancelled on a downward unit: its test cell goes back to 255.
    bus.memory = FakeBackend().memory;
    downward();
    ASSERT_TRUE(rig.start([&](Services s) { return HardwareTest(s, settings, {}); }));
    stream(10, 5);
    link.Operation.cancel();
    Settle(link);
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(bus.memory[79], 255);
    held({241, 242, 243});
    EXPECT_TRUE(
        rig.lastMessage().endsWith("; the values the unit held before the test were put "
                                   "back."));

    bus.writes.clear();
    isDownward = false;
    next = 0;
    stream(10 + 256);
    ASSERT_TRUE(rig.start([&](Services s) { return HardwareTest(s, settings, {}); }));
    stream(10, 5);
    bus.unplug("unit");
    tick();
    EXPECT_EQ(rig.status, OpStatus::Stopped);
    EXPECT_EQ(rig.lastMessage(),
              "The unit was lost while testing the hardware (step 2 of 9): the cells written so "
              "far were 88=0, 87=0, 241=0, 242=0, 243=0, 241=22, 70=80, 88=2.");
}
