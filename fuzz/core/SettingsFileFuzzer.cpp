// Reads any bytes as SETTINGS.DAT, writes the settings it read and reads that again. The
// second reading must give the same settings, or saving would change what the user had.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rovik::Settings;
    using rovik::SettingsFile;
    const Settings first = SettingsFile::FromBytes(std::vector<std::uint8_t>(data, data + size));
    const Settings second = SettingsFile::FromBytes(SettingsFile::ToBytes(first));
    // The writer always stores a placement; one the bytes lacked comes back as the default.
    Settings expected = first;
    expected.hasWindowPlacement = true;
    if (!(second == expected)) {
        std::abort();
    }
    return 0;
}
