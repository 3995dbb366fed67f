#include <gtest/gtest.h>

#include "core/panels/GaugeLayout.h"

using namespace rovik;

namespace {
SimpleGaugeRecord NothingShown() {
    SimpleGaugeRecord gauge;
    gauge.showGaugeName = gauge.showValue = gauge.showUnit = gauge.showGraph = false;
    return gauge;
}
}  // namespace

TEST(GaugeLayout, HiddenPartsTakeNoRoomAndATinyGraphRowGivesAnEmptyBar) {
    EXPECT_EQ(GaugeLayout::For({0, 0, 160, 160}, NothingShown()).value, PanelRect{});
    SimpleGaugeRecord unitOnly = NothingShown();
    unitOnly.showUnit = true;
    const GaugeLayout layout = GaugeLayout::For({0, 0, 160, 160}, unitOnly);
    EXPECT_EQ(layout.value, (PanelRect{0, 0, 160, 160}));
    EXPECT_TRUE(layout.name.IsEmpty() && layout.lamp.IsEmpty() && layout.graph.IsEmpty());
    // A graph row too small for its margins gives an empty bar, not an inverted one.
    SimpleGaugeRecord graphOnly = NothingShown();
    graphOnly.showGraph = true;
    const PanelRect tiny = GaugeLayout::For({0, 0, 4, 4}, graphOnly).bar;
    EXPECT_TRUE(tiny.IsEmpty() && tiny.Width() >= 0 && tiny.Height() >= 0);
}
