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

TEST(GaugeLayout, RowsShareTheHeightOneTwoOneWithIntegerDivision) {
    SimpleGaugeRecord gauge;
    gauge.showWarningLamp = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 160, 150}, gauge);
    EXPECT_EQ(layout.lamp, (PanelRect{0, 0, 37, 37}));
    EXPECT_EQ(layout.name, (PanelRect{37, 0, 160, 37}));
    EXPECT_EQ(layout.value, (PanelRect{0, 37, 160, 112}));
    EXPECT_EQ(layout.graph, (PanelRect{0, 112, 160, 150}));
    EXPECT_EQ(layout.bar, (PanelRect{3, 115, 157, 147}));
}

TEST(GaugeLayout, HiddenPartsTakeNoRoom) {
    EXPECT_EQ(GaugeLayout::For({0, 0, 160, 160}, NothingShown()).value, PanelRect{});
    SimpleGaugeRecord unitOnly = NothingShown();
    unitOnly.showUnit = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 160, 160}, unitOnly);
    EXPECT_EQ(layout.value, (PanelRect{0, 0, 160, 160}));
    EXPECT_TRUE(layout.name.IsEmpty() && layout.lamp.IsEmpty() && layout.graph.IsEmpty());
}

TEST(GaugeLayout, TinyGraphRowGivesAnEmptyBarNotAnInvertedOne) {
    SimpleGaugeRecord graphOnly = NothingShown();
    graphOnly.showGraph = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 4, 4}, graphOnly);
    EXPECT_TRUE(layout.bar.IsEmpty());
    EXPECT_GE(layout.bar.Width(), 0);
    EXPECT_GE(layout.bar.Height(), 0);
}
