#pragma once

#include <optional>
#include <string>

#include "core/trip/FillBaseline.h"

namespace rovik {

// The 16-byte file that holds a tank minder's last fill: fuel used, then distance.
struct TankFile {
    // Nullopt when the file cannot be read or holds less than a whole baseline.
    static std::optional<FillBaseline> Read(const std::string& path);
    static bool Write(const std::string& path, const FillBaseline& baseline);
};

}  // namespace rovik
