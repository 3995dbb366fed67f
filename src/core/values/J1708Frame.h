#pragma once

#include <cstddef>
#include <cstdint>

namespace rovik {

// One checked J1708 message as the data link carried it: MID first, checksum last. It points
// into the frame buffer, so it is only valid while the message is being handed on.
struct J1708Frame {
    const std::uint8_t* bytes = nullptr;
    std::size_t length = 0;

    std::uint8_t Mid() const { return bytes[0]; }
    std::uint8_t operator[](std::size_t index) const { return bytes[index]; }
};

}  // namespace rovik
