#pragma once

#include <cstddef>
#include <cstdint>

namespace vxbsim {

// What the box reports about its two data links, counted from the messages it passed on.
// The emulator never corrupts a message, so errors, discarded bytes, missed packets and
// overflows stay 0. Used by one thread only.
class BoxStatistics {
public:
    // A J1708 message of the given length, checksum included.
    void CountJ1708(std::size_t bytes);
    void CountJ1939() { ++j1939Packets; }
    void SetBitGap(std::uint8_t gap) { bitGap = gap; }

    std::uint32_t J1708Packets() const { return j1708Packets; }
    std::uint32_t J1708Bytes() const { return j1708Bytes; }
    std::uint32_t J1708Errors() const { return 0; }
    std::uint32_t J1708Discarded() const { return 0; }
    std::uint32_t J1939Packets() const { return j1939Packets; }
    std::uint32_t J1939Missed() const { return 0; }
    std::uint32_t UsbOverflows() const { return 0; }
    std::uint8_t BitGap() const { return bitGap; }

private:
    std::uint32_t j1708Packets = 0;
    std::uint32_t j1708Bytes = 0;
    std::uint32_t j1939Packets = 0;
    // Twelve bit times is the shortest idle J1708 allows between messages.
    std::uint8_t bitGap = 12;
};

}  // namespace vxbsim
