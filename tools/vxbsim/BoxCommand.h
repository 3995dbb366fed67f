#pragma once

#include <cstdint>

#include "vxbsim/J1939Frame.h"

namespace vxbsim {

// A command from the program that the box acts on.
struct BoxCommand {
    enum class Kind { Version, ReadRegister, WriteRegister, SetBitGap, TransmitJ1939 };

    Kind kind = Kind::Version;
    std::uint32_t address = 0;  // ReadRegister, WriteRegister
    std::uint8_t value = 0;     // WriteRegister, SetBitGap
    J1939Frame frame{};         // TransmitJ1939
};

}  // namespace vxbsim
