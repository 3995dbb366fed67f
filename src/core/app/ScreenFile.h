#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Screen.h"

namespace rovik {

// Reads and writes screen files: tagged records of panels, wallpaper and text colour.
class ScreenFile {
public:
    // Nullopt when the file cannot be read. Reading stops, keeping what came before, at a
    // panel kind this program cannot read yet, since its record length is unknown; bytes
    // that are no tag at all are skipped.
    static std::optional<Screen> Read(const std::string& path);
    // Writes the panels, the wallpaper (its path cut to 255 bytes) if there is one, and the
    // text colour. False, with the old file kept whole, when the file cannot be written.
    static bool Write(const std::string& path, const Screen& screen);

    // The screen that the bytes of a file hold, read as Read does.
    static Screen FromBytes(const std::vector<std::uint8_t>& bytes);
    // The bytes that Write stores.
    static std::vector<std::uint8_t> ToBytes(const Screen& screen);
};

}  // namespace rovik
