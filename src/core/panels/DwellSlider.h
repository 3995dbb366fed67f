#pragma once

#include <cstdint>

namespace rovik {

// The scan gauge's "Faster / Slower" slider. Position s stands for s (s + 1) / 2 ticks per
// entry: 1, 3, 6, 10, 15, 21, 28 or 36.
struct DwellSlider {
    static constexpr int kMinPosition = 1;
    static constexpr int kMaxPosition = 8;

    // The position nearest the dwell, kept within the slider's range.
    static int PositionFor(std::uint32_t dwell);
    // The dwell of a position, which is first kept within the slider's range.
    static std::uint32_t DwellAt(int position);
};

}  // namespace rovik
