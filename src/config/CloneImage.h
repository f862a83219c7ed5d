#pragma once
// Clone files (.nvc): one decimal value per line for addresses 16 to 255 of the configuration
// image, nothing else. Read back checked whole before anything uses it, so a bad file is
// refused with its name and line rather than half read.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/ImageLayout.h"

namespace norva::params {

using Image = std::array<uint8_t, kImageSize>;

// The file's values at their addresses, the cells below 16 zero. Lines end in LF or CR LF;
// empty lines after the last value are allowed. nullopt with "NAME:LINE: why" in error.
std::optional<Image> ParseCloneText(std::string_view text, const std::string& name,
                                    std::string& error);
std::optional<Image> ReadCloneFile(const std::string& path, std::string& error);

// The 240 lines of a clone file of the image, addresses 16 to 255.
std::vector<std::string> CloneLines(std::span<const uint8_t> image);

}  // namespace norva::params
