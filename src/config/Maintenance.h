#pragma once
// The maintenance writes of the Manufacturer menu: the engine serial number and the engine
// timers. Downward units only: once the unit's image has come (and with it its kind), an
// upward unit is told it keeps neither, and the write is Refused. Each write keeps the
// unit's configuration first.

#include <QString>
#include <cstdint>
#include <optional>

#include "base/Task.h"
#include "config/WriteGate.h"

namespace norva {

// The number typed for a serial number: a whole number whose absolute value is 0..65535
// (a minus sign is dropped); nothing for anything else.
std::optional<uint16_t> SerialNumberValue(const QString& text);

// "Set Serial Number": asks for the number, waits one report, writes its high byte to 60 and
// its low byte to 59.
Task<OpStatus> SetSerialNumber(Services s, WriteOptions options = {});
// "Clear Service Timer": one report of zeros for 34..38.
Task<OpStatus> ClearServiceTimer(Services s, WriteOptions options = {});
// "Clear all timers": asks first, then three reports of zeros, for 32..37, 38..43 and 64..69.
Task<OpStatus> ClearAllTimers(Services s, WriteOptions options = {});

}  // namespace norva
