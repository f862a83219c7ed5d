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

    Image image{};
    SummaryInput input{image, 255, false, 0, 0};
    Summary reading = MakeSummary(input);
    EXPECT_FALSE(reading.complete);
    EXPECT_EQ(reading.statusColour, QColor(255, 255, 0));
    for (int f = 0; f < kFrameCount; ++f)
        EXPECT_EQ(reading.frameVisible[f], f == int(Frame::Status)) << f;
    EXPECT_EQ(reading.lines.size(), 52u);  // filled even while hidden

    input.backupByteCount = 256;
    Summary done = MakeSummary(input);
    EXPECT_EQ(done.statusColour, QColor(0, 255, 0));
    for (bool visible : done.frameVisible) EXPECT_TRUE(visible);
}

// The values the command's frame-by-frame test does not show.
TEST(SummaryLines, StartFrameValuesBesideTheCommandsFile) {
    EXPECT_EQ(Case({{54, 20}}).text("S1"), "Pump Start Point=  20");
    EXPECT_EQ(Case({{24, 255}}).text("S5"), "Starter Power Fuel Ramp=  255 ( 100%)");
    EXPECT_EQ(Case({{87, 5}}).text("S9"), "Start Mode= MANUAL");
}

TEST(SummaryLines, RadioFrame) {
    Case c{{60, 0x07}, {61, 0x6C}, {62, 0x04}, {63, 0x4C}, {59, 51}, {93, 2}};
    c.input.receiverPulse = 1523.4f;
    c.input.stickPosition = 42;
    EXPECT_EQ(c.text("R4"), "RC Pulse Current= 1523.4uS 42%");
    EXPECT_EQ(c.text("R5"), "Command RPM=  0.000");
    EXPECT_EQ(c.text("R6"), "Throttle curve= HALF EXPO");
    EXPECT_EQ(Case({{93, 7}}).text("R6"), "Throttle curve= RPM LINEAL");
}

TEST(SummaryLines, LastRunFrame) {
    Case c{{64, 54}, {65, 0x72}, {66, 0x01}, {67, 0x40}, {68, 0x9C}, {3, 29},
           {5, 35},  {4, 140},   {6, 31},    {9, 0x05},  {10, 0x01}};
    EXPECT_EQ(c.text("L1"), "Cycle=  54");
    EXPECT_EQ(c.text("L2"), "Last Run time=  370 s");
    EXPECT_EQ(c.text("L3"), "Total engine time=  11.1 hours");
    EXPECT_EQ(c.text("L4"), "Last shutdown cause= PrimeVap");
    EXPECT_EQ(c.text("L5"), "Last shutdown RPM=  35.000");
    EXPECT_EQ(c.text("L6"), "Last shutdown EGT=  560\u00BAC");
    EXPECT_EQ(c.text("L7"), "Last shutdown Pump=  124");
    EXPECT_EQ(c.text("L8"), "RX Errors=  261");
    EXPECT_EQ(c.text("L9"), "RX Error time=  5 s");
    EXPECT_EQ(Case({{3, 30}}).text("L4"), "Last shutdown cause= Unknown");
    EXPECT_EQ(Case({{3, 0}}).text("L4"), "Last shutdown cause= TempHigh");
    EXPECT_EQ(Case({{67, 0x18}, {68, 0x15}}).text("L3"), "Total engine time=  1.5 hours");
}

TEST(SummaryLines, LargestMultiByteValues) {
    Case c{{60, 255}, {61, 255}, {66, 255}, {65, 255}, {67, 255},
           {68, 255}, {69, 255}, {9, 255},  {10, 255}};
    EXPECT_EQ(c.text("R1"), "RC Pulse 100%= 65535uS");
    EXPECT_EQ(c.text("L2"), "Last Run time=  65535 s");
    EXPECT_EQ(c.text("L3"), "Total engine time=  4660.3 hours");
    EXPECT_EQ(c.text("L8"), "RX Errors=  65535");
}

TEST(SummaryLines, WelcomeAndPumpFrames) {
    Case c{{176, 'N'},  {177, 'O'}, {178, 0},   {179, 0x80}, {192, ' '},
           {193, 0xBA}, {80, 250},  {208, 100}, {239, 255}};
    EXPECT_EQ(c.text("W1"), "NO\u20AC");
    EXPECT_EQ(c.text("W2"), " \u00BA");
    EXPECT_EQ(c.text("P1"), "Pump Idle Pw=  400");
    EXPECT_EQ(c.text("P2"), "Pump Max Pw=  1020");
}

TEST(SummaryLayouts, ReducedLayoutHidesTwelveLinesAndTheGasStartFrame) {
    Case full{{70, 70}, {94, 25}};
    Case reduced{{70, 70}, {94, 25}};
    reduced.input.downward = true;
    const Summary fullSummary = MakeSummary(full.input);
    const Summary reducedSummary = MakeSummary(reduced.input);
    std::string hidden;
    for (const SummaryLine& line : reducedSummary.lines)
        if (line.hidden) hidden += std::string(line.id) + " ";
    // R1 and R3 too: a downward unit keeps its serial number where upward ones keep the pulse
    // at full stick and the idle position.
    EXPECT_EQ(hidden, "U8 S3 S9 K3 K4 K5 K7 K8 R1 R3 R4 R5 ");
    for (const SummaryLine& line : fullSummary.lines) EXPECT_FALSE(line.hidden) << line.id;
    EXPECT_FALSE(reducedSummary.frameVisible[int(Frame::GasStart)]);
    EXPECT_TRUE(reducedSummary.frameVisible[int(Frame::Kerosene)]);
    EXPECT_TRUE(fullSummary.frameVisible[int(Frame::GasStart)]);
    EXPECT_TRUE(reducedSummary.reduced);

    // Glow plug volts: 0.06 V a step on upward units, 0.1 V on downward ones.
    EXPECT_EQ(full.text("G1"), "Glow Plug Volts=  4.2V");
    EXPECT_EQ(reduced.text("G1"), "Glow Plug Volts=  7V");
    EXPECT_EQ(full.text("K1"), "Glow Plug Volts=  1.5V");
    EXPECT_EQ(reduced.text("K1"), "Glow Plug Volts=  2.5V");
}

TEST(CommandedSpeed, FromOffThroughIdleToFullSpeed) {
    // Idle position 51: off below 10 %, idle up to 20 %, rising from 20.08 % to full stick.
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 5), "OFF");
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 10), "No Data");  // exactly half the idle position
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 15), " 35.000");
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 20), "No Data");  // between the two divisors
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 60), " 77.000");
    EXPECT_EQ(CommandedSpeedText(51, 35, 120, 100), " 120.000");
    EXPECT_EQ(CommandedSpeedText(0, 35, 120, 0), " 35.000");
}

TEST(CommandedSpeed, IdlePosition254AtFullStickIsIdle) {
    EXPECT_EQ(CommandedSpeedText(254, 35, 120, 100), " 35.000");
    EXPECT_EQ(CommandedSpeedText(254, 35, 120, 99), " 35.000");
    EXPECT_EQ(CommandedSpeedText(254, 35, 120, 40), "OFF");
}

TEST(CommandedSpeed, FullSpeedBelowIdleClaimsNoSpeed) {
    EXPECT_EQ(CommandedSpeedText(51, 120, 35, 60), "No Data");
    EXPECT_EQ(CommandedSpeedText(51, 120, 35, 100), "No Data");
    EXPECT_EQ(CommandedSpeedText(51, 120, 35, 5), "OFF");
    EXPECT_EQ(CommandedSpeedText(51, 120, 35, 15), " 120.000");
    EXPECT_EQ(CommandedSpeedText(51, 60, 60, 60), " 60.000");  // equal speeds are fine
}
