#include "vxbsim/TransportSender.h"

namespace vxbsim {

namespace {
J1939Frame Announce(std::uint8_t source, std::uint32_t pgn, std::size_t size, std::size_t packets) {
    J1939Frame frame{.source = source, .pgn = TransportSender::kAnnouncePgn};
    frame.data = {TransportSender::kBroadcastAnnounce,
                  static_cast<std::uint8_t>(size),
                  static_cast<std::uint8_t>(size >> 8),
                  static_cast<std::uint8_t>(packets),
                  0xFF,
                  static_cast<std::uint8_t>(pgn),
                  static_cast<std::uint8_t>(pgn >> 8),
                  static_cast<std::uint8_t>(pgn >> 16)};
    return frame;
}
}  // namespace

std::vector<J1939Frame> TransportSender::Broadcast(std::uint8_t source, std::uint32_t pgn,
                                                   const std::vector<std::uint8_t>& payload) {
    if (payload.size() <= 8 || payload.size() > kMaxSize) {
        return {};
    }
    std::size_t packets = (payload.size() + kBytesPerPacket - 1) / kBytesPerPacket;
    std::vector<J1939Frame> frames = {Announce(source, pgn, payload.size(), packets)};
    for (std::size_t packet = 0; packet < packets; ++packet) {
        J1939Frame data{.source = source, .pgn = kDataPgn};
        data.data[0] = static_cast<std::uint8_t>(packet + 1);
        for (std::size_t i = 0; i < kBytesPerPacket; ++i) {
            std::size_t at = packet * kBytesPerPacket + i;
            if (at < payload.size()) {
                data.data[1 + i] = payload[at];
            }
        }
        frames.push_back(data);
    }
    return frames;
}

}  // namespace vxbsim
