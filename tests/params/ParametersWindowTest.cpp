// The parameters window over a link: status and frames while the image streams in and the
// refresh, every line in its label, the reduced layout and the chart.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <memory>

#include "link/Link.h"
#include "params/ParametersWindow.h"
#include "support/FakeBackend.h"
#include "support/UnitStateAccess.h"

using namespace norva;
using namespace norva::params;
using namespace norva::testing;

namespace {
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

// The ten lines the reduced layout hides.
const char* const kReducedHides[] = {"Label8",  "Label12", "Label18", "Label24", "Label28",
                                     "Label29", "Label31", "Label32", "Label37", "Label38"};

class ParametersWindowTest : public ::testing::Test {
  protected:
    FakeBackend bus;
    int64_t now = 0;
    Link link{bus, [this] { return now; }};
    std::unique_ptr<ParametersWindow> window;

    void SetUp() override {
        // A plausible image: every byte different, a readable welcome text.
        for (int a = 0; a < 256; ++a)
            Writable(link.BackupImage)[a] = static_cast<uint8_t>(a * 7 + 3);
        const char welcome[] = "  NORVA TURBINE   READY TO START";
        for (int i = 0; i < 32; ++i)
            Writable(link.BackupImage)[176 + i] = static_cast<uint8_t>(welcome[i]);
    }
    void open(int byteCount, bool downward = false) {
        Writable(link.BackupByteCount) = byteCount;
        Writable(link.BackupDownward) = downward;
        window = std::make_unique<ParametersWindow>(link);
    }
    Summary expected() const {
        SummaryInput input;
        input.image = link.BackupImage;
        input.backupByteCount = link.BackupByteCount;
        input.downward = link.BackupDownward;
        input.stickPosition = link.StickPosition;
        input.receiverPulse = link.ReceiverPulse;
        return MakeSummary(input);
    }
    QColor statusColour() const { return window->Label61->palette().color(QPalette::Window); }
};
}  // namespace

TEST_F(ParametersWindowTest, OnlyTheYellowProgressLineUntilTheTimerFindsTheImageWhole) {
    open(255);  // one byte short is still reading
    EXPECT_EQ(window->windowTitle(), "Parameters");
    EXPECT_EQ(window->Label61->text(), expected().status);
    EXPECT_EQ(statusColour(), kYellow);
    EXPECT_FALSE(window->frame(Frame::Status)->isHidden());
    for (int f = 1; f < kFrameCount; ++f)
        EXPECT_TRUE(window->frame(static_cast<Frame>(f))->isHidden()) << f;
    // The lines are filled all the same, ready for when the frames appear.
    EXPECT_EQ(window->label("Label1")->text(), expected().line("U1")->text);
    // The window follows the image on its own, every second.
    EXPECT_EQ(window->Timer1.interval(), 1000);
    Writable(link.BackupByteCount) = 256;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->Label61->text() == expected().status; }, 2000));
    EXPECT_EQ(statusColour(), kGreen);
    for (int f = 0; f < kFrameCount; ++f)
        EXPECT_FALSE(window->frame(static_cast<Frame>(f))->isHidden()) << f;
    for (QLabel* label : window->findChildren<QLabel*>()) EXPECT_FALSE(label->isHidden());
}

TEST_F(ParametersWindowTest, EveryLineHasItsLabelInsideItsFrame) {
    open(256);
    for (const LinePlace& place : SummaryLinePlaces()) {
        QLabel* label = window->label(QString::fromLatin1(place.control));
        ASSERT_NE(label, nullptr) << place.control;
        EXPECT_FALSE(label->text().isEmpty()) << place.id;
        EXPECT_EQ(label->parentWidget(), window->frame(place.frame)) << place.id;
    }
    EXPECT_EQ(window->Label40->text(), "  NORVA TURBINE ");
}

TEST_F(ParametersWindowTest, LayoutFollowsTheUnitsKindBothWaysAtEveryRefresh) {
    open(256, false);  // every label shown: the test above
    // The stream's direction is found again after a loss, or another kind of unit comes.
    Writable(link.BackupDownward) = true;
    window->Refresh();
    EXPECT_TRUE(window->frame(Frame::GasStart)->isHidden());
    for (const char* control : kReducedHides)
        EXPECT_TRUE(window->label(control)->isHidden()) << control;
    Writable(link.BackupDownward) = false;
    window->Refresh();
    EXPECT_FALSE(window->frame(Frame::GasStart)->isHidden());
    for (const char* control : kReducedHides)
        EXPECT_FALSE(window->label(control)->isHidden()) << control;
}
