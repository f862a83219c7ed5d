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
#include "mainwin/SafetyBackup.h"
#include "ops/Operation.h"

namespace norva {

constexpr int kNrvCount = 71;
// The file's addresses, in file order.
std::span<const int> NrvAddresses();

// A parameter file checked whole: 71 whole numbers 0..255, one per line. nullopt with
// "NAME:LINE: why" in error.
std::optional<std::vector<long>> ReadParameterFile(const std::string& path, std::string& error);

// Reads each address from the unit (a read command, four reports, and up to twenty more with
// the question asked again when the answer has not come) and writes the file, whole, at the
// end. Asks for the file first.
Task<OpStatus> SaveParameterFile(Services s);

// The unit's menu access level, read from address 47: 7 is full access. 0 when the unit did
// not answer within three reports; nothing when the wait ended otherwise (lost, cancelled).
Task<std::optional<int>> CheckRights(Link& link);

// CheckRights, "Norva Write Protected" unless it is 7, then the file: asked for, checked
// whole, the unit's configuration backed up, and 71 single-cell writes.
Task<OpStatus> WriteParameterFile(Services s, WriteOptions options = {});

}  // namespace norva
