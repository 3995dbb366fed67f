#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rovik {

// The texts the program sends to the box. Hexadecimal fields are upper case, and command
// lines end with a line feed and then a carriage return, as the box expects.
class BoxCommands {
public:
    // The longest J1708 message the box puts on the data link.
    static constexpr std::size_t kMaxPacket = 22;
    static constexpr std::uint8_t kMinBitGap = 4;
    static constexpr std::uint8_t kMaxBitGap = 250;
    static constexpr std::uint8_t kMinCanCycleSize = 1;
    static constexpr std::uint8_t kMaxCanCycleSize = 99;
    static constexpr std::string_view kZeroFuelMeter = "O";

    static std::string ReadRegister(std::uint16_t address);
    static std::string WriteRegister(std::uint16_t address, std::uint8_t value);
    static std::string SetBitGap(std::uint8_t gap);

    // The "+" and "-" beside the bit gap: nothing once the gap is at its limit.
    static std::optional<std::string> RaiseBitGap(std::uint8_t gap);
    static std::optional<std::string> LowerBitGap(std::uint8_t gap);
    // The "+" and "-" beside the CAN cycle size: always sent, with the size kept at its limit.
    static std::string RaiseCanCycleSize(std::uint8_t size);
    static std::string LowerCanCycleSize(std::uint8_t size);
    // Turns the box's fuel meter off when the register says it is on, else on.
    static std::string SwitchFuelMeter(std::uint8_t registerValue);

    // One J1708 message, MID first and without its checksum, for the RS-232 box: "SEND", the
    // count, the message, its 8-bit sum.
    static std::string SendFrame(const std::uint8_t* bytes, std::size_t count);
    // The same for the text-speaking boxes: "S", two hex digits a byte, CR LF.
    static std::string SendLine(const std::uint8_t* bytes, std::size_t count);
};

}  // namespace rovik
