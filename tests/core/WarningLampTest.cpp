#include <gtest/gtest.h>

#include "core/panels/WarningLamp.h"
#include "core/params/Parameter.h"

using namespace rovik;

// A value on a line takes the colour above it.
TEST(WarningLamp, ColorsByTheLinesTheValueHasPassed) {
    Parameter lowLines;
    lowLines.lowRedLine = 10;
    lowLines.lowYellowLine = 20;
    const std::pair<double, ColorRef> cases[] = {{9.9, kRed},       {10, kYellow},
                                                 {20, kGaugeGreen}, {54.9, kGaugeGreen},
                                                 {55, kYellow},     {70, kRed}};
    for (auto [value, color] : cases) {
        EXPECT_EQ(WarningLamp::Color(value, lowLines), color) << value;
    }
}
