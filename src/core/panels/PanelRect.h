#pragma once

#include <cstdint>

namespace rovik {

// A rectangle in pixels; right and bottom lie just outside it.
struct PanelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PanelRect&) const = default;
};

}  // namespace rovik
