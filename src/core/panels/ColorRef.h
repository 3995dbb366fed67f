#pragma once

#include <cstdint>

namespace rovik {

// A colour as the screen file stores it: red in the low byte, then green, then blue.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}

constexpr std::uint8_t RedOf(ColorRef color) {
    return static_cast<std::uint8_t>(color);
}
constexpr std::uint8_t GreenOf(ColorRef color) {
    return static_cast<std::uint8_t>(color >> 8);
}
constexpr std::uint8_t BlueOf(ColorRef color) {
    return static_cast<std::uint8_t>(color >> 16);
}

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kYellow = Rgb(255, 255, 0);
// The gauges' green is a little darker than pure green so it reads on white.
constexpr ColorRef kGaugeGreen = Rgb(0, 191, 0);

}  // namespace rovik
