#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/Settings.h"

namespace rovik {

// SETTINGS.DAT: reads every layout the file has had and always writes the newest, whole.
class SettingsFile {
public:
    static constexpr const char* kFileName = "SETTINGS.DAT";

    explicit SettingsFile(std::string path = kFileName) : path(std::move(path)) {}

    // The file's settings. A missing or unreadable file gives the defaults; a file that ends
    // early keeps the defaults of the fields it lacks.
    Settings Read() const;
    // Replaces the file in one step; false (and the old file untouched) when that fails.
    bool Write(const Settings& settings) const;

    static Settings FromBytes(const std::vector<std::uint8_t>& bytes);
    static std::vector<std::uint8_t> ToBytes(const Settings& settings);

private:
    std::string path;
};

}  // namespace rovik
