#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/Monitor.h"
#include "link/hid/SimBackend.h"
#include "support/Drain.h"
#include "support/FakeBackend.h"
#include "support/UnitStateAccess.h"

using namespace norva;
using namespace norva::testing;

TEST(MonitorCsv, HeaderIsExact) {
    EXPECT_EQ(MonitorCsvHeader(),
              "t_ms,connected,line1,line2,EngineSpeed,Egt,PumpPower,StickPosition,"
              "BatteryVoltage,BatteryCurrent,Pressure,PressureRaw,ReceiverPulse,ReplyAddress,"
              "ReplyValue,BackupByteCount,BackupDescending");
}

TEST(MonitorCsv, RowQuotesTerminalLinesAndWritesPlainNumbers) {
    FakeBackend bus;
    int64_t now = 0;
    Link link(bus, [&] { return now; });
    // A comma and quotes need RFC 4180 quoting; the NULs after the texts print as blanks; an
    // escape sequence (here one that would clear the user's screen) is printed escaped.
    Report r = LiveReport("Idle, \"ok\"  35k", "EGT 640\x1B[2J");
    r[35] = 7;
    r[36] = 47;
    r[49] = 0xD3;  // 1235 hundreds of RPM
    r[50] = 0x04;
    bus.add("unit").reports.push_back(r);
    link.PollTick();
    EXPECT_EQ(
        MonitorCsvRow(link, 1234),
        "1234,1,\"Idle, \"\"ok\"\"  35k \",EGT 640\\x1B[2J     ,123.5,640,50,100,12.36,42,0.9,"
        "100,1500,47,7,0,1");
}

TEST(MonitorCsv, UnitWithoutConnectionAndTheUnitsCharacterSet) {
    FakeBackend bus;
    Link link(bus);
    Writable(link.ReportText).assign(62, '\0');
    Writable(link.ReportText)[0] = static_cast<char>(0xB0);   // degree sign
    Writable(link.ReportText)[1] = static_cast<char>(0x80);   // euro sign, in Windows-1252 only
    Writable(link.ReportText)[16] = static_cast<char>(0x9C);  // oe
    Writable(link.ReportText)[17] = static_cast<char>(0x81);  // a C1 control code: escaped
    EXPECT_EQ(link.TerminalLine(0), QString::fromUtf8("°€") + QString(14, ' '));
    EXPECT_EQ(TerminalLine(link, 0), "\xC2\xB0\xE2\x82\xAC" + std::string(14, ' '));
    EXPECT_EQ(TerminalLine(link, 1), "\xC5\x93\\x81" + std::string(14, ' '));
    EXPECT_EQ(MonitorCsvRow(link, 0).substr(0, 4 + 5 + 14 + 1 + 2),
              "0,0,\xC2\xB0\xE2\x82\xAC" + std::string(14, ' ') + ",\xC5\x93");
}

TEST(MonitorRun, PrintsOneLinePerReportFromTheSimulatedUnit) {
    SimBackend backend(sim::SimOptions{false, 1000, 1});
    Link link(backend);
    std::FILE* out = std::tmpfile();
    std::FILE* status = std::tmpfile();
    MonitorOptions options;
    options.reports = 40;
    options.csv = true;
    Monitor monitor(link, options, out, status);
    EXPECT_EQ(monitor.run(), 0);
    EXPECT_EQ(monitor.lines(), 40);
    const std::string text = Drain(out);
    EXPECT_EQ(Drain(status), "norva: Connected\n");  // never "Disconnected" first
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, MonitorCsvHeader());
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_EQ(line.substr(line.find(',') + 1, 2), "1,") << line;
    }
    EXPECT_EQ(rows, 40);
}
