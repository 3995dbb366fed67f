#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "vxbsim/J1939Frame.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// The J1939 broadcasts of the engine (source address 0) and transmission (source address 3)
// for the vehicle's present state, scaled as J1939 defines them, so a reader that converts
// them to J1587 units sees the same values as on the J1708 link.
class J1939Builder {
public:
    static constexpr std::uint8_t kEngine = 0;
    static constexpr std::uint8_t kTransmission = 3;

    // The message of one parameter group; nothing for a group this vehicle does not send.
    static std::optional<J1939Frame> Build(std::uint32_t pgn, const VehicleModel& vehicle);
    // Speeds, load and gear, sent every period.
    static std::vector<J1939Frame> Fast(const VehicleModel& vehicle);
    // Temperatures, pressures, electrics and totals, sent about once a second.
    static std::vector<J1939Frame> Slow(const VehicleModel& vehicle);
};

}  // namespace vxbsim
