#pragma once

#include <atomic>
#include <cstdint>

namespace rovik {

// What the box reports about the data links; written by the receive thread, shown by the
// interface thread.
struct BoxStatistics {
    std::atomic<std::uint32_t> j1708GoodPackets{0};
    std::atomic<std::uint32_t> j1708Errors{0};
    std::atomic<std::uint32_t> j1708BytesRead{0};
    std::atomic<std::uint32_t> j1708BytesDiscarded{0};
    std::atomic<std::uint16_t> j1939PacketsReceived{0};
    std::atomic<std::uint16_t> j1939PacketsMissed{0};
    std::atomic<std::uint16_t> usbOverflows{0};
    std::atomic<std::uint8_t> bitGap{0};
};

}  // namespace rovik
