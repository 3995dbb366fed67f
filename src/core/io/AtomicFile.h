#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rovik {

// Whole-file reads and writes of the program's data files. A write goes to a temporary file
// beside the target and is renamed over it, so a crash or a full disk never leaves half a
// file behind.
class AtomicFile {
public:
    static std::optional<std::vector<std::uint8_t>> Read(const std::string& path);
    // False (and the old file untouched) when any step fails.
    static bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes);
};

}  // namespace rovik
