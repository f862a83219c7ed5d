#include <gtest/gtest.h>

#include "link/Link.h"
#include "link/LinkFixture.h"
#include "link/SimRig.h"
#include "params/WelcomeText.h"
#include "params/WelcomeTextWindow.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;

TEST(WelcomeText, LinesArePaddedCutAndEncodedAsWindows1252) {
    auto bytes = EncodeWelcome(QStringLiteral("ABC"), QString());
    ASSERT_TRUE(bytes);
    EXPECT_EQ((*bytes)[0], 'A');
    EXPECT_EQ((*bytes)[3], ' ');
    for (int i = 16; i < 32; ++i) EXPECT_EQ((*bytes)[i], ' ');  // an empty line: 16 blanks
    bytes = EncodeWelcome(QStringLiteral("0123456789abcdefXYZ"), QStringLiteral("€ é ñ º"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ((*bytes)[15], 'f');  // cut to 16
    EXPECT_EQ((*bytes)[16], 0x80);
    EXPECT_EQ((*bytes)[18], 0xE9);
    EXPECT_EQ((*bytes)[22], 0xBA);
    QString bad;
    EXPECT_FALSE(EncodeWelcome(QStringLiteral("Łódź"), QString(), &bad));
    EXPECT_EQ(bad, QStringLiteral("Ł"));
}

namespace {
class WelcomeWrite : public LinkTest {
  protected:
    ScriptedDialogs dialogs;
    WelcomeTextWindow window{link, dialogs};

    void SetUp() override {
        feedStream(0, 2);
        bus.writes.clear();
    }
    void TearDown() override { link.Operation.cancel(); }  // while the dialogs still exist
    std::vector<uint8_t> slot(int address, int value) {
        return {222, 223, uint8_t(address), uint8_t(value), uint8_t((address + value) % 256)};
    }
};
}  // namespace

TEST_F(WelcomeWrite, SixPacedReportsByteForByte) {
    window.Text1->setText(QStringLiteral("ABC"));
    window.Text2->setText(QStringLiteral("0123456789abcdez"));
    window.Write();
    EXPECT_TRUE(bus.writes.empty());  // two reports first
    EXPECT_TRUE(dialogs.busy());
    feedStream(2, 1);
    EXPECT_TRUE(bus.writes.empty());
    feedStream(3, 1);
    ASSERT_EQ(bus.writes.size(), 1u);
    const auto& first = bus.writes[0];
    std::vector<uint8_t> expected = {0};
    for (auto [a, v] : std::vector<std::pair<int, int>>{
             {176, 'A'}, {177, 'B'}, {178, 'C'}, {179, ' '}, {180, ' '}, {181, ' '}}) {
        auto s = slot(a, v);
        expected.insert(expected.end(), s.begin(), s.end());
    }
    expected.resize(65, 0);
    EXPECT_EQ(first, expected);
    EXPECT_EQ(std::vector<uint8_t>(first.begin() + 1, first.begin() + 6),
              (std::vector<uint8_t>{222, 223, 176, 65, 241}));
    for (int r = 0; r < 5; ++r) feedStream(4 + 2 * r, 2);
    ASSERT_EQ(bus.writes.size(), 6u);
    const auto& last = bus.writes[5];
    EXPECT_EQ(
        std::vector<uint8_t>(last.begin() + 1, last.begin() + 11),
        (std::vector<uint8_t>{222, 223, 206, 'e', (206 + 'e') % 256, 222, 223, 207, 'z', 73}));
    for (int i = 11; i < 65; ++i) EXPECT_EQ(last[i], 0) << i;  // bytes 10..29 and the mode pair
    EXPECT_EQ(link.BackupByteCount, 0);
    EXPECT_FALSE(dialogs.busy());
    EXPECT_FALSE(link.Operation.busy());
}

TEST_F(WelcomeWrite, CancelledWriteRestoresThePointer) {
    window.Write();
    feedStream(2, 4);
    EXPECT_TRUE(dialogs.busy());
    link.Operation.cancel();
    EXPECT_FALSE(dialogs.busy());
    feedStream(6, 20);
    EXPECT_EQ(bus.writes.size(), 2u);
}

TEST_F(WelcomeWrite, SecondWriteWhileOneRunsIsRefused) {
    window.Write();
    window.Write();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    feedStream(2, 20);
    EXPECT_EQ(bus.writes.size(), 6u);  // the first write only
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
    link.BackupByteCount = 254;
    window.Read();
    EXPECT_TRUE(window.Text1->text().isEmpty());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "Backup data not available, please wait");
    link.BackupByteCount = 255;
    link.BackupImage[176] = 'N';
    window.Read();
    EXPECT_EQ(window.Text1->text(), "N");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST(WelcomeTextSim, WrittenTextComesBackThroughTheStream) {
    SimRig rig;
    Link& link = rig.link;
    ScriptedDialogs dialogs;
    WelcomeTextWindow window(link, dialogs);
    rig.run(400);
    window.Text1->setText(QStringLiteral("FIELD TEST"));
    window.Text2->setText(QStringLiteral("Señal OK"));
    window.Write();
    rig.run(100);
    EXPECT_FALSE(link.Operation.busy());
    EXPECT_EQ(rig.unit().memory()[176], 'F');
    EXPECT_EQ(rig.unit().memory()[194], 0xF1);  // ñ
    EXPECT_LT(link.BackupByteCount, 255);       // the image is being assembled afresh
    rig.run(400);
    window.Read();
    EXPECT_EQ(window.Text1->text(), "FIELD TEST      ");
    EXPECT_EQ(window.Text2->text(), QStringLiteral("Señal OK        "));
}
