#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vxbsim {

// The box's 2048 one-byte registers. Register 1 switches the fuel meter (off at power-up),
// register 6 holds the CAN cycle size. Used by one thread only.
class RegisterBank {
public:
    static constexpr std::uint16_t kCount = 2048;
    static constexpr std::uint16_t kFuelMeter = 1;
    static constexpr std::uint16_t kCanCycleSize = 6;

    RegisterBank();

    // Nothing for an address the box does not have.
    std::optional<std::uint8_t> Read(std::uint32_t address) const;
    // False, and nothing stored, for an address the box does not have.
    bool Write(std::uint32_t address, std::uint8_t value);

private:
    std::array<std::uint8_t, kCount> registers{};
};

}  // namespace vxbsim
