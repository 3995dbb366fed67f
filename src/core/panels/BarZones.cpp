#include "core/panels/BarZones.h"

#include <cmath>
#include <optional>

#include "core/params/Parameter.h"

namespace rovik {

namespace {
struct Zone {
    double from;
    double to;
    ColorRef color;
};

struct Scale {
    double minimum;
    double maximum;

    // The x of a scale value, truncated towards zero and kept inside the bar (a NaN goes to
    // the left edge), so no value can overflow the conversion to pixels.
    std::int32_t XAt(const PanelRect& bar, double at) const {
        double offset = std::trunc(bar.Width() * (at - minimum) / (maximum - minimum));
        if (!(offset > 0)) {
            return bar.left;
        }
        if (offset >= bar.Width()) {
            return bar.right;
        }
        return bar.left + static_cast<std::int32_t>(offset);
    }
};

std::optional<BarSpan> ZoneSpan(const PanelRect& bar, const Scale& scale, const Zone& zone,
                                double value) {
    if (!(zone.to >= scale.minimum && zone.from <= scale.maximum && value >= zone.from)) {
        return std::nullopt;
    }
    std::int32_t left = scale.XAt(bar, zone.from);
    std::int32_t right = scale.XAt(bar, value <= zone.to ? value : zone.to);
    if (right <= left) {
        return std::nullopt;
    }
    return BarSpan{{left, bar.top, right, bar.bottom}, zone.color};
}
}  // namespace

std::vector<BarSpan> BarZones::For(const PanelRect& bar, const Parameter& parameter, double value) {
    Scale scale{parameter.gaugeMinimum, parameter.gaugeMaximum};
    std::vector<BarSpan> spans;
    if (scale.maximum == scale.minimum) {
        return spans;
    }
    const Zone zones[] = {
        {scale.minimum, parameter.lowRedLine, kRed},
        {parameter.lowRedLine, parameter.lowYellowLine, kYellow},
        {parameter.lowYellowLine, parameter.highYellowLine, kGaugeGreen},
        {parameter.highYellowLine, parameter.highRedLine, kYellow},
        {parameter.highRedLine, scale.maximum, kRed},
    };
    for (const Zone& zone : zones) {
        if (std::optional<BarSpan> span = ZoneSpan(bar, scale, zone, value)) {
            spans.push_back(*span);
        }
    }
    return spans;
}

}  // namespace rovik
