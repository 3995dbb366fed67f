#pragma once

#include <array>
#include <cstdint>

namespace vxbsim {

// One J1939 message as the box passes it on: who sent it, its parameter group number and
// its eight data bytes (0xFF where a field is not available).
struct J1939Frame {
    std::uint8_t source = 0;
    std::uint32_t pgn = 0;
    std::array<std::uint8_t, 8> data{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};

}  // namespace vxbsim
