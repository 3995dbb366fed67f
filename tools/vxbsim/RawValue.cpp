#include "vxbsim/RawValue.h"

#include <algorithm>
#include <cmath>

namespace vxbsim {

std::uint32_t RawValue::Of(double value, double resolution, double offset, std::uint32_t largest) {
    double steps = std::round((value - offset) / resolution);
    return static_cast<std::uint32_t>(std::clamp(steps, 0.0, static_cast<double>(largest)));
}

}  // namespace vxbsim
