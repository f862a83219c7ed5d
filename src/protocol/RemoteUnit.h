#pragma once
// The wire form of a unit played by another process over TCP: a 12-byte hello ("NHID", then
// vendor ID, product ID, input and output report lengths as little-endian 16-bit numbers),
// then raw reports of exactly those lengths in each direction, nothing else.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/Identity.h"

namespace norva {

constexpr size_t kHelloSize = 12;
constexpr std::array<uint8_t, 4> kHelloMagic = {'N', 'H', 'I', 'D'};

struct RemoteHello {
    HidIdentity identity;
    HidReportLengths lengths;
};

inline std::array<uint8_t, kHelloSize> EncodeHello(const RemoteHello& hello) {
    std::array<uint8_t, kHelloSize> out{};
    for (size_t i = 0; i < kHelloMagic.size(); ++i) out[i] = kHelloMagic[i];
    const uint16_t fields[4] = {hello.identity.vendorId, hello.identity.productId,
                                static_cast<uint16_t>(hello.lengths.input),
                                static_cast<uint16_t>(hello.lengths.output)};
    for (size_t i = 0; i < 4; ++i) {
        out[4 + 2 * i] = static_cast<uint8_t>(fields[i] & 0xFF);
        out[5 + 2 * i] = static_cast<uint8_t>(fields[i] >> 8);
    }
    return out;
}

// nullopt for a short hello or a wrong magic. Zero-length reports are refused too: the
// stream could never be cut into them.
inline std::optional<RemoteHello> DecodeHello(std::span<const uint8_t> bytes) {
    if (bytes.size() < kHelloSize) return std::nullopt;
    for (size_t i = 0; i < kHelloMagic.size(); ++i)
        if (bytes[i] != kHelloMagic[i]) return std::nullopt;
    auto field = [&](size_t i) {
        return static_cast<uint16_t>(bytes[4 + 2 * i] | (bytes[5 + 2 * i] << 8));
    };
    RemoteHello hello{{field(0), field(1)}, {field(2), field(3)}};
    if (hello.lengths.input == 0 || hello.lengths.output == 0) return std::nullopt;
    return hello;
}

}  // namespace norva
