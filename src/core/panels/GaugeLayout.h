#pragma once

#include <cstdint>

#include "core/panels/PanelRect.h"
#include "core/panels/SimpleGaugeRecord.h"

namespace rovik {

// Where a gauge draws each of its parts inside its client rectangle. The rows share the
// height by weight: the top row (lamp and name) 1, the value row 2, the graph row 1. A part
// that is not shown has an empty rectangle, so a gauge with nothing shown draws no rows.
struct GaugeLayout {
    // The bar sits this far inside the black graph row.
    static constexpr std::int32_t kBarInset = 3;

    static GaugeLayout For(const PanelRect& client, const SimpleGaugeRecord& gauge);

    // A square at the left of the top row, as wide as the row is high.
    PanelRect lamp;
    // The top row, right of the lamp when there is one.
    PanelRect name;
    // The value and unit; its height is also the height of the value's font.
    PanelRect value;
    // Filled black.
    PanelRect graph;
    // Where the bar zones go.
    PanelRect bar;
};

}  // namespace rovik
