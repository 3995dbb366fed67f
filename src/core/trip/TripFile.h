#pragma once

#include <optional>
#include <string>

#include "core/trip/Totals.h"

namespace rovik {

// The 24-byte file that holds where a trip began: fuel, hours, distance, in that order.
struct TripFile {
    // Nullopt when the file cannot be read or holds less than a whole baseline.
    static std::optional<Totals> Read(const std::string& path);
    static bool Write(const std::string& path, const Totals& baseline);
};

}  // namespace rovik
