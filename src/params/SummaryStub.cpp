// TEMPORARY: a stand-in for the summary lines so the parameters window can be built and looked
// at before the real line rules arrive. Values are rough; only the shape of the result counts.
#include <cmath>
#include <cstring>

#include "base/NumberText.h"
#include "params/Summary.h"

namespace norva::params {

namespace {
struct StubLine {
    const char* id;
    const char* control;
    Frame frame;
    bool hidden;
    const char* caption;
    int address;
    const char* suffix;
};

// clang-format off
const StubLine kLines[] = {
    {"U1", "Label1", Frame::Run, false, "Max  RPM= ", 51, ".000"},
    {"U2", "Label2", Frame::Run, false, "Idle RPM= ", 50, ".000"},
    {"U3", "Label3", Frame::Run, false, "Stop RPM= ", 57, ".000"},
    {"U4", "Label4", Frame::Run, false, "Min EGT= ", 52, "\u00baC"},
    {"U5", "Label5", Frame::Run, false, "Max EGT= ", 53, "\u00baC"},
    {"U6", "Label6", Frame::Run, false, "Accel Delay= ", 56, ""},
    {"U7", "Label7", Frame::Run, false, "Decel Delay= ", 49, ""},
    {"U8", "Label8", Frame::Run, true, "Stability Delay= ", 55, ""},
    {"U9", "Label9", Frame::Run, false, "Pump Limit= ", 80, ""},
    {"S1", "Label10", Frame::Start, false, "Pump Start Point= ", 54, ""},
    {"S2", "Label11", Frame::Start, false, "Pump Start Ramp= ", 58, ""},
    {"S3", "Label12", Frame::Start, true, "Low Batt Volts= ", 81, "V"},
    {"S4", "Label13", Frame::Start, false, "Starter Power Ignition= ", 17, " ( 78%)"},
    {"S5", "Label14", Frame::Start, false, "Starter Power Fuel Ramp= ", 24, " ( 78%)"},
    {"S6", "Label15", Frame::Start, false, "RPM OFF Starter= ", 23, ".000"},
    {"S7", "Label16", Frame::Start, false, "RPM 100% Starter Power= ", 25, ".000"},
    {"S8", "Label17", Frame::Start, false, "RPM Reconnect Starter= ", 31, ".000"},
    {"S9", "Label18", Frame::Start, true, "Start Mode=", 87, ""},
    {"G1", "Label19", Frame::GasStart, false, "Glow Plug Volts= ", 70, "V"},
    {"G2", "Label20", Frame::GasStart, false, "Start Gas Flow= ", 75, "%"},
    {"G3", "Label21", Frame::GasStart, false, "Ignition Min RPM= ", 19, ".000"},
    {"G4", "Label25", Frame::GasStart, false, "Ignition Max RPM= ", 18, ".000"},
    {"G5", "Label26", Frame::GasStart, false, "Preheat Time= ", 20, "s"},
    {"G6", "Label27", Frame::GasStart, false, "Gas OFF RPM= ", 22, ".000"},
    {"K1", "Label22", Frame::Kerosene, false, "Glow Plug Volts= ", 94, "V"},
    {"K2", "Label23", Frame::Kerosene, false, "RPM Ignition = ", 82, ".000"},
    {"K3", "Label24", Frame::Kerosene, true, "Pump Power Ignition= ", 83, ""},
    {"K4", "Label28", Frame::Kerosene, true, "Ignition Timeout= ", 33, "s"},
    {"K5", "Label29", Frame::Kerosene, true, "Engine Fuel Preheat= ", 91, "%"},
    {"K6", "Label30", Frame::Kerosene, false, "Preheat RPM= ", 86, ".000"},
    {"K7", "Label31", Frame::Kerosene, true, "EGT End Preheat= ", 85, "\u00baC"},
    {"K8", "Label32", Frame::Kerosene, true, "Flow to Engine S/O= ", 84, "%"},
    {"K9", "Label33", Frame::Kerosene, false, "Fuel Ramp RPM= ", 89, ".000"},
    {"R1", "Label34", Frame::Radio, false, "RC Pulse 100%=", 60, "uS"},
    {"R2", "Label35", Frame::Radio, false, "RC Pulse 0%=", 62, "uS"},
    {"R3", "Label36", Frame::Radio, false, "Idle Position= ", 59, "uS"},
    {"R4", "Label37", Frame::Radio, true, "RC Pulse Current=", 0, "uS 0%"},
    {"R5", "Label38", Frame::Radio, true, "Command RPM= ", 50, ".000"},
    {"R6", "Label39", Frame::Radio, false, "Throttle curve=", 93, ""},
    {"W1", "Label40", Frame::Welcome, false, nullptr, 176, ""},
    {"W2", "Label41", Frame::Welcome, false, nullptr, 192, ""},
    {"L1", "Label42", Frame::LastRun, false, "Cycle= ", 64, ""},
    {"L2", "Label43", Frame::LastRun, false, "Last Run time= ", 65, " s"},
    {"L3", "Label44", Frame::LastRun, false, "Total engine time= ", 67, " hours"},
    {"L4", "Label45", Frame::LastRun, false, "Last shutdown cause=", 3, ""},
    {"L5", "Label46", Frame::LastRun, false, "Last shutdown RPM= ", 5, ".000"},
    {"L6", "Label47", Frame::LastRun, false, "Last shutdown EGT= ", 4, "\u00baC"},
    {"L7", "Label48", Frame::LastRun, false, "Last shutdown Pump= ", 6, ""},
    {"L8", "Label49", Frame::LastRun, false, "RX Errors= ", 10, ""},
    {"L9", "Label50", Frame::LastRun, false, "RX Error time= ", 9, " s"},
    {"P1", "Label51", Frame::Pump, false, "Pump Idle Pw= ", 208, ""},
    {"P2", "Label52", Frame::Pump, false, "Pump Max Pw= ", 239, ""},
};
// clang-format on
}  // namespace

QString FrameCaption(Frame frame) {
    switch (frame) {
        case Frame::Status:
            return QStringLiteral("Status");
        case Frame::Welcome:
            return QStringLiteral("Welcome Screen");
        case Frame::Start:
            return QStringLiteral("Start");
        case Frame::GasStart:
            return QStringLiteral("Gas Start");
        case Frame::LastRun:
            return QStringLiteral("Last run");
        case Frame::Kerosene:
            return QStringLiteral("Kerosene Start");
        case Frame::Radio:
            return QStringLiteral("Radio");
        case Frame::Pump:
            return QStringLiteral("Pump Performance");
        case Frame::Run:
            return QStringLiteral("Run");
    }
    return {};
}

const SummaryLine* Summary::line(const char* id) const {
    for (const SummaryLine& l : lines)
        if (std::strcmp(l.id, id) == 0) return &l;
    return nullptr;
}

Summary MakeSummary(const SummaryInput& input) {
    Summary s;
    s.complete = input.backupByteCount >= 256;
    s.reduced = input.descending;
    if (s.complete) {
        s.status = QStringLiteral("Data Read OK");
        s.statusColour = QColor(0, 255, 0);
    } else {
        s.status = QStringLiteral("Reading data= ") +
                   QString::fromStdString(NumberText(std::floor(input.backupByteCount / 2.55))) +
                   QStringLiteral("%");
        s.statusColour = QColor(255, 255, 0);
    }
    for (int f = 0; f < kFrameCount; ++f)
        s.frameVisible[f] =
            static_cast<Frame>(f) == Frame::Status ||
            (s.complete && !(s.reduced && static_cast<Frame>(f) == Frame::GasStart));
    for (const StubLine& l : kLines) {
        QString text;
        if (!l.caption) {
            text = QString::fromLatin1(reinterpret_cast<const char*>(&input.image[l.address]), 16);
        } else {
            text = QString::fromUtf8(l.caption) +
                   QString::fromStdString(NumberText(input.image[l.address])) +
                   QString::fromUtf8(l.suffix);
        }
        s.lines.push_back({l.id, l.control, l.frame, text, s.reduced && l.hidden});
    }
    return s;
}

}  // namespace norva::params
