#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/NumberText.h"

using namespace norva;

TEST(NumberText, ValueLinesOfTheSummary) {
    EXPECT_EQ(NumberText(120), " 120");
    EXPECT_EQ(NumberText(7.02), " 7.02");
    EXPECT_EQ(NumberText(0.5), " .5");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-0.5), "-.5");
    EXPECT_EQ(NumberText(-42), "-42");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(45) + "%", " 45%");  // stick and pump boxes
    EXPECT_EQ("Max  RPM= " + NumberText(uint8_t{120}) + ".000", "Max  RPM=  120.000");
    // Tenths of an hour and volts from byte products.
    EXPECT_EQ(NumberText(1234 / 10.0), " 123.4");
    EXPECT_EQ(NumberText(200 * 0.06), " 12");
    EXPECT_EQ(NumberText(7 * 0.06), " .42");
    EXPECT_EQ(NumberText(17 / 2.0), " 8.5");
}

TEST(NumberText, FifteenDigitsHideBinaryNoise) {
    EXPECT_EQ(NumberText(0.1 + 0.2), " .3");
    EXPECT_EQ(NumberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(NumberText(123456789012345678.0), " 123456789012346000");
    EXPECT_EQ(NumberText(0.000125), " .000125");
}

TEST(NumberText, SinglesKeepSevenDigits) {
    EXPECT_EQ(NumberText(100000.0f / 60), " 1666.667");
    EXPECT_EQ(Str(100000.0f / 60), " 1666.667");
    EXPECT_EQ(NumberText(1500.5f), " 1500.5");
    EXPECT_EQ(NumberText(0.1f), " .1");
    EXPECT_EQ(NumberText(-2.25f), "-2.25");
    EXPECT_EQ(Str(255 * 1000), " 255000");
    EXPECT_EQ(Str(65535), " 65535");
}

TEST(NumberText, ConfigurationFormHasNoBlankAndALeadingZero) {
    EXPECT_EQ(PlainNumberText(0.009f), "0.009");
    EXPECT_EQ(PlainNumberText(250.0f), "250");
    EXPECT_EQ(PlainNumberText(1.4f), "1.4");
    EXPECT_EQ(PlainNumberText(-0.5f), "-0.5");
    EXPECT_EQ(PlainNumberText(0.0f), "0");
    EXPECT_EQ(PlainNumberText(-12.0f), "-12");
}

TEST(NumberText, NonFiniteValuesStayReadable) {
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), " Inf");
    EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Inf");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#0"), "NaN");
}

TEST(FormatNumber, DialLabels) {
    EXPECT_EQ(FormatNumber(120.0 * 1000, "###,##0"), "120,000");
    EXPECT_EQ(FormatNumber(0, "###,##0"), "0");
    EXPECT_EQ(FormatNumber(999, "###,##0"), "999");
    EXPECT_EQ(FormatNumber(1000, "###,##0"), "1,000");
    EXPECT_EQ(FormatNumber(1234567, "###,##0"), "1,234,567");
    EXPECT_EQ(FormatNumber(55.5f * 1000, "###,##0"), "55,500");

    EXPECT_EQ(FormatNumber(800, "###"), "800");
    EXPECT_EQ(FormatNumber(0, "###"), "");
    EXPECT_EQ(FormatNumber(1234, "###"), "1234");

    EXPECT_EQ(FormatNumber(0, "##0"), "0");
}

TEST(FormatNumber, CurrentAndVoltage) {
    EXPECT_EQ(FormatNumber(25 / 10.0, "#0.0"), "2.5");
    EXPECT_EQ(FormatNumber(0 / 10.0, "#0.0"), "0.0");
    EXPECT_EQ(FormatNumber(123 / 10.0, "#0.0"), "12.3");
    EXPECT_EQ(FormatNumber(0.05, "#0.0"), "0.1");
    EXPECT_EQ(FormatNumber(7.4f, "##.0"), "7.4");
    EXPECT_EQ(FormatNumber(12.25f, "##.0"), "12.3");
    EXPECT_EQ(FormatNumber(0.5, "##.0"), ".5");
    EXPECT_EQ(FormatNumber(0, "##.0"), ".0");
    EXPECT_EQ(FormatNumber(8, "##.0"), "8.0");
    // A single's seven digits decide the half: 12.45f is 12.4499998... in binary.
    EXPECT_EQ(FormatNumber(12.45f, "##.0"), "12.5");
}

TEST(FormatNumber, WholeNumberPicturesRoundHalfAwayFromZero) {
    EXPECT_EQ(FormatNumber(0.4, "###"), "");
    EXPECT_EQ(FormatNumber(0.5, "###"), "1");
    EXPECT_EQ(FormatNumber(2.5, "#0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, "#0"), "-3");
    EXPECT_EQ(FormatNumber(-0.4, "#0"), "0");
    EXPECT_EQ(FormatNumber(0.4, "#0"), "0");
    EXPECT_EQ(FormatNumber(999.5, "##0"), "1000");
}

TEST(FormatNumber, ChartAxisLabels) {
    EXPECT_EQ(FormatNumber(10.2f, "###.#"), "10.2");
    EXPECT_EQ(FormatNumber(0.5, "###.#"), ".5");
    EXPECT_EQ(FormatNumber(3.0, "###.#"), "3");
    EXPECT_EQ(FormatNumber(0.0, "###.#"), "");
    // Pressure axis with the fixed factor: 0.15, 0.3, ..., 2.1 bar.
    const float factor = 0.009f;
    EXPECT_EQ(FormatNumber(1 * factor * 0.1 / 0.006, "0.##"), "0.15");
    EXPECT_EQ(FormatNumber(2 * factor * 0.1 / 0.006, "0.##"), "0.3");
    EXPECT_EQ(FormatNumber(7 * factor * 0.1 / 0.006, "0.##"), "1.05");
    EXPECT_EQ(FormatNumber(14 * factor * 0.1 / 0.006, "0.##"), "2.1");
    EXPECT_EQ(FormatNumber(2.0, "0.##"), "2");
    EXPECT_EQ(FormatNumber(0.0, "0.##"), "0");
    EXPECT_EQ(FormatNumber(2.675, "0.##"), "2.68");
    // Thrust labels rise by 10.5 N and print as whole numbers up to 147.
    EXPECT_EQ(FormatNumber(10.5, "#0"), "11");
    EXPECT_EQ(FormatNumber(14 * factor * 7 / 0.006, "#0"), "147");
}

TEST(ParseNumber, WholeTextMustBeANumber) {
    EXPECT_EQ(ParseNumber("250"), 250);
    EXPECT_EQ(ParseNumber(" 9400 "), 9400);
    EXPECT_EQ(ParseNumber("-1.5"), -1.5);
    EXPECT_EQ(ParseNumber("+.5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5);
    EXPECT_EQ(ParseNumber("1e3"), 1000);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("abc"));
    EXPECT_FALSE(ParseNumber("1,4"));
    EXPECT_FALSE(ParseNumber("12abc"));
    EXPECT_FALSE(ParseNumber("."));
    EXPECT_FALSE(ParseNumber("0x10"));
    EXPECT_FALSE(ParseNumber("inf"));
    EXPECT_FALSE(ParseNumber("1e999"));
}

TEST(ParseNumber, LeadingNumberTakesTheLongestPrefix) {
    EXPECT_EQ(LeadingNumber("1,4"), 1);
    EXPECT_EQ(LeadingNumber("1.4"), 1.4);
    EXPECT_EQ(LeadingNumber("  12abc"), 12);
    EXPECT_EQ(LeadingNumber("-3.5V"), -3.5);
    EXPECT_EQ(LeadingNumber("2e"), 2);
    EXPECT_EQ(LeadingNumber("2e2x"), 200);
    EXPECT_FALSE(LeadingNumber("abc"));
    EXPECT_FALSE(LeadingNumber(""));
    EXPECT_FALSE(LeadingNumber(",4"));
}
