#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/link/BoxState.h"
#include "core/link/PacketFramer.h"
#include "core/tires/TireMonitor.h"
#include "support/CheckedFaults.h"
#include "support/FuzzStore.h"
#include "support/QuietLinkEvents.h"

namespace rovik::fuzz {

// A fresh framing, as a link has after it opens, fed with one input the way receive passes
// feed it: in reads of a size the input's first byte chooses (1 to 256), so frames and lines
// are cut across reads. Fault codes the decoders find are checked; tire frames are decoded
// with nowhere to send the commands that end a learn.
class FramingInput {
public:
    explicit FramingInput(bool binary) {
        framer.SetBinary(binary);
        framer.SetFaultRecorder(&faults);
        framer.SetTireMonitor(&tires);
    }

    PacketFramer& Framer() { return framer; }

    void Feed(const std::uint8_t* data, std::size_t size) {
        if (size == 0) {
            return;
        }
        const std::size_t chunk = data[0] + std::size_t{1};
        for (std::size_t at = 1; at < size; at += chunk) {
            framer.Consume(data + at, std::min(chunk, size - at));
        }
    }

private:
    BoxState box;
    QuietLinkEvents events;
    CheckedFaults faults;
    TireMonitor tires;
    PacketFramer framer{FuzzStore(), box, events};
};

}  // namespace rovik::fuzz
