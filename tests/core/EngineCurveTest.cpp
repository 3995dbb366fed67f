#include <gtest/gtest.h>

#include "SteppedCurve.h"
#include "core/params/EngineCurve.h"

using namespace rovik;

TEST(EngineCurve, AShortFileReplacesOnlyWhatItHoldsAndEqualSpeedsNeverDivideByZero) {
    EngineCurve curve;
    std::vector<std::uint8_t> stepped = SteppedCurve();
    curve.Overwrite(stepped.data(), stepped.size());
    // Speeds 1000 and 1000; the odd byte replaces only the low half of the third speed.
    const std::uint8_t bytes[] = {0xE8, 0x03, 0xE8, 0x03, 0x00};
    curve.Overwrite(bytes, sizeof bytes);
    EXPECT_EQ(curve.Speed(0), 1000);
    EXPECT_EQ(curve.Speed(1), 1000);
    EXPECT_EQ(curve.Speed(2), 1400 & 0xFF00);
    EXPECT_EQ(curve.Speed(3), 1500);
    EXPECT_EQ(curve.CurveValue(EngineCurve::Column::Horsepower, 1000.0), 100.0);
    EXPECT_DOUBLE_EQ(curve.CurveValue(EngineCurve::Column::Horsepower, 1100.0),
                     110.0 + 100.0 * 10.0 / 280.0);
}
