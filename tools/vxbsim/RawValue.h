#pragma once

#include <cstdint>

namespace vxbsim {

// Turns a physical value into the unsigned integer a data field carries, for a field whose
// reader computes raw * resolution + offset.
class RawValue {
public:
    // Rounded to the nearest step and held within 0..largest, so a value off the field's
    // range reads as its end, never as a wrapped number or a not-available code.
    static std::uint32_t Of(double value, double resolution, double offset, std::uint32_t largest);
};

}  // namespace vxbsim
