#include "core/panels/GaugeLayout.h"

#include <algorithm>

namespace rovik {

namespace {
// Never turned inside out, however small the rectangle.
PanelRect Inset(const PanelRect& rect, std::int32_t by) {
    PanelRect inner{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
    inner.right = std::max(inner.right, inner.left);
    inner.bottom = std::max(inner.bottom, inner.top);
    return inner;
}
}  // namespace

GaugeLayout GaugeLayout::For(const PanelRect& client, const SimpleGaugeRecord& gauge) {
    bool topRow = gauge.showGaugeName || gauge.showWarningLamp;
    bool valueRow = gauge.showValue || gauge.showUnit;
    std::int32_t weights = (topRow ? 1 : 0) + (valueRow ? 2 : 0) + (gauge.showGraph ? 1 : 0);
    GaugeLayout layout;
    if (weights == 0) {
        return layout;
    }
    std::int32_t height = client.Height();
    std::int32_t topBottom = client.top + (topRow ? height / weights : 0);
    std::int32_t valueBottom = topBottom + (valueRow ? 2 * height / weights : 0);
    std::int32_t lampSize = gauge.showWarningLamp ? topBottom - client.top : 0;
    if (gauge.showWarningLamp) {
        layout.lamp = {client.left, client.top, client.left + lampSize, topBottom};
    }
    if (gauge.showGaugeName) {
        std::int32_t nameLeft = std::min(client.left + lampSize, client.right);
        layout.name = {nameLeft, client.top, client.right, topBottom};
    }
    if (valueRow) {
        layout.value = {client.left, topBottom, client.right, valueBottom};
    }
    if (gauge.showGraph) {
        layout.graph = {client.left, valueBottom, client.right, client.bottom};
        layout.bar = Inset(layout.graph, kBarInset);
    }
    return layout;
}

}  // namespace rovik
