#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "vxbsim/J1587Fault.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// One parameter item of a J1587 message: the PID and its data, in the item's shape (the
// PID's range fixes it). Values are given in J1587 units with the PID's resolution.
class J1587Item {
public:
    static constexpr std::uint8_t kDiagnosticPid = 194;
    // Faults per diagnostic item: five of three bytes still fit one message with its header.
    static constexpr std::size_t kFaultsPerItem = 5;

    // PIDs 0..127: one data byte.
    static Message OneByte(std::uint8_t pid, double value, double resolution);
    // PIDs 128..191: two data bytes, low byte first.
    static Message TwoBytes(std::uint8_t pid, double value, double resolution);
    // PIDs 192..253: a byte count, then that many bytes, low byte first.
    static Message Counted(std::uint8_t pid, double value, double resolution, std::uint8_t count);
    // A two-byte item that carries two characters, such as a transmission range.
    static Message Characters(std::uint8_t pid, const std::string& two);
    // A diagnostic item (PID 194) for at most kFaultsPerItem faults.
    static Message Diagnostic(const std::vector<J1587Fault>& faults);
};

}  // namespace vxbsim
