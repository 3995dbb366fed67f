#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "vxbsim/J1939Frame.h"

namespace vxbsim {

// Sends a J1939 message longer than eight bytes to every node, as the transport protocol's
// broadcast announce (BAM) and its numbered data packets.
class TransportSender {
public:
    static constexpr std::uint32_t kAnnouncePgn = 0x00ECFF;  // TP.CM to the global address
    static constexpr std::uint32_t kDataPgn = 0x00EBFF;      // TP.DT to the global address
    static constexpr std::uint8_t kBroadcastAnnounce = 32;
    static constexpr std::size_t kBytesPerPacket = 7;
    static constexpr std::size_t kMaxSize = 255 * kBytesPerPacket;

    // The announce, then the packets numbered from 1, the last one filled with 0xFF. Nothing
    // for a message of 8 bytes or less (it fits one frame) or of more than kMaxSize.
    static std::vector<J1939Frame> Broadcast(std::uint8_t source, std::uint32_t pgn,
                                             const std::vector<std::uint8_t>& payload);
};

}  // namespace vxbsim
