#pragma once
// Report lengths from a raw HID report descriptor, counted the way the session expects them:
// the longest report of each direction in bytes, plus one for the report-ID byte (which is
// counted even when the device numbers no reports, as Windows does).

#include <cstdint>
#include <optional>
#include <span>

#include "link/hid/HidBackend.h"

namespace norva {

struct ReportDescriptorSummary {
    HidReportLengths lengths;      // 0 for a direction without any report
    bool numberedReports = false;  // the descriptor declares report IDs
};

// nullopt for a malformed descriptor (truncated item, Pop without Push, absurd sizes).
std::optional<ReportDescriptorSummary> ParseReportDescriptor(std::span<const uint8_t> descriptor);

std::optional<HidReportLengths> ReportLengthsFromDescriptor(std::span<const uint8_t> descriptor);

}  // namespace norva
