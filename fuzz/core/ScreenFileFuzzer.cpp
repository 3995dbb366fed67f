// Reads any bytes as a screen file, writes the screen it read and reads that again. The second
// reading must give the same screen, or a saved screen would not be the one the user had.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/app/ScreenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rovik::Screen;
    using rovik::ScreenFile;
    const Screen first = ScreenFile::FromBytes(std::vector<std::uint8_t>(data, data + size));
    const Screen second = ScreenFile::FromBytes(ScreenFile::ToBytes(first));
    if (!(second == first)) {
        std::abort();
    }
    return 0;
}
