// Reads any bytes as ALARMS.DAT and checks that what it read is saved and loaded unchanged.
#include "core/alarms/Alarm.h"
#include "support/CountedRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CountedRoundTrip<rovik::Alarm>(data, size);
}
