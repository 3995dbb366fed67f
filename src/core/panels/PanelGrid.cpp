#include "core/panels/PanelGrid.h"

namespace rovik {

namespace {
// Cuts the edge's distance from the grid towards zero. origin % kStep lies a whole number of
// steps from origin, so the edge lands on the grid through origin, whatever its sign.
std::int32_t SnapEdge(std::int32_t edge, std::int32_t origin) {
    std::int32_t offset = origin % PanelGrid::kStep;
    return edge - (edge - offset) % PanelGrid::kStep;
}
}  // namespace

std::int32_t PanelGrid::DragDistance(std::int32_t delta) {
    return delta - delta % kStep;
}

PanelRect PanelGrid::Snap(const PanelRect& proposed, std::int32_t originX, std::int32_t originY) {
    return {SnapEdge(proposed.left, originX), SnapEdge(proposed.top, originY),
            SnapEdge(proposed.right, originX), SnapEdge(proposed.bottom, originY)};
}

}  // namespace rovik
