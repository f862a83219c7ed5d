#pragma once
// Writing the unit's two-line welcome screen: 2 x 16 one-byte characters at image addresses
// 176..207 in the Windows-1252 character set, sent with six paced reports. Reading it back is
// params::WelcomeLine.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "base/Task.h"
#include "config/WriteGate.h"
#include "protocol/AddressMap.h"

namespace norva {

constexpr int kWelcomeFirstAddress = cell::kWelcomeFirst;
constexpr int kWelcomeLineLength = 16;
constexpr int kWelcomeLength = cell::kWelcomeCount;
static_assert(kWelcomeLength == 2 * kWelcomeLineLength);

using WelcomeBytes = std::array<uint8_t, kWelcomeLength>;

// Both lines padded with blanks (and cut) to 16 characters each, as the unit stores them.
// Nothing when a character has no Windows-1252 byte; `bad` then holds the first such one.
std::optional<WelcomeBytes> EncodeWelcome(const QString& line1, const QString& line2,
                                          char32_t* bad = nullptr);
// The refusal of such a character, named and with its code: "... "😀" (U+1F600) ...".
QString CannotShowText(char32_t c);

// Through the write gate: the unit's image and its backup, then the 32 bytes in six reports of
// up to six write slots, two input reports waited before each, then BackupByteCount cleared so
// the image is assembled afresh with the new text, and the unit's confirmation of all 32 cells.
// The busy pointer and "Writing k of 6" show meanwhile. When the unit is lost or the user
// cancels, it stops there and says how far it got.
Task<OpStatus> WriteWelcome(Services s, WelcomeBytes bytes, WriteOptions options = {});

}  // namespace norva
