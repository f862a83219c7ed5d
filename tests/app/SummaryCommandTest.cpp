#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/SummaryCommand.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "protocol/ImageLayout.h"
#include "support/Drain.h"
#include "support/FakeBackend.h"

using namespace norva;
using norva::testing::Drain;

namespace {

struct Printed {
    int status;
    std::string out;
    std::string err;
};

Printed PrintClone(const std::string& path) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = PrintCloneSummary(path, out, err);
    return {status, Drain(out), Drain(err)};
}

Printed RunOn(Link& link, int timeoutMs = kSummaryTimeoutMs) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunSummary(link, out, err, timeoutMs);
    return {status, Drain(out), Drain(err)};
}

void WriteClone(const std::string& path, const std::array<uint8_t, 256>& image) {
    std::ofstream file(path, std::ios::binary);
    for (int a = 16; a < 256; ++a) file << int(image[a]) << "\r\n";
}

// The summary the command should print for the simulated unit's memory, with the live values
// the link ended with.
std::string Expected(sim::SimUnit& unit, const Link& link) {
    params::SummaryInput input;
    input.image = unit.memory();
    input.backupByteCount = 256;
    input.downward = unit.downward();
    input.stickPosition = link.StickPosition;
    input.receiverPulse = link.ReceiverPulse;
    return SummaryReport(params::MakeSummary(input));
}

}  // namespace

TEST(SummaryCommand, PrintsACloneFileFrameByFrame) {
    std::array<uint8_t, 256> image{};
    // The last run's cycle, run time and engine time; every other cell 0.
    const std::pair<int, uint8_t> cells[] = {
        {64, 54}, {65, 0x72}, {66, 0x01}, {67, 0x40}, {68, 0x9C}};
    for (auto [address, value] : cells) image[address] = value;
    const char line1[] = "  NORVA SYSTEM  ";
    const uint8_t line2[] = {'C', 'a', 'f', 0xE9, ' ', 0x80, ' ', '1', '2', 0, 0, 0, 0, 0, 0, 0};
    std::copy(line1, line1 + 16, image.begin() + 176);
    std::copy(std::begin(line2), std::end(line2), image.begin() + 192);
    QTemporaryDir dir;
    const std::string path = dir.filePath("unit.nvc").toStdString();
    WriteClone(path, image);

    const Printed printed = PrintClone(path);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.err, "");
    const std::string& text = printed.out;
    std::string frames;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind('[', 0) == 0) frames += line;
    EXPECT_EQ(frames,
              "[Status][Welcome Screen][Start][Gas Start][Last run][Kerosene Start][Radio]"
              "[Pump Performance][Run]");
    EXPECT_EQ(text.rfind("[Status]\nData Read OK\n\n"
                         "[Welcome Screen]\n  NORVA SYSTEM  \nCaf\u00E9 \u20AC 12\n\n[Start]\n",
                         0),
              0u)
        << text;
    // Cells 0..15 and the live values are not in a file: their lines say so.
    EXPECT_NE(text.find("[Last run]\nCycle=  54\nLast Run time=  370 s\n"
                        "Total engine time=  11.1 hours\nLast shutdown cause=  n/a\n"
                        "Last shutdown RPM=  n/a\nLast shutdown EGT=  n/a\n"
                        "Last shutdown Pump=  n/a\nRX Errors=  n/a\nRX Error time=  n/a\n\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nRC Pulse Current= n/a\nCommand RPM=  n/a\n"), std::string::npos);
}

TEST(SummaryCommand, SimulatedUnitsOfBothKindsShowTheirLayout) {
    for (const bool downward : {false, true}) {
        SimBackend backend(sim::SimOptions{downward, 1000, 1});
        Link link(backend);
        const Printed printed = RunOn(link);
        EXPECT_EQ(printed.status, 0);
        EXPECT_EQ(printed.err, "");
        EXPECT_EQ(link.BackupDownward, downward);
        EXPECT_EQ(printed.out.find("[Gas Start]") == std::string::npos, downward) << printed.out;
        EXPECT_EQ(printed.out, Expected(backend.unit(), link));
    }
}

TEST(SummaryCommand, GivesUpWhenNoImageArrives) {
    norva::testing::FakeBackend bus;  // no unit plugged in
    Link link(bus);
    const Printed printed = RunOn(link, 300);
    EXPECT_EQ(printed.status, 2);
    EXPECT_EQ(printed.out, "");
    EXPECT_NE(printed.err.find("did not arrive within 0.3 s (0 of 256 bytes"), std::string::npos)
        << printed.err;
}
