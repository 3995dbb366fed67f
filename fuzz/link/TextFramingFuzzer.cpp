// Reads any bytes as the text lines of the USB and Wi-Fi boxes: "J" and "R" messages, the
// statistics, version and register lines. An odd first byte also plays the input back as a
// recording does, where a high byte drops the line collected so far.
#include "link/FramingInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rovik::fuzz::FramingInput input(false);
    input.Framer().SetHighByteClearsLine(size > 0 && (data[0] & 1) != 0);
    input.Feed(data, size);
    return 0;
}
