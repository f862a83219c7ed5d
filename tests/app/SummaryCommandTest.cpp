#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
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

Printed RunOn(HidBackend& backend, int timeoutMs = kSummaryTimeoutMs) {
    Link link(backend);
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
    const std::pair<int, uint8_t> cells[] = {
        {3, 16},    {17, 200},  {18, 9},    {19, 6},    {20, 1},    {22, 50},  {23, 28},
        {24, 120},  {25, 26},   {31, 20},   {33, 21},   {49, 12},   {50, 35},  {51, 120},
        {52, 75},   {53, 190},  {54, 3},    {55, 10},   {56, 14},   {57, 30},  {58, 20},
        {59, 51},   {60, 0x07}, {61, 0x6C}, {62, 0x04}, {63, 0x4C}, {64, 54},  {65, 0x72},
        {66, 0x01}, {67, 0x40}, {68, 0x9C}, {70, 117},  {75, 40},   {80, 200}, {81, 117},
        {82, 8},    {83, 60},   {84, 45},   {85, 50},   {86, 12},   {87, 2},   {89, 15},
        {91, 30},   {93, 1},    {94, 25},   {208, 100}, {239, 255}};
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
    // Cells 0..15 and the live values are not in a file: their lines say so.
    EXPECT_EQ(printed.out,
              "[Status]\nData Read OK\n\n"
              "[Welcome Screen]\n  NORVA SYSTEM  \nCaf\u00E9 \u20AC 12\n\n"
              "[Start]\nPump Start Point= AUTO+ 3\nPump Start Ramp=  20\nLow Batt Volts=  7.02V\n"
              "Starter Power Ignition=  200 ( 78%)\nStarter Power Fuel Ramp=  120 ( 47%)\n"
              "RPM OFF Starter=  28.000\nRPM 100% Starter Power=  26.000\n"
              "RPM Reconnect Starter=  20.000\nStart Mode= AUTO-KERO\n\n"
              "[Gas Start]\nGlow Plug Volts=  7.02V\nStart Gas Flow=  40%\n"
              "Ignition Min RPM=  6.000\nIgnition Max RPM=  9.000\nPreheat Time=  .5s\n"
              "Gas OFF RPM=  50.000\n\n"
              "[Last run]\nCycle=  54\nLast Run time=  370 s\nTotal engine time=  11.1 hours\n"
              "Last shutdown cause=  n/a\nLast shutdown RPM=  n/a\n"
              "Last shutdown EGT=  n/a\nLast shutdown Pump=  n/a\nRX Errors=  n/a\n"
              "RX Error time=  n/a\n\n"
              "[Kerosene Start]\nGlow Plug Volts=  1.5V\nRPM Ignition =  8.000\n"
              "Pump Power Ignition=  60\nIgnition Timeout=  10.5s\nEngine Fuel Preheat=  30%\n"
              "Preheat RPM=  12.000\nEGT End Preheat=  200\u00BAC\nFlow to Engine S/O=  45%\n"
              "Fuel Ramp RPM=  15.000\n\n"
              "[Radio]\nRC Pulse 100%= 1900uS\nRC Pulse 0%= 1100uS\nIdle Position=  1259uS\n"
              "RC Pulse Current= n/a\nCommand RPM=  n/a\nThrottle curve= Thrust Lineal\n\n"
              "[Pump Performance]\nPump Idle Pw=  320\nPump Max Pw=  816\n\n"
              "[Run]\nMax  RPM=  120.000\nIdle RPM=  35.000\nStop RPM=  30.000\n"
              "Min EGT=  300\u00BAC\nMax EGT=  760\u00BAC\nAccel Delay=  14\nDecel Delay=  12\n"
              "Stability Delay=  10\nPump Limit=  800\n\n");
}

TEST(SummaryCommand, RefusesABadCloneFileNamingTheLine) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("bad.nvc").toStdString();
    {
        std::ofstream file(path, std::ios::binary);
        for (int a = 16; a < 256; ++a) file << (a == 100 ? "300" : "1") << "\n";
    }
    const Printed printed = PrintClone(path);
    EXPECT_EQ(printed.status, 3);
    EXPECT_EQ(printed.out, "");
    EXPECT_EQ(printed.err.rfind("norva: " + path + ":85: ", 0), 0u) << printed.err;
    EXPECT_NE(printed.err.find("address 100"), std::string::npos) << printed.err;
}

TEST(SummaryCommand, UpwardSimulatedUnitShowsEveryFrame) {
    SimBackend backend(sim::SimOptions{false, 1000, 1});
    Link link(backend);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunSummary(link, out, err);
    const std::string text = Drain(out);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Drain(err), "");
    EXPECT_EQ(text.rfind("[Status]\nData Read OK\n\n[Welcome Screen]\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n[Gas Start]\nGlow Plug Volts="), std::string::npos) << text;
    EXPECT_NE(text.find("\nStability Delay= "), std::string::npos) << text;
    EXPECT_NE(text.find("\nRC Pulse Current="), std::string::npos) << text;
    EXPECT_EQ(text, Expected(backend.unit(), link));
}

TEST(SummaryCommand, DownwardSimulatedUnitShowsTheReducedLayout) {
    SimBackend backend(sim::SimOptions{true, 1000, 1});
    Link link(backend);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(RunSummary(link, out, err), 0);
    const std::string text = Drain(out);
    Drain(err);
    EXPECT_TRUE(link.BackupDownward);
    EXPECT_EQ(text.find("[Gas Start]"), std::string::npos) << text;
    for (const char* gone : {"Stability Delay=", "Low Batt Volts=", "Start Mode=", "Command RPM=",
                             "RC Pulse Current=", "EGT End Preheat="})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
    EXPECT_NE(text.find("\n[Kerosene Start]\nGlow Plug Volts="), std::string::npos) << text;
    EXPECT_EQ(text, Expected(backend.unit(), link));
}

TEST(SummaryCommand, GivesUpWhenNoImageArrives) {
    norva::testing::FakeBackend bus;  // no unit plugged in
    const Printed printed = RunOn(bus, 300);
    EXPECT_EQ(printed.status, 2);
    EXPECT_EQ(printed.out, "");
    EXPECT_NE(printed.err.find("did not arrive within 0.3 s (0 of 256 bytes"), std::string::npos)
        << printed.err;
}
