// Decodes any bytes as a run of J1939 messages, twelve bytes each: the sender's address, the
// PGN (high byte first) and eight data bytes. One decoder takes the whole run, so transport
// sessions of several senders open, interleave and close across messages.
#include <cstddef>
#include <cstdint>

#include "core/params/J1939Decoder.h"
#include "support/CheckedFaults.h"
#include "support/FuzzStore.h"

namespace {
constexpr std::size_t kMessageSize = 12;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rovik::fuzz::CheckedFaults faults;
    rovik::J1939Decoder decoder(rovik::fuzz::FuzzStore());
    decoder.SetFaultRecorder(&faults);
    for (std::size_t at = 0; at + kMessageSize <= size; at += kMessageSize) {
        const std::uint8_t* message = data + at;
        rovik::J1939Frame frame;
        frame.sourceAddress = message[0];
        frame.pgn = std::uint32_t{message[1]} << 16 | std::uint32_t{message[2]} << 8 | message[3];
        for (std::size_t i = 0; i < frame.data.size(); ++i) {
            frame.data[i] = message[4 + i];
        }
        decoder.DecodeJ1939(frame);
    }
    return 0;
}
