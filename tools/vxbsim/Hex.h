#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vxbsim {

// Upper-case hexadecimal as the box writes it, and strict reading of what the program sends.
class Hex {
public:
    // Appends the byte as two upper-case digits, the high half first.
    static void AppendByte(std::string& text, std::uint8_t byte);
    // Appends the low 16 bits as four digits, the high byte first.
    static void AppendWordHighFirst(std::string& text, std::uint16_t word);
    // Appends the low 16 bits as four digits, the low byte first.
    static void AppendWordLowFirst(std::string& text, std::uint16_t word);
    // The value of a run of hex digits (either case); nothing when any character is not one
    // or the run is empty or longer than eight digits.
    static std::optional<std::uint32_t> Parse(std::string_view digits);
};

}  // namespace vxbsim
