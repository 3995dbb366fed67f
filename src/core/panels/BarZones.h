#pragma once

#include <vector>

#include "core/panels/ColorRef.h"
#include "core/panels/PanelRect.h"

namespace rovik {

class Parameter;

// One filled part of a gauge's bar.
struct BarSpan {
    PanelRect rect;
    ColorRef color;

    bool operator==(const BarSpan&) const = default;
};

// The bar of a gauge: five zones (red, yellow, green, yellow, red) between the scale's ends
// and the parameter's four lines, each filled from its start up to the value.
struct BarZones {
    // The spans to fill inside the bar rectangle, left to right; the rest stays black. None
    // when the scale is empty (maximum equal to minimum). Spans never leave the bar, even
    // when a line lies outside the scale.
    static std::vector<BarSpan> For(const PanelRect& bar, const Parameter& parameter, double value);
};

}  // namespace rovik
