#include "link/hid/ReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace norva {

namespace {

// Item tags we act on (HID 1.11, section 6.2.2).
enum ItemType : uint8_t { kMain = 0, kGlobal = 1 };
constexpr uint8_t kTagInput = 0x8;
constexpr uint8_t kTagOutput = 0x9;
constexpr uint8_t kTagFeature = 0xB;
constexpr uint8_t kTagReportSize = 0x7;
constexpr uint8_t kTagReportId = 0x8;
constexpr uint8_t kTagReportCount = 0x9;
constexpr uint8_t kTagPush = 0xA;
constexpr uint8_t kTagPop = 0xB;
constexpr uint8_t kLongItemPrefix = 0xFE;

// No real report comes near this; it keeps the bit sums far from overflow.
constexpr uint64_t kMaxReportBits = 1u << 20;
constexpr size_t kMaxPushDepth = 64;

struct GlobalState {
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

int LongestBytes(const std::map<uint32_t, uint64_t>& bitsById) {
    uint64_t longest = 0;
    for (const auto& [id, bits] : bitsById) longest = std::max(longest, bits);
    if (bitsById.empty()) return 0;
    return static_cast<int>((longest + 7) / 8) + 1;
}

}  // namespace

std::optional<ReportDescriptorSummary> ParseReportDescriptor(std::span<const uint8_t> descriptor) {
    if (descriptor.empty()) return std::nullopt;
    GlobalState global;
    std::vector<GlobalState> stack;
    std::map<uint32_t, uint64_t> inputBits, outputBits;
    bool numbered = false;

    size_t pos = 0;
    while (pos < descriptor.size()) {
        const uint8_t prefix = descriptor[pos];
        if (prefix == kLongItemPrefix) {
            // Long items carry nothing we count; skip their data.
            if (pos + 3 > descriptor.size()) return std::nullopt;
            size_t dataSize = descriptor[pos + 1];
            if (pos + 3 + dataSize > descriptor.size()) return std::nullopt;
            pos += 3 + dataSize;
            continue;
        }
        static constexpr size_t kDataSizes[4] = {0, 1, 2, 4};
        const size_t size = kDataSizes[prefix & 0x3];
        const uint8_t type = (prefix >> 2) & 0x3;
        const uint8_t tag = prefix >> 4;
        if (pos + 1 + size > descriptor.size()) return std::nullopt;
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(descriptor[pos + 1 + i]) << (8 * i);
        pos += 1 + size;

        if (type == kMain && (tag == kTagInput || tag == kTagOutput)) {
            uint64_t bits = uint64_t{global.reportSize} * global.reportCount;
            auto& table = tag == kTagInput ? inputBits : outputBits;
            uint64_t& sum = table[global.reportId];
            sum += bits;
            if (sum > kMaxReportBits) return std::nullopt;
        } else if (type == kMain && tag == kTagFeature) {
            // Feature reports do not travel through reads and writes.
        } else if (type == kGlobal) {
            switch (tag) {
                case kTagReportSize:
                    global.reportSize = value;
                    break;
                case kTagReportCount:
                    global.reportCount = value;
                    break;
                case kTagReportId:
                    if (value == 0) return std::nullopt;  // ID 0 is reserved
                    global.reportId = value;
                    numbered = true;
                    break;
                case kTagPush:
                    if (stack.size() >= kMaxPushDepth) return std::nullopt;
                    stack.push_back(global);
                    break;
                case kTagPop:
                    if (stack.empty()) return std::nullopt;
                    global = stack.back();
                    stack.pop_back();
                    break;
                default:
                    break;
            }
        }
        if (global.reportSize > kMaxReportBits || global.reportCount > kMaxReportBits)
            return std::nullopt;
    }
    ReportDescriptorSummary summary;
    summary.lengths = {LongestBytes(inputBits), LongestBytes(outputBits)};
    summary.numberedReports = numbered;
    return summary;
}

std::optional<HidReportLengths> ReportLengthsFromDescriptor(std::span<const uint8_t> descriptor) {
    auto summary = ParseReportDescriptor(descriptor);
    if (!summary) return std::nullopt;
    return summary->lengths;
}

}  // namespace norva
