#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "base/NumberText.h"

using namespace norva;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(NumberText, DoublesShowFifteenDigitsWithALeadingBlankAndNoLeadingZero) {
    const std::pair<double, const char*> cases[] = {
        {120, " 120"},           {7.02, " 7.02"},     {0.5, " .5"},       {0, " 0"},
        {-0.5, "-.5"},           {-42, "-42"},        {-0.0, " 0"},       {17 / 2.0, " 8.5"},
        {0.1 + 0.2, " .3"},      {kInf, " Inf"},      {-kInf, "-Inf"},    {kNaN, "NaN"},
        {1234 / 10.0, " 123.4"}, {200 * 0.06, " 12"}, {7 * 0.06, " .42"}, {0.000125, " .000125"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(NumberText(value), text) << text;
    EXPECT_EQ(NumberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(NumberText(123456789012345678.0), " 123456789012346000");
    EXPECT_EQ(NumberText(uint8_t{120}), " 120");
    EXPECT_EQ(FormatNumber(kNaN, "#0"), "NaN");
}

TEST(NumberText, SinglesKeepSevenDigitsAndTheConfigurationFormHasNoBlank) {
    const std::pair<float, const char*> cases[] = {
        {100000.0f / 60, " 1666.667"}, {1500.5f, " 1500.5"}, {0.1f, " .1"}, {-2.25f, "-2.25"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(NumberText(value), text) << text;
    EXPECT_EQ(Str(100000.0f / 60), " 1666.667");
    EXPECT_EQ(Str(255 * 1000), " 255000");
    const std::pair<float, const char*> plain[] = {{0.009f, "0.009"}, {250.0f, "250"},
                                                   {1.4f, "1.4"},     {-0.5f, "-0.5"},
                                                   {0.0f, "0"},       {-12.0f, "-12"}};
    for (const auto& [value, text] : plain) EXPECT_EQ(PlainNumberText(value), text) << text;
}

TEST(FormatNumber, PicturesOfDialsBoxesAndChartAxes) {
    const auto pictured = [](const char* picture,
                             std::vector<std::pair<double, const char*>> cases) {
        for (const auto& [value, text] : cases)
            EXPECT_EQ(FormatNumber(value, picture), text) << value << " " << picture;
    };
    pictured("###,##0", {{120.0 * 1000, "120,000"}, {0, "0"}, {999, "999"}, {1000, "1,000"}});
    pictured("###,##0", {{1234567, "1,234,567"}});
    pictured("#0.0", {{2.5, "2.5"}, {0, "0.0"}, {12.3, "12.3"}, {0.05, "0.1"}});
    pictured("##.0", {{0.5, ".5"}, {0, ".0"}, {8, "8.0"}});
    // Whole-number pictures round half away from zero.
    pictured("###", {{800, "800"}, {0, ""}, {1234, "1234"}, {0.4, ""}, {0.5, "1"}});
    pictured("#0", {{2.5, "3"}, {-2.5, "-3"}, {-0.4, "0"}, {0.4, "0"}, {10.5, "11"}});
    pictured("##0", {{0, "0"}, {999.5, "1000"}});
    // Chart axes (the labels themselves: PerfChartTest).
    pictured("###.#", {{0.5, ".5"}, {3.0, "3"}, {0.0, ""}});
    pictured("0.##", {{0.3, "0.3"}, {2.0, "2"}, {0.0, "0"}, {2.675, "2.68"}});
    EXPECT_EQ(FormatNumber(55.5f * 1000, "###,##0"), "55,500");
    EXPECT_EQ(FormatNumber(7.4f, "##.0"), "7.4");
    EXPECT_EQ(FormatNumber(12.25f, "##.0"), "12.3");
    // A single's seven digits decide the half: 12.45f is 12.4499998... in binary.
    EXPECT_EQ(FormatNumber(12.45f, "##.0"), "12.5");
    EXPECT_EQ(FormatNumber(10.2f, "###.#"), "10.2");
}

TEST(ParseNumber, WholeTextMustBeANumberOrALeadingNumberTheLongestPrefix) {
    using Parsed = std::optional<double>;
    const std::pair<const char*, Parsed> whole[] = {
        {"250", 250},  {" 9400 ", 9400}, {"-1.5", -1.5}, {"+.5", 0.5}, {"5.", 5},
        {"1e3", 1000}, {"", {}},         {"abc", {}},    {"1,4", {}},  {"12abc", {}},
        {".", {}},     {"0x10", {}},     {"inf", {}},    {"1e999", {}}};
    for (const auto& [text, expected] : whole) EXPECT_EQ(ParseNumber(text), expected) << text;
    const std::pair<const char*, Parsed> leading[] = {
        {"1,4", 1},    {"1.4", 1.4}, {"  12abc", 12}, {"-3.5V", -3.5}, {"2e", 2},
        {"2e2x", 200}, {"abc", {}},  {"", {}},        {",4", {}}};
    for (const auto& [text, expected] : leading) EXPECT_EQ(LeadingNumber(text), expected) << text;
}
