#include "params/WelcomeText.h"

#include "link/Link.h"
#include "params/ImageLayout.h"

namespace norva {

namespace {
constexpr int kSlotsPerReport = 6;
constexpr int kReportsWaited = 2;

// The byte of a character in the unit's character set (Windows-1252), if it has one. The
// control characters of the 0x80..0x9F block are not characters anyone means to type.
std::optional<uint8_t> ToByte(QChar c) {
    const char16_t u = c.unicode();
    if (u == 0 || (u >= 0x80 && u < 0xA0)) return std::nullopt;
    for (int b = 1; b < 256; ++b)
        if (params::AnsiChar(static_cast<uint8_t>(b)) == u) return static_cast<uint8_t>(b);
    return std::nullopt;
}
}  // namespace

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
