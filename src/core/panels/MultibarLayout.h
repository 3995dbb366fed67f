#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/panels/MultibarRecord.h"
#include "core/panels/PanelRect.h"

namespace rovik {

class Parameter;

// Where a multibar draws. Every entry has a column of equal width from the left edge; the
// text rows, a quarter of a column's width high, are stacked from the bottom (units, values,
// then names, each only when shown) and never rise above the top; the bars take the height
// left above them.
struct MultibarLayout {
    // The thickness of the dark lines at the foot and at the top of a bar.
    static constexpr std::int32_t kLine = 2;

    // The parts of one entry's bar inside its column of the bar area.
    struct Bar {
        // Filled in the light colour, from the value down.
        PanelRect fill;
        // In the dark colour: along the foot of the bar area, and just above the fill.
        PanelRect foot;
        PanelRect top;
    };

    static MultibarLayout For(const PanelRect& client, std::size_t count,
                              const MultibarRecord& look);
    // The bar of a value on the parameter's scale: empty at or below the minimum, as high as
    // the area allows at or above the maximum. None for an empty scale (maximum equal to
    // minimum) or one that is no number, which has no heights.
    static std::optional<Bar> BarFor(const PanelRect& column, const Parameter& parameter,
                                     double value);

    // The part of a row, or of the bar area, that belongs to the entry.
    PanelRect Cell(const PanelRect& row, std::size_t index) const;

    std::int32_t columnWidth = 0;
    // Also the height of the text.
    std::int32_t rowHeight = 0;
    // Empty when not shown.
    PanelRect unitRow;
    PanelRect valueRow;
    PanelRect nameRow;
    PanelRect barArea;
};

}  // namespace rovik
