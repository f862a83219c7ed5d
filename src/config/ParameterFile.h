#pragma once
// Parameter files (.nrv): 71 cells of one unit's configuration (addresses 16..31, 48..70 and
// 208..239), read from the unit one by one and written back one by one with single-cell
// commands. "Save parameters to a file" and "&Write parameters from a file".

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Task.h"
#include "config/WriteGate.h"
#include "ops/OperationTools.h"

namespace norva {

constexpr int kNrvCount = 71;
// The file's addresses, in file order.
std::span<const int> NrvAddresses();

// A parameter file checked whole: 71 whole numbers 0..255, one per line. nullopt with
// "NAME:LINE: why" in error.
std::optional<std::vector<long>> ReadParameterFile(const std::string& path, std::string& error);

// Reads each address from the unit (a read command, the answer taken as soon as it comes: within
// four reports, ten more, or ten after the question is asked once more) and writes the file,
// whole, at the end. Asks for the file first.
Task<OpStatus> SaveParameterFile(Services s);

// The unit's menu access level, read from address 47: 7 is full access. Reports queued before
// the unit saw the question may come first, so the answer is waited for (ten reports, then the
// question once more and ten again); 0 when it never came. Nothing when the wait ended otherwise
// (lost, cancelled).
Task<std::optional<int>> CheckRights(Link& link);

// Through the write gate: the unit's image, CheckRights ("Norva Write Protected" unless it is
// 7), the file asked for and checked whole, the changes asked for, the backup, 71 single-cell
// writes, and the unit's confirmation.
Task<OpStatus> WriteParameterFile(Services s, WriteOptions options = {});

}  // namespace norva
