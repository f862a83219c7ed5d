#pragma once
// The unit's character set: one byte a character, Windows-1252. The terminal lines, the
// welcome text and the run-log trailer all read and write text through this one table.

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace norva {

// One byte as Unicode. The five codes Windows-1252 leaves unassigned keep their C1 code
// points, as the system conversion does.
char16_t AnsiChar(uint8_t byte);

// The byte of a character, if the unit has one for it. NUL and the C1 control characters are
// not characters anyone means to type, so they have none.
std::optional<uint8_t> AnsiByte(QChar c);

// Bytes as text; a zero byte reads as a blank.
QString AnsiText(std::span<const uint8_t> bytes);

}  // namespace norva
