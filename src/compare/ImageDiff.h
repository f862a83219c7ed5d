#pragma once
// What differs between two configuration images, one entry per quantity as the parameters
// window names it rather than per byte: multi-byte values joined, welcome lines as text, ramp
// and pump-curve rows by name; cells nothing names are listed by address at the end.

#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "protocol/ImageLayout.h"

namespace norva {

struct Difference {
    QString what;  // "Idle RPM", "Acceleration row 3 slope", "Address 120"
    QString a;     // the value in the first image, in display units
    QString b;     // in the second
    std::vector<int> addresses;
    bool operator==(const Difference&) const = default;
};

// The differences from `a` to `b` for one kind of unit, in address order of the layout table,
// then the unnamed cells. With `only` given, just those addresses are compared.
std::vector<Difference> CompareImages(std::span<const uint8_t> a, std::span<const uint8_t> b,
                                      params::UnitKind kind, std::span<const int> only = {});

// "Idle RPM: 35 thousand RPM -> 38 thousand RPM (address 50)"
std::string DifferenceLine(const Difference& difference);

// The lines for what a clone file holds, addresses 16 to 255: below them the unit keeps its own
// record of its last run, which no file carries.
std::vector<std::string> CloneDifferenceLines(std::span<const uint8_t> a,
                                              std::span<const uint8_t> b, params::UnitKind kind);

}  // namespace norva
