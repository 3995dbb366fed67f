#include "core/link/BoxCommands.h"

#include "core/link/BoxRegisterImage.h"

namespace rovik {

namespace {
constexpr std::string_view kLineEnd = "\n\r";

void AppendHex(std::string& text, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += kDigits[(value >> shift) & 0xF];
    }
}
}  // namespace

std::string BoxCommands::ReadRegister(std::uint16_t address) {
    std::string command = "R";
    AppendHex(command, address, 4);
    return command.append(kLineEnd);
}

std::string BoxCommands::WriteRegister(std::uint16_t address, std::uint8_t value) {
    std::string command = "M";
    AppendHex(command, address, 4);
    AppendHex(command, value, 2);
    return command.append(kLineEnd);
}

std::string BoxCommands::SetBitGap(std::uint8_t gap) {
    std::string command = "G";
    AppendHex(command, gap, 2);
    return command.append(kLineEnd);
}

std::optional<std::string> BoxCommands::RaiseBitGap(std::uint8_t gap) {
    if (gap >= kMaxBitGap) {
        return std::nullopt;
    }
    return SetBitGap(static_cast<std::uint8_t>(gap + 1));
}

std::optional<std::string> BoxCommands::LowerBitGap(std::uint8_t gap) {
    if (gap <= kMinBitGap) {
        return std::nullopt;
    }
    return SetBitGap(static_cast<std::uint8_t>(gap - 1));
}

std::string BoxCommands::RaiseCanCycleSize(std::uint8_t size) {
    auto raised = static_cast<std::uint8_t>(size < kMaxCanCycleSize ? size + 1 : size);
    return WriteRegister(BoxRegisterImage::kCanCycleSize, raised);
}

std::string BoxCommands::LowerCanCycleSize(std::uint8_t size) {
    auto lowered = static_cast<std::uint8_t>(size > kMinCanCycleSize ? size - 1 : size);
    return WriteRegister(BoxRegisterImage::kCanCycleSize, lowered);
}

std::string BoxCommands::SwitchFuelMeter(std::uint8_t registerValue) {
    return WriteRegister(BoxRegisterImage::kFuelMeter, registerValue == 0 ? 1 : 0);
}

std::string BoxCommands::SendFrame(const std::uint8_t* bytes, std::size_t count) {
    std::string frame = "SEND";
    frame += static_cast<char>(count);
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        frame += static_cast<char>(bytes[i]);
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    }
    frame += static_cast<char>(sum);
    return frame;
}

std::string BoxCommands::SendLine(const std::uint8_t* bytes, std::size_t count) {
    std::string line = "S";
    for (std::size_t i = 0; i < count; ++i) {
        AppendHex(line, bytes[i], 2);
    }
    return line + "\r\n";
}

}  // namespace rovik
