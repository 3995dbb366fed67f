#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace rovik {

// Whole-file calls on the platform's file system.
class FileSystem {
public:
    // Every byte of the file; none when it cannot be opened or read.
    static std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path);
    // Up to count bytes from the start of a regular file; none from anything else, which might
    // never answer (a pipe) or hold no data (a folder).
    static std::optional<std::vector<std::uint8_t>> ReadStart(const std::string& path,
                                                              std::size_t count);
    // Writes the bytes to a temporary file beside the target, flushes it to the disk and
    // renames it over the target, so a crash or a full disk never leaves half a file. False
    // (the old file untouched) when any step fails.
    static bool Replace(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // Makes a new file holding the bytes. Never touches a file that is there
    // (std::errc::file_exists), and removes a new one that could not be written whole.
    static std::error_code CreateNew(const std::string& path, const std::string& bytes);
    static bool Exists(const std::string& path);
};

}  // namespace rovik
