#pragma once

#include <cstdint>

namespace vxbsim {

// A fault code as a J1708 controller reports it in its diagnostic item.
struct J1587Fault {
    std::uint8_t mid = 128;
    // A parameter (PID) or, when isSid, a subsystem (SID).
    std::uint8_t code = 0;
    bool isSid = false;
    std::uint8_t fmi = 0;  // 0..15
    // How often it happened; 0 leaves the count out of the item.
    std::uint8_t occurrences = 0;
    bool inactive = false;
    // An expansion code names page-two PID 256 + code (or SID 256 + code).
    bool expansion = false;
};

}  // namespace vxbsim
