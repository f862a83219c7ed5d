#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "config/CloneImage.h"

using namespace norva::params;

namespace {

// 240 lines: address a holds a mod 256, each line ended as asked.
std::string CloneText(const char* end = "\r\n") {
    std::string text;
    for (int a = kCloneFirstAddress; a < kImageSize; ++a) text += std::to_string(a) + end;
    return text;
}

std::string Refusal(const std::string& text) {
    std::string error;
    EXPECT_FALSE(ParseCloneText(text, "unit.nvc", error));
    return error;
}

}  // namespace

TEST(CloneImage, ValuesLandAtAddresses16To255) {
    std::string error;
    const auto image = ParseCloneText(CloneText(), "unit.nvc", error);
    ASSERT_TRUE(image) << error;
    for (int a = 0; a < kCloneFirstAddress; ++a) EXPECT_EQ((*image)[a], 0) << a;
    for (int a = kCloneFirstAddress; a < kImageSize; ++a) EXPECT_EQ((*image)[a], a) << a;
}

TEST(CloneImage, LineEndsAndTrailingBlankLines) {
    std::string error;
    EXPECT_TRUE(ParseCloneText(CloneText("\n"), "unit.nvc", error)) << error;
    std::string unended = CloneText();
    unended.resize(unended.size() - 2);
    EXPECT_TRUE(ParseCloneText(unended, "unit.nvc", error)) << error;
    EXPECT_TRUE(ParseCloneText(CloneText() + "\r\n", "unit.nvc", error)) << error;
}

TEST(CloneImage, RefusalsNameTheFileAndTheLine) {
    std::string text = CloneText();
    std::string bad = text;
    bad.replace(bad.find("\r\n32\r\n") + 2, 2, "3x");  // line 17, address 32
    std::string error = Refusal(bad);
    EXPECT_EQ(error.rfind("unit.nvc:17: ", 0), 0u) << error;
    EXPECT_NE(error.find("address 32"), std::string::npos) << error;
    EXPECT_NE(error.find("'3x'"), std::string::npos) << error;

    bad = text;
    bad.replace(0, 2, "256");
    EXPECT_EQ(Refusal(bad).rfind("unit.nvc:1: ", 0), 0u);
    bad = text;
    bad.replace(0, 2, "-1");
    EXPECT_EQ(Refusal(bad).rfind("unit.nvc:1: ", 0), 0u);
    bad = text;
    bad.replace(0, 2, " 16");
    EXPECT_EQ(Refusal(bad).rfind("unit.nvc:1: ", 0), 0u);
    bad = text;
    bad.replace(bad.find("\r\n20\r\n") + 2, 2, "");  // an empty line 5
    EXPECT_EQ(Refusal(bad).rfind("unit.nvc:5: ", 0), 0u);

    error = Refusal(text.substr(0, text.find("255\r\n")));
    EXPECT_EQ(error.rfind("unit.nvc:240: ", 0), 0u) << error;
    EXPECT_NE(error.find("239 values"), std::string::npos) << error;
    error = Refusal(text + "7\r\n");
    EXPECT_EQ(error.rfind("unit.nvc:241: ", 0), 0u) << error;
    EXPECT_EQ(Refusal("").rfind("unit.nvc:1: ", 0), 0u);
}

TEST(CloneImage, ReadsAWholeFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("unit.nvc").toStdString();
    std::ofstream(path, std::ios::binary) << CloneText();
    std::string error;
    const auto image = ReadCloneFile(path, error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ((*image)[255], 255);
}
