// Reads any bytes as MESSAGE.DAT and checks that what it read is saved and loaded unchanged.
#include "core/alarms/TextMessage.h"
#include "support/CountedRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CountedRoundTrip<rovik::TextMessage>(data, size);
}
