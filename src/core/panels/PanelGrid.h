#pragma once

#include <cstdint>

#include "core/panels/PanelRect.h"

namespace rovik {

// The 8-pixel grid that panels move and resize on.
struct PanelGrid {
    static constexpr std::int32_t kStep = 8;

    // A drag's distance along one axis, cut towards zero to whole steps: 13 moves 8, -13
    // moves -8, 5 does not move. A panel off the grid keeps its offset when dragged.
    static std::int32_t DragDistance(std::int32_t delta);
    // A rectangle being resized, in screen coordinates, with each edge moved onto the grid
    // that runs through the parent's client origin (originX, originY), also in screen
    // coordinates.
    static PanelRect Snap(const PanelRect& proposed, std::int32_t originX, std::int32_t originY);
};

}  // namespace rovik
