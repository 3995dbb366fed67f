#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/panels/PanelRect.h"
#include "core/panels/ReadoutRecord.h"

namespace rovik {

// Where a readout panel draws each of its numbers. Side by side, every number has a column
// of equal width: caption on top, unit at the bottom, value between. One above the other,
// every number has a row of equal height: the value on the left two parts of three, the
// caption and the unit stacked on the right part. A caption or unit not shown has an empty
// cell; the text height is the height of its cell.
struct ReadoutLayout {
    // The space between a value and the captions beside it.
    static constexpr std::int32_t kValueGap = 5;

    struct Cells {
        PanelRect caption;
        PanelRect value;
        PanelRect unit;
    };

    static std::vector<Cells> For(const PanelRect& client, std::size_t count,
                                  const ReadoutRecord& look);

private:
    static Cells Column(const PanelRect& client, std::size_t index, std::int32_t width,
                        const ReadoutRecord& look);
    static Cells Row(const PanelRect& client, std::size_t index, std::int32_t height,
                     const ReadoutRecord& look);
};

}  // namespace rovik
