#pragma once
// Reading a clone file (.nvc) back into a configuration image: one decimal value per line for
// addresses 16 to 255, nothing else. Checked whole before anything uses it, so a bad file is
// refused with its name and line rather than half read.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "params/ImageLayout.h"

namespace norva::params {

constexpr int kCloneFirstAddress = 16;
constexpr int kCloneLines = kImageSize - kCloneFirstAddress;  // 240

using Image = std::array<uint8_t, kImageSize>;

// The file's values at their addresses, the cells below 16 zero. Lines end in LF or CR LF;
// empty lines after the last value are allowed. nullopt with "NAME:LINE: why" in error.
std::optional<Image> ParseCloneText(std::string_view text, const std::string& name,
                                    std::string& error);
std::optional<Image> ReadCloneFile(const std::string& path, std::string& error);

}  // namespace norva::params
