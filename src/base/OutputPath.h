#pragma once
// Whether a file can be written where the user asked, checked before any work is done: a
// download or a save that would only fail at its end is refused at once.

#include <string>

namespace norva {

// True when `path` can be created or replaced; otherwise false with "PATH: why" in error.
bool CheckOutputPath(const std::string& path, std::string& error);

}  // namespace norva
