#include "base/Windows1252.h"

#include <array>

namespace norva {

namespace {
// Windows-1252 where it differs from Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char16_t AnsiChar(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

std::optional<uint8_t> AnsiByte(QChar c) {
    const char16_t u = c.unicode();
    if (u == 0 || (u >= 0x80 && u < 0xA0)) return std::nullopt;
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) return static_cast<uint8_t>(u);
    for (int i = 0; i < static_cast<int>(kCp1252High.size()); ++i)
        if (kCp1252High[i] == u) return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

QString AnsiText(std::span<const uint8_t> bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (uint8_t b : bytes) text += QChar(b == 0 ? u' ' : AnsiChar(b));
    return text;
}

}  // namespace norva
