#include "params/WelcomeText.h"

#include "link/Link.h"

namespace norva {

namespace {
constexpr int kSlotsPerReport = 6;
constexpr int kReportsWaited = 2;

// Windows-1252: Latin-1 but for the 0x80..0x9F block, whose characters are these (0 = none).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar FromByte(uint8_t b) {
    if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80]) return QChar(kCp1252High[b - 0x80]);
    return QChar(b);
}

std::optional<uint8_t> ToByte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<uint8_t>(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] && kCp1252High[i] == u) return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}
}  // namespace

QString WelcomeLine(std::span<const uint8_t> image, int line) {
    QString text;
    const int first = kWelcomeFirstAddress + line * kWelcomeLineLength;
    for (int a = first; a < first + kWelcomeLineLength && a < static_cast<int>(image.size()); ++a)
        if (image[a] != 0) text += FromByte(image[a]);
    return text;
}

std::optional<WelcomeBytes> EncodeWelcome(const QString& line1, const QString& line2,
                                          QString* bad) {
    WelcomeBytes bytes;
    bytes.fill(' ');
    const QString lines[] = {line1.left(kWelcomeLineLength), line2.left(kWelcomeLineLength)};
    for (int l = 0; l < 2; ++l) {
        for (int i = 0; i < lines[l].size(); ++i) {
            const auto b = ToByte(lines[l][i]);
            if (!b) {
                if (bad) *bad = lines[l][i];
                return std::nullopt;
            }
            bytes[l * kWelcomeLineLength + i] = *b;
        }
    }
    return bytes;
}

Task WriteWelcome(Link& link, WelcomeBytes bytes) {
    for (int first = 0; first < kWelcomeLength; first += kSlotsPerReport) {
        co_await link.reports(kReportsWaited);
        // Cleared after the wait, not before it: the poll may have used the buffer meanwhile.
        link.OutputReportDataClear();
        for (int j = 0; j < kSlotsPerReport && first + j < kWelcomeLength; ++j) {
            const auto address = static_cast<uint8_t>(kWelcomeFirstAddress + first + j);
            link.SetSlot(j, CommandSlot(address, bytes[first + j]));
        }
        link.WriteReport();
    }
    link.BackupByteCount = 0;
}

}  // namespace norva
