#pragma once
// Drawing the dials and bars of the main window, and the texts of its value labels. Pure
// functions of the live values, so the window only hands them a canvas and a label.

#include <QColor>
#include <QString>
#include <cstdint>

#include "link/Link.h"
#include "ui/Canvas.h"

namespace norva {

enum class DialKind { Speed, Temperature };

// The face: ring, coloured arc, ticks and scale numbers.
void DrawDial(Canvas& canvas, DialKind kind, float fullSpeed);
// The needle from the centre to radius 60, on a canvas already scaled as the face.
void DrawNeedle(Canvas& canvas, int angle);
// A bar of 0..100 on a 200 x 100 area, filled from the bottom.
void DrawBar(Canvas& canvas, double percent, const QColor& colour);

// Red when the stick stands at or above its idle position (image byte 59), pale yellow below.
QColor StickBarColour(int stickPosition, uint8_t idlePositionByte);

// The value labels, as the main window shows them.
struct LiveTexts {
    QString speed;        // Label5, "###,##0"
    QString temperature;  // Label9, "###" and "ºC"
    QString stick;        // Text1
    QString pump;         // Text2
    QString current;      // Label6, "#0.0" and "A"
    QString voltage;      // Label7, "##.0" and "V"
    QString line1;        // Label11
    QString line2;        // Label2
};
LiveTexts MakeLiveTexts(const Link& link);
// As the labels read before any unit has been found: the values nought, the terminal saying
// none is there.
LiveTexts NoUnitTexts();

// What a screen reader says for each dial, bar and value label: what it shows, then the value
// the texts show ("Engine speed 120,000 RPM"); the caption alone for empty texts.
LiveTexts MakeLiveNames(const LiveTexts& shown);

// The connection label: "Not connected" until the first poll, then "Disconnected" (red),
// "Connected" (green) or "Downloading" (blue).
QString ConnectionCaption(LinkState state);
QColor ConnectionColour(LinkState state);

// The backup progress label: "Data Backup= " and the share of the image in sequence,
// Str-style with its leading blank below 100 %, "Data Backup= 100%" once complete.
QString BackupProgressText(int backupByteCount);

}  // namespace norva
