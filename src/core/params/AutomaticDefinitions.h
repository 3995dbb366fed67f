#pragma once

#include <cstddef>
#include <optional>

#include "core/params/Parameter.h"

namespace rovik {

// Ready-made parameters for the PIDs vehicles commonly send, which the PID Sniffer adds
// to the table at the user's request.
class AutomaticDefinitions {
public:
    // The definition for this PID (the last one when several match); none when the table
    // has no row for it.
    static std::optional<Parameter> For(unsigned pid);
    static std::size_t Count();
    // The row at this place, offset 0 and multiplier 1.
    static Parameter At(std::size_t index);
};

}  // namespace rovik
