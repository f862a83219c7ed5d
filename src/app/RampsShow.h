#pragma once
// norva ramps show: a ramp file's table with its relative speeds, and its chart as a picture,
// without a unit.

#include <cstdio>
#include <string>

namespace norva {

// Exit status 0, or 3 with a message on err for a file that is not a ramp file, 1 when the
// picture cannot be written.
int ShowRampFile(const std::string& path, const std::string& png, std::FILE* out, std::FILE* err);

}  // namespace norva
