#include <gtest/gtest.h>

#include <limits>

#include "core/panels/MultibarLayout.h"
#include "core/params/Parameter.h"

using namespace rovik;

namespace {
MultibarRecord Showing(bool names, bool values, bool units) {
    MultibarRecord look;
    look.showGaugeName = names;
    look.showValue = values;
    look.showUnit = units;
    return look;
}
}  // namespace

TEST(MultibarLayout, StacksTheRowsShownFromTheBottomAndGivesTheBarsTheRest) {
    struct Case {
        const char* what;
        PanelRect client;
        MultibarRecord look;
        PanelRect units, values, names, bars;
    };
    const Case cases[] = {
        {"three rows of 13 under bars 53 wide",
         {0, 0, 160, 160},
         Showing(true, true, true),
         {0, 147, 160, 160},
         {0, 134, 160, 147},
         {0, 121, 160, 134},
         {0, 0, 160, 121}},
        {"no rows: bars the whole height",
         {0, 0, 160, 160},
         Showing(false, false, false),
         {},
         {},
         {},
         {0, 0, 160, 160}},
        {"too low for the rows: none rises above the top",
         {0, 0, 160, 20},
         Showing(true, true, true),
         {0, 7, 160, 20},
         {0, 0, 160, 7},
         {0, 0, 160, 0},
         {0, 0, 160, 0}},
    };
    for (const Case& c : cases) {
        const MultibarLayout layout = MultibarLayout::For(c.client, 3, c.look);
        EXPECT_EQ(layout.columnWidth, 53) << c.what;
        EXPECT_EQ(layout.rowHeight, 13) << c.what;
        EXPECT_EQ(layout.unitRow, c.units) << c.what;
        EXPECT_EQ(layout.valueRow, c.values) << c.what;
        EXPECT_EQ(layout.nameRow, c.names) << c.what;
        EXPECT_EQ(layout.barArea, c.bars) << c.what;
    }
    const MultibarLayout three = MultibarLayout::For({0, 0, 160, 160}, 3, MultibarRecord());
    EXPECT_EQ(three.Cell(three.barArea, 2), (PanelRect{106, 0, 159, 121}));
    EXPECT_EQ(MultibarLayout::For({0, 0, 160, 160}, 0, MultibarRecord()).columnWidth, 0);
}

// A column 102 high, so on the default 0 to 90 scale the bar rises 10 pixels for 9 units.
TEST(MultibarLayout, BarsRiseWithTheValueBetweenTheEndsOfTheScale) {
    const PanelRect column{0, 0, 50, 102};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::int32_t> valueAndTop[] = {
        {45, 52}, {44.99, 53}, {90, 2}, {500, 2}, {0, 102}, {-7, 102}, {nan, 102}};
    for (auto [value, top] : valueAndTop) {
        const auto bar = MultibarLayout::BarFor(column, Parameter(), value);
        ASSERT_TRUE(bar) << value;
        EXPECT_EQ(bar->fill, (PanelRect{0, top, 50, 102})) << value;
        EXPECT_EQ(bar->top, (PanelRect{0, top - 2, 50, top})) << value;
        EXPECT_EQ(bar->foot, (PanelRect{0, 100, 50, 102})) << value;
    }
    Parameter empty;
    empty.gaugeMinimum = empty.gaugeMaximum = 40;
    Parameter noNumber;
    noNumber.gaugeMaximum = std::numeric_limits<float>::quiet_NaN();
    for (const Parameter& scale : {empty, noNumber}) {
        EXPECT_FALSE(MultibarLayout::BarFor(column, scale, 45));
    }
}
