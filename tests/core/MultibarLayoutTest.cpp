#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "core/panels/MultibarLayout.h"
#include "core/params/Parameter.h"

using namespace rovik;

namespace {
// Each row's top and bottom, from the lowest up, and the bar area's last.
std::string Rows(const MultibarLayout& layout) {
    std::string rows;
    for (const PanelRect& row : {layout.unitRow, layout.valueRow, layout.nameRow, layout.barArea}) {
        rows += std::to_string(row.top) + "-" + std::to_string(row.bottom) + " ";
    }
    return rows;
}
}  // namespace

TEST(MultibarLayout, StacksTheRowsShownFromTheBottomAndGivesTheBarsTheRest) {
    const std::tuple<const char*, std::int32_t, bool, std::string> cases[] = {
        {"no rows: bars the whole height", 160, false, "0-0 0-0 0-0 0-160 "},
        {"too low for the rows: none rises above the top", 20, true, "7-20 0-7 0-0 0-0 "},
    };
    for (const auto& [what, height, shown, rows] : cases) {
        MultibarRecord look;
        look.showGaugeName = look.showValue = look.showUnit = shown;
        const MultibarLayout layout = MultibarLayout::For({0, 0, 160, height}, 3, look);
        EXPECT_EQ(layout.columnWidth, 53) << what;
        EXPECT_EQ(layout.rowHeight, 13) << what;
        EXPECT_EQ(Rows(layout), rows) << what;
    }
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
