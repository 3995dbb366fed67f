#pragma once

#include <cstdint>

namespace rovik {

// Where the frame sits, as the settings file keeps it: 44 bytes of u32 and i32 fields in this
// order. The normal rectangle is in screen coordinates, right and bottom exclusive.
struct WindowPlacement {
    static constexpr std::uint32_t kLength = 44;
    static constexpr std::uint32_t kShowNormal = 1;
    static constexpr std::uint32_t kShowMinimized = 2;
    static constexpr std::uint32_t kShowMaximized = 3;

    std::uint32_t length = kLength;
    std::uint32_t flags = 0;
    std::uint32_t showCommand = kShowNormal;
    std::int32_t minimizedX = -1;
    std::int32_t minimizedY = -1;
    std::int32_t maximizedX = -1;
    std::int32_t maximizedY = -1;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

}  // namespace rovik
