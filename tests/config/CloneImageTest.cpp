// The clone file's text: 240 values for addresses 16..255. How numbered lines are read and
// refused in general is NumberedLines' test; here, what a clone file adds to it.
#include <gtest/gtest.h>

#include <string>

#include "config/CloneImage.h"

using namespace norva::params;

namespace {

// 240 lines: address a holds a.
std::string CloneText() {
    std::string text;
    for (int a = kCloneFirstAddress; a < kImageSize; ++a) text += std::to_string(a) + "\r\n";
    return text;
}

std::string Refusal(const std::string& text) {
    std::string error;
    EXPECT_FALSE(ParseCloneText(text, "unit.nvc", error));
    return error;
}

}  // namespace

TEST(CloneImage, TheLastLineNeedsNoEnd) {  // the values' places: the safety backup's test
    std::string unended = CloneText();
    unended.resize(unended.size() - 2);
    std::string error;
    const auto image = ParseCloneText(unended, "unit.nvc", error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ((*image)[255], 255);
}

TEST(CloneImage, RefusalsNameTheFileTheLineAndTheAddress) {
    const std::string text = CloneText();
    std::string bad = text;
    bad.replace(bad.find("\r\n32\r\n") + 2, 2, "3x");  // line 17, address 32
    std::string error = Refusal(bad);
    EXPECT_EQ(error.rfind("unit.nvc:17: ", 0), 0u) << error;
    EXPECT_NE(error.find("address 32"), std::string::npos) << error;
    EXPECT_NE(error.find("'3x'"), std::string::npos) << error;

    error = Refusal(text.substr(0, text.find("255\r\n")));
    EXPECT_EQ(error.rfind("unit.nvc:240: ", 0), 0u) << error;
    EXPECT_NE(error.find("239 values"), std::string::npos) << error;
    EXPECT_EQ(Refusal(text + "7\r\n").rfind("unit.nvc:241: ", 0), 0u);
    EXPECT_EQ(Refusal(" " + text).rfind("unit.nvc:1: ", 0), 0u);  // no blank before a number
}
