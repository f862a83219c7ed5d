#include <gtest/gtest.h>

#include "base/Windows1252.h"

using namespace norva;

TEST(Windows1252, EveryByteWithACharacterReadsBackToItself) {
    for (int b = 1; b < 256; ++b) {
        const QChar c(AnsiChar(static_cast<uint8_t>(b)));
        const auto back = AnsiByte(c);
        if (b >= 0x80 && b < 0xA0 && c.unicode() < 0x100) {
            EXPECT_FALSE(back) << b;  // the five unassigned codes: not typeable
        } else {
            ASSERT_TRUE(back) << b;
            EXPECT_EQ(*back, b);
        }
    }
    EXPECT_EQ(AnsiChar(0x80), u'\u20AC');
    EXPECT_EQ(AnsiChar(0x9F), u'\u0178');
    EXPECT_EQ(AnsiChar(0xA0), u'\u00A0');
    EXPECT_FALSE(AnsiByte(QChar(0)));
    EXPECT_FALSE(AnsiByte(QChar(u'\u0141')));  // Ł is not in the set
    const uint8_t bytes[] = {'A', 0, 0x80, 0xE9};
    EXPECT_EQ(AnsiText(bytes), QString::fromUtf8("A €é"));
}
