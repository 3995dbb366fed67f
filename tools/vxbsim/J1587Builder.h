#pragma once

#include <cstdint>
#include <vector>

#include "vxbsim/J1587Fault.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// The J1708 messages of the engine (MID 128), transmission (MID 130) and brakes (MID 136)
// for the vehicle's present state, without checksums, each short enough for the data link.
class J1587Builder {
public:
    static constexpr std::uint8_t kEngine = 128;
    static constexpr std::uint8_t kTransmission = 130;
    static constexpr std::uint8_t kBrakes = 136;

    // What changes quickly, sent every period.
    static std::vector<Message> Fast(const VehicleModel& vehicle);
    // Temperatures, pressures, ranges, totals, page-2 items and each controller's diagnostic
    // items, sent about once a second. A fault of another MID goes out in messages of that MID.
    static std::vector<Message> Slow(const VehicleModel& vehicle,
                                     const std::vector<J1587Fault>& faults);
};

}  // namespace vxbsim
