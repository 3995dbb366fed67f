#include "core/panels/DwellSlider.h"

#include <algorithm>
#include <cmath>

namespace rovik {

int DwellSlider::PositionFor(std::uint32_t dwell) {
    // The inverse of DwellAt, rounded: solves s (s + 1) / 2 = dwell for s.
    double position = std::trunc((std::sqrt(8.0 * dwell + 1.0) - 1.0 + 0.5) / 2.0);
    return std::clamp(static_cast<int>(position), kMinPosition, kMaxPosition);
}

std::uint32_t DwellSlider::DwellAt(int position) {
    auto kept = static_cast<std::uint32_t>(std::clamp(position, kMinPosition, kMaxPosition));
    return kept * (kept + 1) / 2;
}

}  // namespace rovik
