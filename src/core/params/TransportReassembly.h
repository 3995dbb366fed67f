#pragma once

#include <array>
#include <cstdint>

#include "core/values/J1939Frame.h"

namespace rovik {

// Puts one multi-packet J1939 message of one sender back together from its announcement
// (TP.CM) and its data packets (TP.DT). A new announcement restarts it.
class TransportReassembly {
public:
    static constexpr std::size_t kMaxPackets = 250;
    static constexpr std::size_t kBytesPerPacket = 7;
    static constexpr std::size_t kCapacity = kMaxPackets * kBytesPerPacket;

    // Starts a reassembly on a broadcast or request-to-send announcement, unless it promises
    // more packets than fit.
    void Announce(const J1939Frame& frame);
    // Takes one data packet; true when it was the last one the announcement promised.
    bool AddPacket(const J1939Frame& frame);

    std::uint32_t Pgn() const { return pgn; }
    std::uint16_t TotalSize() const { return totalSize; }
    const std::array<std::uint8_t, kCapacity>& Buffer() const { return buffer; }

private:
    bool active = false;
    std::uint8_t totalPackets = 0;
    std::uint8_t packetsReceived = 0;
    std::uint16_t totalSize = 0;
    std::uint32_t pgn = 0;
    std::array<std::uint8_t, kCapacity> buffer{};
};

}  // namespace rovik
