// Reads any bytes as TIRES.DAT, writes the layout it read and reads that again. The second
// reading must give the same layout and the same file, or a layout saved from the Tire Status
// dialog would not be the one the user had.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/tires/TireLayoutFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rovik::TireLayout;
    using rovik::TireLayoutFile;
    const TireLayout first =
        TireLayoutFile::FromBytes(std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::uint8_t> written = TireLayoutFile::ToBytes(first);
    const TireLayout second = TireLayoutFile::FromBytes(written);
    if (!(second == first) || written.size() != TireLayout::kPositions ||
        TireLayoutFile::ToBytes(second) != written) {
        std::abort();
    }
    return 0;
}
