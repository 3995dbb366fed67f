#include <gtest/gtest.h>

#include <limits>

#include "core/panels/HistogramImage.h"
#include "core/params/Parameter.h"

using namespace rovik;

TEST(HistogramImage, AddsAColumnEveryUpdateRatePlusOneSeconds) {
    for (std::uint32_t rate : {1u, 60u}) {
        HistogramImage image(kWhite);
        std::vector<int> columnsAt;
        for (int second = 1; second <= 130; ++second) {
            if (image.Tick(rate)) {
                columnsAt.push_back(second);
            }
        }
        const int every = static_cast<int>(rate) + 1;
        EXPECT_EQ(columnsAt.size(), static_cast<std::size_t>(130 / every)) << rate;
        EXPECT_EQ(columnsAt.front(), every) << rate;
        EXPECT_EQ(columnsAt.back(), 130 / every * every) << rate;
    }
}

TEST(HistogramImage, PlotsFromTheFootAtTheMinimumToTheTopAtTheMaximum) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::optional<int>> valueAndRow[] = {
        {0, 59}, {45, 30}, {90, 0}, {1e9, 0}, {-0.5, std::nullopt}, {nan, std::nullopt}};
    for (auto [value, row] : valueAndRow) {
        EXPECT_EQ(HistogramImage::RowFor(Parameter(), value), row) << value;
    }
    Parameter empty;
    empty.gaugeMinimum = empty.gaugeMaximum = 40;
    Parameter reversed;
    reversed.gaugeMinimum = 90;
    reversed.gaugeMaximum = 0;
    for (const Parameter& scale : {empty, reversed}) {
        EXPECT_FALSE(HistogramImage::RowFor(scale, 45));
    }
}
