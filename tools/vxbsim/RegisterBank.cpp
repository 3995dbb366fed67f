#include "vxbsim/RegisterBank.h"

namespace vxbsim {

RegisterBank::RegisterBank() {
    registers[kCanCycleSize] = 10;
}

std::optional<std::uint8_t> RegisterBank::Read(std::uint32_t address) const {
    if (address >= kCount) {
        return std::nullopt;
    }
    return registers[address];
}

bool RegisterBank::Write(std::uint32_t address, std::uint8_t value) {
    if (address >= kCount) {
        return false;
    }
    registers[address] = value;
    return true;
}

}  // namespace vxbsim
