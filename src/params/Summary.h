#pragma once
// The parameter summary of a configuration image: every line of text the parameters window
// shows, in its frame, with the rules of the two unit kinds. Pure: the window, the
// `norva summary` command and the tests all read the same lines.

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace norva {
class Link;
}

namespace norva::params {

// The frames, in the order the summary command prints them.
enum class Frame { Status, Welcome, Start, GasStart, LastRun, Kerosene, Radio, Pump, Run };
constexpr int kFrameCount = 9;

QString FrameCaption(Frame frame);

// The summary counts the image complete one byte later than the files do.
constexpr int kSummaryCompleteCount = 256;  // "Status", "Welcome Screen", "Start", "Gas Start", ...

struct SummaryInput {
    std::span<const uint8_t> image;  // at least 256 bytes: BackupImage
    int backupByteCount = 0;
    bool downward = false;    // a downward unit: the reduced layout
    int stickPosition = 0;    // percent, live
    float receiverPulse = 0;  // microseconds, live
    // A clone file: it holds neither cells 0..15 (last shutdown, receiver errors) nor live
    // values, so their lines say "n/a" rather than show what is not there.
    bool cloneFile = false;
};

// What the summary reads of the device link: the image and the two live receiver values.
SummaryInput SummaryInputOf(const Link& link);

// Where a line lives in the window.
struct LinePlace {
    const char* id;
    const char* control;
    Frame frame;
};
// Every line, in the order MakeSummary fills them; within a frame that is top to bottom.
std::span<const LinePlace> SummaryLinePlaces();

struct SummaryLine {
    const char* id;       // "U1", "S3", "W1", "P2", ...
    const char* control;  // the window's label: "Label1", ...
    Frame frame;
    QString text;
    bool hidden = false;  // hidden by the reduced layout
};

struct Summary {
    bool complete = false;  // BackupByteCount >= 256
    bool reduced = false;
    QString status;       // "Data Read OK" or "Reading data= …%"
    QColor statusColour;  // green when complete, yellow while reading
    std::array<bool, kFrameCount> frameVisible{};
    // In the order the window fills them: U1..U9, S1..S9, G1..G6, K1..K9, R1..R6, W1, W2,
    // L1..L9, P1, P2.
    std::vector<SummaryLine> lines;

    const SummaryLine* line(const char* id) const;
};

Summary MakeSummary(const SummaryInput& input);

// Line R5 alone: the speed the stick position commands.
QString CommandedSpeedText(int idlePositionByte, int idleSpeed, int fullSpeed, int stick);

}  // namespace norva::params
