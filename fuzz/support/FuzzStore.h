#pragma once

#include <unistd.h>

#include <string>

#include "core/values/ValueStore.h"

namespace rovik::fuzz {

// One value store for the whole run, in a block named for this process so that runs side by
// side never share one. What earlier inputs stored changes no decoding path.
inline ValueStore& FuzzStore() {
    static ValueStore store("/RovikFuzz-" + std::to_string(::getpid()));
    return store;
}

}  // namespace rovik::fuzz
