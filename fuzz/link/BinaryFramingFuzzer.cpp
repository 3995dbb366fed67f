// Reads any bytes as the binary stream of the RS-232 box: J1708 frames ended by runs of
// 0xFF, checked, the box's statistics frames and the vehicle's messages decoded.
#include "link/FramingInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rovik::fuzz::FramingInput input(true);
    input.Feed(data, size);
    return 0;
}
