#pragma once

#include <cstdint>
#include <vector>

#include "vxbsim/J1939Frame.h"

namespace vxbsim {

// A command from the program that the box acts on.
struct BoxCommand {
    enum class Kind {
        Version,
        ReadRegister,
        WriteRegister,
        SetBitGap,
        TransmitJ1939,
        TransmitJ1708,
        QueryJ1708,
        QueryJ1939,
        ZeroFuelMeter,
    };

    Kind kind = Kind::Version;
    std::uint32_t address = 0;            // ReadRegister, WriteRegister
    std::uint8_t value = 0;               // WriteRegister, SetBitGap
    J1939Frame frame{};                   // TransmitJ1939
    std::vector<std::uint8_t> message{};  // TransmitJ1708: MID first, no checksum
    bool sumOk = true;                    // TransmitJ1708: a "SEND" frame's sum matched
};

}  // namespace vxbsim
