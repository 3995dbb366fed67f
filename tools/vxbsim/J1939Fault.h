#pragma once

#include <cstdint>

namespace vxbsim {

// An active diagnostic trouble code as a J1939 controller reports it in its DM1.
struct J1939Fault {
    std::uint8_t source = 0;
    std::uint32_t spn = 0;         // 19 bits
    std::uint8_t fmi = 0;          // 0..31
    std::uint8_t occurrences = 1;  // 0..126
};

}  // namespace vxbsim
