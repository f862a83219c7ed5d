#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/NumberedLines.h"

using namespace norva;

namespace {
std::string Refusal(std::string_view text, const NumberLines& shape) {
    std::string error;
    EXPECT_FALSE(ParseNumberLines(text, "f.rmp", shape, error));
    return error;
}
const NumberLines kThreeBytes{3, 0, 255, [](std::size_t i) { return "row " + std::to_string(i); }};
}  // namespace

TEST(NumberedLines, WholeNumbersLineByLine) {
    std::string error;
    const auto values = ParseNumberLines("1\r\n-2\n300\r\n\r\n", "f.rmp",
                                         {3, -10, 1000, [](std::size_t) { return ""; }}, error);
    ASSERT_TRUE(values) << error;
    EXPECT_EQ(*values, (std::vector<long>{1, -2, 300}));
    EXPECT_EQ(Refusal("1\n2\n256\n", kThreeBytes),
              "f.rmp:3: expected a whole number from 0 to 255 "
              "for row 2, found '256'");
    EXPECT_EQ(Refusal("1\n-2\n3\n", kThreeBytes).rfind("f.rmp:2: ", 0), 0u);
    EXPECT_EQ(Refusal("1\n\n3\n", kThreeBytes).rfind("f.rmp:2: ", 0), 0u);
    // Too few and too many values: CloneImageTest.
    EXPECT_EQ(Refusal(std::string("1\n\x01\xff", 4), kThreeBytes).rfind("f.rmp:2: ", 0), 0u);
}

TEST(NumberedLines, ValuesSeparatedByCommasOrLineEnds) {
    std::string error;
    const auto values = ParseValues("1.8,112.3,0,656\r\n.5,-2\r\n\r\n7", "m.nvm", error);
    ASSERT_TRUE(values) << error;
    ASSERT_EQ(values->size(), 7u);
    EXPECT_DOUBLE_EQ((*values)[1].value, 112.3);
    EXPECT_DOUBLE_EQ((*values)[4].value, 0.5);
    EXPECT_EQ((*values)[6].line, 4u);
    EXPECT_FALSE(ParseValues("1,2\n3,x,4\n", "m.nvm", error));
    EXPECT_EQ(error, "m.nvm:2: expected a number, found 'x'");
    EXPECT_FALSE(ParseValues("1,,2\n", "m.nvm", error));
}

// Written with CRLF: the saved files' contents in ConfigFilesTest.
TEST(NumberedLines, AFileThatCannotBeWrittenIsNamed) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.nvc");
    std::string error;
    ASSERT_TRUE(WriteLines(path, {"12"}, error)) << error;
    const QString nowhere = path + "/inside.nvc";  // a file is no folder
    EXPECT_FALSE(WriteLines(nowhere, {"1"}, error));
    EXPECT_EQ(error.rfind(nowhere.toStdString() + ": cannot be written", 0), 0u) << error;
}
