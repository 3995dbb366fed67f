#include "core/panels/MultibarLayout.h"

#include <algorithm>
#include <cmath>

#include "core/params/Parameter.h"

namespace rovik {

namespace {
// A row of the given height on top of bottom, cut at the client's top; bottom moves up to it.
PanelRect StackRow(const PanelRect& client, std::int32_t height, std::int32_t& bottom) {
    const std::int32_t top = std::max(client.top, bottom - height);
    PanelRect row{client.left, top, client.right, bottom};
    bottom = top;
    return row;
}
}  // namespace

MultibarLayout MultibarLayout::For(const PanelRect& client, std::size_t count,
                                   const MultibarRecord& look) {
    MultibarLayout layout;
    layout.columnWidth = count == 0 ? 0 : client.Width() / static_cast<std::int32_t>(count);
    layout.rowHeight = layout.columnWidth / 4;
    std::int32_t bottom = std::max(client.top, client.bottom);
    if (look.showUnit) {
        layout.unitRow = StackRow(client, layout.rowHeight, bottom);
    }
    if (look.showValue) {
        layout.valueRow = StackRow(client, layout.rowHeight, bottom);
    }
    if (look.showGaugeName) {
        layout.nameRow = StackRow(client, layout.rowHeight, bottom);
    }
    layout.barArea = {client.left, client.top, client.right, bottom};
    return layout;
}

PanelRect MultibarLayout::Cell(const PanelRect& row, std::size_t index) const {
    const std::int32_t left = row.left + static_cast<std::int32_t>(index) * columnWidth;
    return {left, row.top, left + columnWidth, row.bottom};
}

std::optional<MultibarLayout::Bar> MultibarLayout::BarFor(const PanelRect& column,
                                                          const Parameter& parameter,
                                                          double value) {
    const double range = static_cast<double>(parameter.gaugeMaximum) - parameter.gaugeMinimum;
    if (range == 0 || !std::isfinite(range)) {
        return std::nullopt;
    }
    double level = value - parameter.gaugeMinimum;
    level = level > range ? range : level;
    // Also takes a value that is no number to the foot.
    level = level >= 0 ? level : 0;
    const std::int32_t height = std::max(0, column.Height() - kLine);
    const auto rise = static_cast<std::int32_t>(std::trunc(height * level / range));
    const std::int32_t y = column.bottom - rise;
    return Bar{{column.left, y, column.right, column.bottom},
               {column.left, column.bottom - kLine, column.right, column.bottom},
               {column.left, y - kLine, column.right, y}};
}

}  // namespace rovik
