#include "core/panels/HistogramImage.h"

#include <algorithm>
#include <cmath>

#include "core/params/Parameter.h"

namespace rovik {

HistogramImage::HistogramImage(ColorRef background) {
    pixels.fill(background);
}

bool HistogramImage::Tick(std::uint32_t updateRate) {
    if (++tickCounter <= updateRate) {
        return false;
    }
    tickCounter = 0;
    return true;
}

void HistogramImage::Scroll(ColorRef background) {
    for (int y = 0; y < kSide; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(Index(0, y));
        std::copy(row + 1, row + kSide, row);
        row[kSide - 1] = background;
    }
}

void HistogramImage::Plot(int row, ColorRef color) {
    if (row >= 0 && row < kSide) {
        pixels[Index(kSide - 1, row)] = color;
    }
}

std::optional<int> HistogramImage::RowFor(const Parameter& parameter, double value) {
    const double range = static_cast<double>(parameter.gaugeMaximum) - parameter.gaugeMinimum;
    const double level = std::min(value - parameter.gaugeMinimum, range);
    if (range == 0 || !std::isfinite(range) || !(level >= 0)) {
        return std::nullopt;
    }
    return kSide - 1 - static_cast<int>(std::trunc((kSide - 1) * level / range));
}

}  // namespace rovik
