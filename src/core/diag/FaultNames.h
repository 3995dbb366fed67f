#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rovik {

// The names a fault line gives the failing component and the way it failed, padded with
// spaces to the width of their columns. A code without a name gives "UNKNOWN COMPONENT", a
// failure mode without a text "UNKNOWN MODE".
class FaultNames {
public:
    static constexpr std::size_t kComponentWidth = 30;
    static constexpr std::size_t kModeWidth = 16;

    // A PID (page-two PIDs as 256 + PID) or a J1939 SPN; SPNs below 512 share the PID names.
    static std::string Component(std::uint32_t code);
    // A subsystem (SID) as the controller with this MID names it.
    static std::string Subsystem(std::uint8_t mid, std::uint32_t sid);
    // A failure mode identifier of either data link.
    static std::string FailureMode(std::uint32_t fmi);
};

}  // namespace rovik
