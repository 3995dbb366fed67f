#include <gtest/gtest.h>

#include <limits>

#include "core/panels/HistogramImage.h"
#include "core/params/Parameter.h"

using namespace rovik;

TEST(HistogramImage, PlotsFromTheFootAtTheMinimumToTheTopAtTheMaximum) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::optional<int>> valueAndRow[] = {
        {0, 59}, {45, 30}, {90, 0}, {1e9, 0}, {-0.5, std::nullopt}, {nan, std::nullopt}};
    for (auto [value, row] : valueAndRow) {
        EXPECT_EQ(HistogramImage::RowFor(Parameter(), value), row) << value;
    }
    Parameter empty;
    empty.gaugeMinimum = empty.gaugeMaximum = 40;
    EXPECT_FALSE(HistogramImage::RowFor(empty, 45));
}
