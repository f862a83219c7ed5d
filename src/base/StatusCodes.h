#pragma once
// The unit's status codes (the cause of its last shutdown, image byte 3) as 8-character texts.

#include <cstdint>
#include <string>

namespace norva {

// Run-log header rendering: codes 1 to 29 give their 8-character text, 30 and 31 give
// "Unknown " (trailing blank included), every other code (0, negative, 32 and up) nothing.
std::string EtiqNrv(int16_t NumEti);

// Parameter summary rendering: codes 0 to 29 give their text, code 0 included ("TempHigh");
// every other code gives "Unknown" without a trailing blank.
std::string ShutdownCauseText(int code);

}  // namespace norva
