#pragma once

#include <cstdint>
#include <optional>

namespace rovik {

// The number the transmission mode (13) takes from a range code: 2 for the codes of one
// mode, 1 for those of the other, nothing for any other code.
inline std::optional<float> TransmissionMode(std::uint8_t code) {
    switch (code) {
        case 5:
        case 26:
        case 31:
            return 2.0f;
        case 16:
        case 21:
        case 32:
            return 1.0f;
        default:
            return std::nullopt;
    }
}

}  // namespace rovik
