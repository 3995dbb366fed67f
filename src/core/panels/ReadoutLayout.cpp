#include "core/panels/ReadoutLayout.h"

namespace rovik {

std::vector<ReadoutLayout::Cells> ReadoutLayout::For(const PanelRect& client, std::size_t count,
                                                     const ReadoutRecord& look) {
    std::vector<Cells> cells;
    if (count == 0) {
        return cells;
    }
    const auto parts = static_cast<std::int32_t>(count);
    for (std::size_t index = 0; index < count; ++index) {
        cells.push_back(look.horizontal ? Column(client, index, client.Width() / parts, look)
                                        : Row(client, index, client.Height() / parts, look));
    }
    return cells;
}

ReadoutLayout::Cells ReadoutLayout::Column(const PanelRect& client, std::size_t index,
                                           std::int32_t width, const ReadoutRecord& look) {
    const std::int32_t left = client.left + static_cast<std::int32_t>(index) * width;
    const std::int32_t right = left + width;
    const std::int32_t part =
        client.Height() / (2 + (look.showCaptions ? 1 : 0) + (look.showUnits ? 1 : 0));
    Cells cells;
    cells.value = {left, client.top, right, client.bottom};
    if (look.showCaptions) {
        cells.caption = {left, client.top, right, client.top + part};
        cells.value.top += part;
    }
    if (look.showUnits) {
        cells.unit = {left, client.bottom - part, right, client.bottom};
        cells.value.bottom -= part;
    }
    return cells;
}

ReadoutLayout::Cells ReadoutLayout::Row(const PanelRect& client, std::size_t index,
                                        std::int32_t height, const ReadoutRecord& look) {
    const std::int32_t top = client.top + static_cast<std::int32_t>(index) * height;
    const bool besides = look.showCaptions || look.showUnits;
    const std::int32_t part = client.Width() / (besides ? 3 : 2);
    const std::int32_t textHeight = height * 2 / 5;
    Cells cells;
    cells.value = {client.left, top, client.left + 2 * part - kValueGap, top + height};
    if (look.showCaptions) {
        cells.caption = {client.left + 2 * part, top, client.right, top + textHeight};
    }
    if (look.showUnits) {
        const std::int32_t unitTop = top + height / 2;
        cells.unit = {client.left + 2 * part, unitTop, client.right, unitTop + textHeight};
    }
    return cells;
}

}  // namespace rovik
