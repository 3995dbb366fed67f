#pragma once

#include <array>
#include <cstdint>

namespace rovik {

// One J1939 message; data bytes the box did not carry are 0xFF.
struct J1939Frame {
    std::uint8_t sourceAddress = 0;
    std::uint32_t pgn = 0;
    std::array<std::uint8_t, 8> data{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};

}  // namespace rovik
