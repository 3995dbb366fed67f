#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rovik::test {

using Bytes = std::vector<std::uint8_t>;

// A J1708 message with its checksum appended.
inline Bytes WithChecksum(Bytes message) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : message) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    message.push_back(static_cast<std::uint8_t>(-sum));
    return message;
}

// Upper-case hexadecimal, as the text boxes write it.
inline std::string Hex(const Bytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

}  // namespace rovik::test
