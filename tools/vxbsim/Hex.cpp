#include "vxbsim/Hex.h"

namespace vxbsim {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

std::optional<std::uint32_t> DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint32_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint32_t>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint32_t>(c - 'a' + 10);
    }
    return std::nullopt;
}
}  // namespace

void Hex::AppendByte(std::string& text, std::uint8_t byte) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

void Hex::AppendWordHighFirst(std::string& text, std::uint16_t word) {
    AppendByte(text, static_cast<std::uint8_t>(word >> 8));
    AppendByte(text, static_cast<std::uint8_t>(word));
}

void Hex::AppendWordLowFirst(std::string& text, std::uint16_t word) {
    AppendByte(text, static_cast<std::uint8_t>(word));
    AppendByte(text, static_cast<std::uint8_t>(word >> 8));
}

std::optional<std::uint32_t> Hex::Parse(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        auto digit = DigitValue(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
    }
    return value;
}

}  // namespace vxbsim
