// Decodes any bytes as one checked J1708 message (MID first, checksum last) from the source
// slot the first byte chooses, as the framing hands it to the decoder.
#include <cstddef>
#include <cstdint>

#include "core/params/J1587Decoder.h"
#include "support/CheckedFaults.h"
#include "support/FuzzStore.h"

namespace {
constexpr std::size_t kShortestMessage = 2;
constexpr int kSlots = 4;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + kShortestMessage) {
        return 0;
    }
    rovik::fuzz::CheckedFaults faults;
    rovik::J1587Decoder decoder(rovik::fuzz::FuzzStore());
    decoder.SetFaultRecorder(&faults);
    decoder.DecodeJ1587(rovik::J1708Frame{data + 1, size - 1}, data[0] % kSlots);
    return 0;
}
