#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace rovik {

// One distinct fault of the recent list, as the controller reported it.
struct FaultEntry {
    enum class Type : std::uint32_t { Pid = 0, Sid = 1, Spn = 2 };

    // Width of a fault line in characters, without its line end.
    static constexpr std::size_t kLineWidth = 79;

    // (code byte or SPN << 8) + the diagnostic byte (J1587, status bits included) or the FMI.
    std::uint32_t key = 0;
    Type type = Type::Pid;
    // PID (page two as 256 + PID), SID (expansion SIDs as 256 + SID) or SPN.
    std::uint32_t code = 0;
    std::uint8_t fmi = 0;
    // Who reported it: the MID on J1587 (128, 130, 136), the source address on J1939.
    std::uint8_t source = 0;
    // As received: 0 when a J1587 item carries none, the J1939 byte with its top bit.
    std::uint8_t occurrence = 0;
    bool active = false;
    std::time_t time = 0;

    // The fixed-width text of the fault: source, type, code, FMI, component, failure mode,
    // and the local date and time it was recorded, or "** INACTIVE **".
    std::string Line() const;
};

}  // namespace rovik
