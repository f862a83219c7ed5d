// Report lengths as the session counts them, from raw report descriptors.
#include "link/hid/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace norva {
namespace {

using Bytes = std::vector<uint8_t>;

// A vendor-defined device with one 64-byte input and one 64-byte output report, no IDs:
// the shape of the unit itself.
const Bytes kUnitDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor defined)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x40,        //   Report Count (64)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (data, variable, absolute)
    0x95, 0x40,        //   Report Count (64)
    0x09, 0x01,        //   Usage (1)
    0x91, 0x02,        //   Output (data, variable, absolute)
    0xC0,              // End Collection
};

TEST(ReportDescriptorLengths, UnitWithoutReportIdsCountsTheIdByteAnyway) {
    auto summary = ParseReportDescriptor(kUnitDescriptor);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->lengths.input, 65);
    EXPECT_EQ(summary->lengths.output, 65);
    EXPECT_FALSE(summary->numberedReports);
}

TEST(ReportDescriptorLengths, NumberedReportsGiveTheLongestPerDirection) {
    const Bytes d = {
        0x85, 0x01, 0x75, 0x08, 0x95, 0x10, 0x81, 0x02,  // ID 1: 16-byte input
        0x85, 0x02, 0x95, 0x20, 0x81, 0x02,              // ID 2: 32-byte input
        0x75, 0x01, 0x95, 0x05, 0x81, 0x02,              //   + 5 bits -> 37 bits = 5 bytes
        0x75, 0x03, 0x95, 0x01, 0x81, 0x03,              //   + 3 bits padding
        0x85, 0x03, 0x75, 0x08, 0x95, 0x07, 0x91, 0x02,  // ID 3: 7-byte output
        0x95, 0x7F, 0xB1, 0x02,                          // feature reports do not count
    };
    auto summary = ParseReportDescriptor(d);
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->numberedReports);
    EXPECT_EQ(summary->lengths.input, 32 + 1 + 1);  // 32 bytes + 8 bits, + ID byte
    EXPECT_EQ(summary->lengths.output, 7 + 1);
}

TEST(ReportDescriptorLengths, PushAndPopRestoreSizeCountAndId) {
    const Bytes d = {
        0x85, 0x01, 0x75, 0x08, 0x95, 0x04,  // ID 1, 8 x 4
        0xA4,                                // Push
        0x85, 0x02, 0x75, 0x10, 0x95, 0x10,  // ID 2, 16 x 16
        0x81, 0x02,                          // ID 2 input: 32 bytes
        0xB4,                                // Pop: back to ID 1, 8 x 4
        0x81, 0x02,                          // ID 1 input: 4 bytes
        0x91, 0x02,                          // ID 1 output: 4 bytes
    };
    auto summary = ParseReportDescriptor(d);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->lengths.input, 33);
    EXPECT_EQ(summary->lengths.output, 5);
}

TEST(ReportDescriptorLengths, InputOnlyLongItemsAndFourByteData) {
    auto lengths = ReportLengthsFromDescriptor(Bytes{0x75, 0x08, 0x95, 0x03, 0x81, 0x02});
    ASSERT_TRUE(lengths);
    EXPECT_EQ(lengths->input, 4);
    EXPECT_EQ(lengths->output, 0);                          // no output report
    Bytes longItem = {0xFE, 0x03, 0xF0, 0x81, 0x02, 0x91};  // data that looks like items
    longItem.insert(longItem.end(), kUnitDescriptor.begin(), kUnitDescriptor.end());
    EXPECT_EQ(ReportLengthsFromDescriptor(longItem)->output, 65);
    lengths = ReportLengthsFromDescriptor(
        Bytes{0x77, 0x08, 0x00, 0x00, 0x00, 0x97, 0x02, 0x00, 0x00, 0x00, 0x81, 0x02});
    ASSERT_TRUE(lengths);
    EXPECT_EQ(lengths->input, 3);
}

TEST(ReportDescriptorLengths, MalformedDescriptorsGiveNothing) {
    EXPECT_FALSE(ReportLengthsFromDescriptor({}));
    Bytes cut(kUnitDescriptor.begin(), kUnitDescriptor.end() - 3);  // inside "Output (..)"
    cut.push_back(0x91);
    EXPECT_FALSE(ReportLengthsFromDescriptor(cut));
    EXPECT_FALSE(ReportLengthsFromDescriptor(Bytes{0x75}));                    // item data missing
    EXPECT_FALSE(ReportLengthsFromDescriptor(Bytes{0xFE, 0x05, 0x01, 0x02}));  // long item cut
    EXPECT_FALSE(ReportLengthsFromDescriptor(Bytes{0xFE}));
    EXPECT_FALSE(ReportLengthsFromDescriptor(Bytes{0xB4}));        // Pop without Push
    EXPECT_FALSE(ReportLengthsFromDescriptor(Bytes{0x85, 0x00}));  // report ID 0 is reserved
    EXPECT_FALSE(ReportLengthsFromDescriptor(
        Bytes{0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02}));
}

}  // namespace
}  // namespace norva
