#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "params/Summary.h"
#include "protocol/ImageLayout.h"

using namespace norva::params;

namespace {

using Image = std::array<uint8_t, kImageSize>;

// A summary of an otherwise zero image with the given cells set.
struct Case {
    Image image{};
    SummaryInput input;
    Case(std::initializer_list<std::pair<int, uint8_t>> cells, bool downward = false) {
        for (auto [address, value] : cells) image[address] = value;
        input.image = image;
        input.backupByteCount = 256;
        input.downward = downward;
    }
    std::string text(const char* id) const {
        const Summary summary = MakeSummary(input);
        const SummaryLine* line = summary.line(id);
        return line ? line->text.toStdString() : "<no line " + std::string(id) + ">";
    }
};

std::string Status(int count) {
    SummaryInput input;
    Image image{};
    input.image = image;
    input.backupByteCount = count;
    return MakeSummary(input).status.toStdString();
}

}  // namespace

TEST(SummaryStatus, ProgressUntilTheWholeImageIsIn) {
    EXPECT_EQ(Status(0), "Reading data=  0%");
    EXPECT_EQ(Status(128), "Reading data=  50%");
    EXPECT_EQ(Status(255), "Reading data=  100%");
    EXPECT_EQ(Status(256), "Data Read OK");
    EXPECT_EQ(Status(1000), "Data Read OK");

    // Colours and frames while reading: the window's test.
    Image image{};
    const Summary reading = MakeSummary({image, 255, false, 0, 0});
    EXPECT_FALSE(reading.complete);
    EXPECT_EQ(reading.lines.size(), 52u);  // filled even while hidden
}

// The values the command's frame-by-frame test does not show.
TEST(SummaryLines, StartAndPumpFrames) {
    EXPECT_EQ(Case({{54, 20}}).text("S1"), "Pump Start Point=  20");
    EXPECT_EQ(Case({{24, 255}}).text("S5"), "Starter Power Fuel Ramp=  255 ( 100%)");
    const Case pump{{80, 250}, {208, 100}, {239, 255}};  // the curve's first and last points
    EXPECT_EQ(pump.text("P1"), "Pump Idle Pw=  400");
    EXPECT_EQ(pump.text("P2"), "Pump Max Pw=  1020");
}

TEST(SummaryLines, RadioFrame) {
    Case c{{60, 0x07}, {61, 0x6C}, {62, 0x04}, {63, 0x4C}, {59, 51}, {93, 2}};
    c.input.receiverPulse = 1523.4f;
    c.input.stickPosition = 42;
    EXPECT_EQ(c.text("R3"), "Idle Position=  1259uS");  // floored
    EXPECT_EQ(c.text("R4"), "RC Pulse Current= 1523.4uS 42%");
    EXPECT_EQ(c.text("R5"), "Command RPM=  0.000");
    EXPECT_EQ(c.text("R6"), "Throttle curve= HALF EXPO");
}

TEST(SummaryLines, LastRunFrame) {
    // Cycles and times as the command's file shows them; the values a file cannot hold here.
    Case c{{3, 29}, {5, 35}, {4, 140}, {6, 31}, {9, 0x05}, {10, 0x01}};
    EXPECT_EQ(c.text("L4"), "Last shutdown cause= PrimeVap");
    EXPECT_EQ(c.text("L5"), "Last shutdown RPM=  35.000");
    EXPECT_EQ(c.text("L6"), "Last shutdown EGT=  560\u00BAC");
    EXPECT_EQ(c.text("L7"), "Last shutdown Pump=  124");
    EXPECT_EQ(c.text("L8"), "RX Errors=  261");
    EXPECT_EQ(c.text("L9"), "RX Error time=  5 s");
    EXPECT_EQ(Case({{3, 30}}).text("L4"), "Last shutdown cause= Unknown");
    EXPECT_EQ(Case({{3, 0}}).text("L4"), "Last shutdown cause= TempHigh");
}

TEST(SummaryLayouts, ReducedLayoutHidesTwelveLines) {
    Case full{{70, 70}, {94, 25}};
    Case reduced{{70, 70}, {94, 25}};
    reduced.input.downward = true;
    const auto hidden = [](const Case& c) {
        std::string ids;
        for (const SummaryLine& line : MakeSummary(c.input).lines)
            if (line.hidden) ids += std::string(line.id) + " ";
        return ids;
    };
    // R1 and R3 too: a downward unit keeps its serial number where upward ones keep the pulse
    // at full stick and the idle position. The frames: the window's and the command's tests.
    EXPECT_EQ(hidden(reduced), "U8 S3 S9 K3 K4 K5 K7 K8 R1 R3 R4 R5 ");
    EXPECT_EQ(hidden(full), "");

    // Glow plug volts: 0.06 V a step on upward units, 0.1 V on downward ones.
    EXPECT_EQ(full.text("G1"), "Glow Plug Volts=  4.2V");
    EXPECT_EQ(reduced.text("G1"), "Glow Plug Volts=  7V");
    EXPECT_EQ(full.text("K1"), "Glow Plug Volts=  1.5V");
    EXPECT_EQ(reduced.text("K1"), "Glow Plug Volts=  2.5V");
}

TEST(CommandedSpeed, FromOffThroughIdleToFullSpeed) {
    // Idle position 51: off below 10 %, idle up to 20 %, rising from 20.08 % to full stick; at
    // exactly half the idle position and between the two divisors, no data. Idle position 254
    // at full stick is idle; a full speed below idle claims no speed above idle.
    const struct {
        int idlePosition, idle, full, stick;
        const char* text;
    } cases[] = {{51, 35, 120, 5, "OFF"},       {51, 35, 120, 10, "No Data"},
                 {51, 35, 120, 15, " 35.000"},  {51, 35, 120, 20, "No Data"},
                 {51, 35, 120, 60, " 77.000"},  {51, 35, 120, 100, " 120.000"},
                 {0, 35, 120, 0, " 35.000"},    {254, 35, 120, 100, " 35.000"},
                 {254, 35, 120, 99, " 35.000"}, {254, 35, 120, 40, "OFF"},
                 {51, 120, 35, 60, "No Data"},  {51, 120, 35, 100, "No Data"},
                 {51, 120, 35, 5, "OFF"},       {51, 120, 35, 15, " 120.000"},
                 {51, 60, 60, 60, " 60.000"}};
    for (const auto& c : cases)
        EXPECT_EQ(CommandedSpeedText(c.idlePosition, c.idle, c.full, c.stick), c.text)
            << c.idlePosition << " " << c.idle << " " << c.full << " " << c.stick;
}
