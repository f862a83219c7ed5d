#pragma once
// The unit's state as a scripted unit would have brought it: tests and benchmarks set it
// directly, where the program only reads it.
#include "link/UnitValue.h"

namespace norva::testing {

struct UnitStateAccess {
    template <typename T>
    static T& Of(UnitValue<T>& value) {
        return value.mut();
    }
};

template <typename T>
T& Writable(UnitValue<T>& value) {
    return UnitStateAccess::Of(value);
}

}  // namespace norva::testing
