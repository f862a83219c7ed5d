#pragma once
// The recording `--device replay:FILE` plays and the time chart's "Replay" starts: an exported
// run log read strictly, as `runlog runs` reads it.

#include <memory>
#include <string>

#include "link/hid/ReplayBackend.h"

namespace norva {

// Nothing, with "FILE:LINE: why" in error, for a file that is not an export.
std::shared_ptr<const ReplayRecording> ReadReplay(const std::string& path, std::string& error);

}  // namespace norva
