#pragma once
// Numbers of the unit's USB protocol: identity, report lengths, the byte layout of the input
// report and of one command slot, the mode pair.

#include <array>
#include <cstdint>

#include "protocol/AddressMap.h"

namespace norva {

constexpr uint16_t kVendorId = 0x04D8;   // 1240
constexpr uint16_t kProductId = 0xFB59;  // 64345
constexpr int kReportLength = 65;        // report ID 0 + 64 data bytes, both directions
constexpr int kReadTimeoutMs = 6000;     // silence after which the unit counts as lost

// Byte positions of a normal-mode input report (byte 0 is the report ID).
namespace in {
constexpr int kLine1 = 3;   // 16 characters; 255 in its first byte: no unit behind the interface
constexpr int kLine2 = 19;  // 16 characters
constexpr int kLineLength = 16;
constexpr int kText = 3;  // bytes 3..64 are kept as the report text
constexpr int kStreamValue = 35;
constexpr int kStreamAddress = 36;
constexpr int kCurrent = 38;   // tenths of an ampere
constexpr int kPulseLow = 41;  // receiver pulse, then its high byte
constexpr int kPump = 43;      // 0..255
constexpr int kPressure = 44;  // raw
constexpr int kStick = 45;     // 0..255
constexpr int kEgt = 46;       // degrees C / 4
constexpr int kVoltage = 47;   // units of 0.06 V
constexpr int kSpeedLow = 49;  // hundreds of RPM, then its high byte
constexpr uint8_t kNoUnitMarker = 255;
// Download mode: bytes 1..32 are the next 32 bytes of the run log.
constexpr int kDownloadFirst = 1;
constexpr int kDownloadBytes = 32;
}  // namespace in

constexpr uint8_t kSync1 = 222;
constexpr uint8_t kSync2 = 223;
constexpr uint8_t kFunctionKey = 112;   // terminal key press, V = key code
constexpr uint8_t kFunctionRead = 113;  // read request, V = image address

constexpr int kSlotCount = 6;
constexpr int kSlotSize = 5;
constexpr int kModeByte = 30;   // 0 no change, 1 operating mode, 2 USB power
constexpr int kModeValue = 31;  // see kModeByte
constexpr uint8_t kModeOperating = 1;
constexpr uint8_t kModeUsbPower = 2;
constexpr uint8_t kOperatingNormal = 0;
constexpr uint8_t kOperatingDownload = 1;

// Calibration cells take a checksum one higher than the ordinary rule.
constexpr int kFirstCalibrationCell = cell::kCurrentOffset;
constexpr int kLastCalibrationCell = cell::kCalibrationClear;

// Terminal key codes as the unit knows them.
enum class TerminalKey : uint8_t { DataUp = 65, DataDown = 66, MenuUp = 67, MenuDown = 68 };

// (A + V) mod 256: the 16-bit sum never exceeds 510, so one subtraction is enough.
constexpr uint8_t Checksum(uint8_t a, uint8_t v) {
    int s = a + v;
    if (s > 255) s -= 256;
    return static_cast<uint8_t>(s);
}

constexpr uint8_t CalibrationChecksum(uint8_t a, uint8_t v) {
    return static_cast<uint8_t>((a + v + 1) % 256);
}

using SlotBytes = std::array<uint8_t, kSlotSize>;

constexpr SlotBytes CommandSlot(uint8_t a, uint8_t v) {
    return {kSync1, kSync2, a, v, Checksum(a, v)};
}

constexpr SlotBytes CalibrationSlot(uint8_t a, uint8_t v) {
    return {kSync1, kSync2, a, v, CalibrationChecksum(a, v)};
}

// A write slot the unit takes: its checksum is the one the unit wants for its cell (a clone
// file's ordinary slots for the calibration cells are not).
constexpr bool TakenByUnit(const SlotBytes& s) {
    const bool calibration = s[2] >= kFirstCalibrationCell && s[2] <= kLastCalibrationCell;
    return s[0] == kSync1 && s[1] == kSync2 &&
           s[4] == (calibration ? CalibrationChecksum(s[2], s[3]) : Checksum(s[2], s[3]));
}

// Byte 30/31 of the key frames: the Menu keys also ask for normal mode, the Data keys don't.
constexpr bool KeySetsNormalMode(TerminalKey key) {
    return key == TerminalKey::MenuUp || key == TerminalKey::MenuDown;
}

}  // namespace norva
