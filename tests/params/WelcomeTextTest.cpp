#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTest>

#include "link/Link.h"
#include "params/WelcomeText.h"
#include "params/WelcomeTextWindow.h"
#include "support/LinkFixture.h"
#include "support/RecordingProgress.h"
#include "support/SimRig.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;

TEST(WelcomeText, LinesArePaddedCutAndEncodedAsWindows1252) {
    // A short line padded: the paced write's test.
    auto bytes = EncodeWelcome(QStringLiteral("ABC"), QString());
    ASSERT_TRUE(bytes);
    for (int i = 16; i < 32; ++i) EXPECT_EQ((*bytes)[i], ' ');  // an empty line: 16 blanks
    bytes = EncodeWelcome(QStringLiteral("0123456789abcdefXYZ"), QStringLiteral("€ é ñ º"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ((*bytes)[15], 'f');   // cut to 16
    EXPECT_EQ((*bytes)[16], 0x80);  // the rest of the code page: its own test
    char32_t bad = 0;
    EXPECT_FALSE(EncodeWelcome(QStringLiteral("Łódź"), QString(), &bad));
    EXPECT_EQ(bad, U'Ł');
    // A character outside the BMP is one character, named whole and by its code.
    EXPECT_FALSE(EncodeWelcome(QStringLiteral("OK"), QString::fromUtf8("ready \U0001F600"), &bad));
    EXPECT_EQ(bad, U'\U0001F600');
    EXPECT_TRUE(CannotShowText(bad).contains(
        QString::fromUtf8("cannot show the character \"\U0001F600\" (U+1F600)")));
    EXPECT_TRUE(CannotShowText(U'Ł').contains(QString::fromUtf8("\"Ł\" (U+0141)")));
}

namespace {
class WelcomeWrite : public LinkTest {
  protected:
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    WelcomeTextWindow window{link, dialogs, progress, {QString(), false}};

    void SetUp() override {
        dialogs.answerEveryQuestion(true);  // the changes are asked for
        // Text the unit can show: the window fills with it, and a write with nothing typed
        // sends it back.
        std::fill(bus.memory.begin() + 176, bus.memory.begin() + 208, 'x');
        feedStream(0, 256);  // the unit's image: the write's backup needs it
        feedStream(0, 2);
        bus.writes.clear();
    }
    void TearDown() override { link.Operation.abort(); }  // while the dialogs still exist
    // An output report: the text's cells from `address`, then zeros to the end.
    static std::vector<uint8_t> Cells(int address, const char* text) {
        std::vector<uint8_t> report = {0};
        for (int a = address; *text; ++a, ++text)
            report.insert(report.end(), {222, 223, uint8_t(a), uint8_t(*text),
                                         uint8_t((a + uint8_t(*text)) % 256)});
        report.resize(65, 0);
        return report;
    }
};
}  // namespace

TEST_F(WelcomeWrite, SixPacedReportsByteForByte) {
    window.Text1->setText(QStringLiteral("ABC"));
    window.Text2->setText(QStringLiteral("0123456789abcdez"));
    window.Write();
    EXPECT_TRUE(bus.writes.empty());  // two reports first
    EXPECT_TRUE(progress.busy);
    EXPECT_FALSE(window.Command1->isEnabled());
    EXPECT_FALSE(window.Command2->isEnabled());
    EXPECT_EQ(window.Command2->text(), "Writing 1 of 6");
    feedStream(2, 1);
    EXPECT_TRUE(bus.writes.empty());
    feedStream(3, 1);
    ASSERT_EQ(bus.writes.size(), 1u);
    EXPECT_EQ(bus.writes[0], Cells(176, "ABC   "));  // the mode pair left 0
    EXPECT_EQ(window.Command2->text(), "Writing 2 of 6");
    for (int r = 0; r < 5; ++r) feedStream(4 + 2 * r, 2);
    ASSERT_EQ(bus.writes.size(), 6u);
    EXPECT_EQ(window.Command2->text(), "Confirming\u2026");  // cut between words, not in one
    EXPECT_EQ(window.Command2->toolTip(), "Confirming the write");
    EXPECT_EQ(link.BackupByteCount, 0);  // the image is assembled afresh
    EXPECT_TRUE(dialogs.messages().empty());
    feedStream(176, 32);  // the stream brings the text back
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "Written and confirmed by the unit: 32 values");
    EXPECT_EQ(window.Command2->text(), "Written");
    EXPECT_TRUE(window.Command1->isEnabled());
    EXPECT_FALSE(window.Command2->isEnabled());  // until the image has come afresh
    EXPECT_EQ(bus.writes[5], Cells(206, "ez"));
    EXPECT_EQ(bus.writes[5][10], 73);  // 207 + 'z', less 256
    EXPECT_FALSE(progress.busy);
    EXPECT_FALSE(link.Operation.busy());
}

TEST_F(WelcomeWrite, EscapeCancelsSaysHowFarItGotAndRestoresThePointer) {
    window.Text1->setText(QStringLiteral("NEW"));
    window.Write();
    feedStream(2, 4);
    EXPECT_TRUE(progress.busy);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(progress.busy);
    EXPECT_FALSE(link.Operation.busy());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "Cancelled while writing the welcome text: 2 of 6 reports were sent, 0 of 32 "
              "values confirmed by the unit.");
    EXPECT_EQ(window.Command2->text(), "Write NORVA");
    EXPECT_TRUE(window.Command2->isEnabled());
    feedStream(6, 20);
    EXPECT_EQ(bus.writes.size(), 2u);    // nothing after it
    EXPECT_NE(link.BackupByteCount, 0);  // not cleared: the write did not finish
}

TEST_F(WelcomeWrite, CharacterTheUnitCannotShowSendsNothing) {
    window.Text1->setText(QStringLiteral("Ω"));
    window.Write();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("Ω")));
    feedStream(2, 20);
    EXPECT_TRUE(bus.writes.empty());
}

TEST_F(WelcomeWrite, ReadNeedsTheImage) {
    window.Text1->setText(QStringLiteral("old"));
    Writable(link.BackupByteCount) = 254;
    window.Read();
    EXPECT_TRUE(window.Text1->text().isEmpty());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "Backup data not available, please wait");
    Writable(link.BackupByteCount) = 255;
    std::fill(Writable(link.BackupImage).begin() + 176, Writable(link.BackupImage).begin() + 192,
              0);
    Writable(link.BackupImage)[176] = 'N';
    window.Read();
    EXPECT_EQ(window.Text1->text(), "N");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST(WelcomeTextSim, OpensWaitingThenShowsTheUnitsTextUnlessTyped) {
    for (const bool typed : {false, true}) {
        SimRig sim;
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        WelcomeTextWindow window(sim.link, dialogs, progress);
        EXPECT_FALSE(window.Command2->isEnabled());
        EXPECT_TRUE(window.Label1->isVisibleTo(&window));
        EXPECT_EQ(window.Label1->text(), "Reading the unit's configuration…");
        if (typed) QTest::keyClicks(window.Text2, "MY ENGINE");
        sim.run(400);
        EXPECT_TRUE(window.Command2->isEnabled()) << typed;
        EXPECT_FALSE(window.Label1->isVisibleTo(&window));
        EXPECT_EQ(window.Text1->text(), typed ? "" : "  NORVA SYSTEM  ");
        EXPECT_EQ(window.Text2->text(), typed ? "MY ENGINE" : " SIMULATED UNIT ");
    }
}
