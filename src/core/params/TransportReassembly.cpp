#include "core/params/TransportReassembly.h"

#include <algorithm>

namespace rovik {

namespace {
// Only these control bytes announce a message; the others answer or end a transfer.
constexpr std::uint8_t kRequestToSend = 16;
constexpr std::uint8_t kBroadcastAnnounce = 32;
}  // namespace

void TransportReassembly::Announce(const J1939Frame& frame) {
    const auto& d = frame.data;
    if ((d[0] != kRequestToSend && d[0] != kBroadcastAnnounce) || d[3] > kMaxPackets) {
        return;
    }
    active = true;
    packetsReceived = 0;
    totalPackets = d[3];
    totalSize = static_cast<std::uint16_t>(d[1] + 256 * d[2]);
    pgn = d[5] + 256u * d[6] + 65536u * d[7];
    buffer.fill(0xFF);
}

bool TransportReassembly::AddPacket(const J1939Frame& frame) {
    if (!active) {
        return false;
    }
    ++packetsReceived;
    // Sequence numbers start at 1; 0 and anything past the last packet copy nothing.
    const std::uint8_t place = static_cast<std::uint8_t>(frame.data[0] - 1);
    if (place < kMaxPackets) {
        std::copy(frame.data.begin() + 1, frame.data.end(),
                  buffer.begin() + place * kBytesPerPacket);
    }
    if (packetsReceived != totalPackets) {
        return false;
    }
    active = false;
    return true;
}

}  // namespace rovik
