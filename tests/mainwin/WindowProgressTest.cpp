#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "cli/TerminalProgress.h"
#include "mainwin/WindowProgress.h"

using namespace norva;

TEST(WindowProgress, LabelTextPercentBlinkAndBusyPointer) {
    QLabel label;
    label.hide();
    {
        WindowProgress progress(&label);
        ProgressScope scope(progress, "Saving Parameters 6%", true);
        EXPECT_EQ(label.text(), "Saving Parameters 6%");
        EXPECT_TRUE(label.isVisibleTo(nullptr) || !label.isHidden());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        // Blinking: hidden and shown in turn.
        const bool before = label.isHidden();
        QTest::qWait(WindowProgress::kBlinkMs + 100);
        EXPECT_NE(label.isHidden(), before);
        scope.setText("Downloading", false);
        scope.setPercent(45);
        EXPECT_EQ(label.text(), "Downloading 45%");
        EXPECT_FALSE(label.isHidden());
    }
    // However the operation ended, the label and the pointer are back.
    EXPECT_TRUE(label.isHidden());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(TerminalProgress, OneLineRewrittenInPlaceOnlyOnATerminal) {
    std::FILE* out = std::tmpfile();
    {
        TerminalProgress progress(out, true);
        progress.show("Programming the NORVA 6%");
        progress.setPercent(50);
        progress.hide();
    }
    std::rewind(out);
    char text[200] = {};
    const size_t n = std::fread(text, 1, sizeof text - 1, out);
    EXPECT_EQ(std::string(text, n),
              "\r\033[KProgramming the NORVA 6%\r\033[KProgramming the NORVA 6% 50%\r\033[K");
    std::fclose(out);
    std::FILE* log = std::tmpfile();
    {
        TerminalProgress progress(log, false);
        progress.show("x");
    }
    EXPECT_EQ(std::ftell(log), 0);
    std::fclose(log);
}
