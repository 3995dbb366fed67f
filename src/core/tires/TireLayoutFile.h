#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tires/TireLayout.h"

namespace rovik {

// TIRES.DAT: one byte a wheel position, axle by axle, the sensor's number there or 'X' for
// none.
class TireLayoutFile {
public:
    static constexpr const char* kFileName = "TIRES.DAT";

    // Nullopt when the file cannot be read.
    static std::optional<TireLayout> Read(const std::string& path);
    // False, with the old file kept whole, when the file cannot be written.
    static bool Write(const std::string& path, const TireLayout& layout);

    // The positions the bytes hold; a byte of 16 or more, or one the file lacks, is none.
    static TireLayout FromBytes(const std::vector<std::uint8_t>& bytes);
    static std::vector<std::uint8_t> ToBytes(const TireLayout& layout);
};

}  // namespace rovik
