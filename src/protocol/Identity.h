#pragma once
// What a HID interface says of itself: who made it and how long its reports are. The unit is
// vendor 0x04D8, product 0xFB59, with 65-byte reports both ways.

#include <cstdint>

namespace norva {

struct HidIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// Lengths include the report-ID byte, as the session counts them.
struct HidReportLengths {
    int input = 0;
    int output = 0;
};

}  // namespace norva
