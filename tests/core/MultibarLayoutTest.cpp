#include <gtest/gtest.h>

#include <limits>

#include "core/panels/MultibarLayout.h"
#include "core/params/Parameter.h"

using namespace rovik;

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
