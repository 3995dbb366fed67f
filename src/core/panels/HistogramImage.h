#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/panels/ColorRef.h"

namespace rovik {

class Parameter;

// The picture a histogram stretches over itself: 60 x 60 pixels in which every new column
// plots one pixel per entry at the right edge, the older columns moving one to the left.
class HistogramImage {
public:
    static constexpr int kSide = 60;

    // Filled with the panel's colour.
    explicit HistogramImage(ColorRef background);

    // One second has passed. True when it is time for a new column: after updateRate + 1
    // seconds, counted afresh from then on.
    bool Tick(std::uint32_t updateRate);
    // Moves every column one to the left and fills the new right-hand column.
    void Scroll(ColorRef background);
    // Sets the pixel of the newest column in this row.
    void Plot(int row, ColorRef color);
    // The row a value takes on the parameter's scale, from 59 at the minimum up to 0 at the
    // maximum and beyond; none below the minimum, for an empty or reversed scale, or for a
    // value that is no number.
    static std::optional<int> RowFor(const Parameter& parameter, double value);

    ColorRef At(int x, int y) const { return pixels[Index(x, y)]; }

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kSide + x); }

    std::array<ColorRef, kSide * kSide> pixels;
    std::uint32_t tickCounter = 0;
};

}  // namespace rovik
