// Comparing configurations: one line a setting, named as the parameters window names it.
#include <gtest/gtest.h>

#include "compare/ImageDiff.h"
#include "config/CloneImage.h"

using namespace norva;
using params::UnitKind;

namespace {
params::Image Base() {
    params::Image image{};
    for (int a = 16; a < params::kImageSize; ++a) image[a] = uint8_t(a * 7 % 200 + 20);
    return image;
}
std::vector<std::string> Lines(const params::Image& a, const params::Image& b, UnitKind kind) {
    std::vector<std::string> out;
    for (const Difference& d : CompareImages(a, b, kind)) out.push_back(DifferenceLine(d));
    return out;
}
}  // namespace

TEST(ImageDiff, OneLineASettingForBothKinds) {
    const params::Image a = Base();
    EXPECT_TRUE(CompareImages(a, a, UnitKind::Upward).empty());
    params::Image b = a;
    b[61] = uint8_t(b[61] + 1);    // the low byte of a two-byte pulse width
    b[50] = 40;                    // idle speed
    b[177] = 'X';                  // welcome text
    b[149] = uint8_t(b[149] + 3);  // acceleration row 3 slope
    b[120] = uint8_t(b[120] + 1);  // a cell nothing names
    const auto up = Lines(a, b, UnitKind::Upward);
    ASSERT_EQ(up.size(), 5u);
    EXPECT_EQ(up[0].rfind("Idle RPM: ", 0), 0u) << up[0];  // the whole line: ConfigFilesTest
    EXPECT_EQ(up[1], "RC Pulse 100%: " + std::to_string(a[60] * 256 + a[61]) + " µs -> " +
                         std::to_string(a[60] * 256 + a[61] + 1) + " µs (addresses 60, 61)");
    EXPECT_EQ(up[2].rfind("Acceleration row 3 slope: ", 0), 0u) << up[2];
    EXPECT_NE(up[3].find("Welcome line 1: \""), std::string::npos) << up[3];
    EXPECT_NE(up[3].find("X"), std::string::npos) << up[3];
    EXPECT_EQ(up[4], "Address 120: " + std::to_string(a[120]) + " -> " +
                         std::to_string(a[120] + 1) + " (address 120)");
    // A downward unit keeps its menu access in cell 55: named so, not as a delay.
    params::Image c = a;
    c[55] = uint8_t(c[55] + 1);
    EXPECT_EQ(Lines(a, c, UnitKind::Downward).at(0).rfind("Menu access: ", 0), 0u);
    EXPECT_EQ(Lines(a, c, UnitKind::Upward).at(0).rfind("Stability Delay: ", 0), 0u);
    // A downward unit keeps a timer in cell 33: by its address, not as an ignition timeout.
    c = a;
    c[33] = uint8_t(c[33] + 1);
    EXPECT_EQ(Lines(a, c, UnitKind::Downward).at(0).rfind("Address 33: ", 0), 0u);
    EXPECT_EQ(Lines(a, c, UnitKind::Upward).at(0).rfind("Ignition Timeout: ", 0), 0u);
    // Only the addresses an operation writes.
    const int only[] = {50};
    EXPECT_EQ(CompareImages(a, b, UnitKind::Upward, only).size(), 1u);
}
