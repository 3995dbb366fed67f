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

TEST(EngineCurve, TheSuppliedEngineFileIsAPlausibleTwoHundredFiftyHorsepowerCurve) {
    EngineCurve curve;
    ASSERT_TRUE(curve.Load(ROVIK_SUPPLIED_DIR "/Caterpillar 3126 250"));
    for (std::size_t point = 1; point < EngineCurve::kPoints; ++point) {
        EXPECT_GT(curve.Speed(point), curve.Speed(point - 1));
    }
    EXPECT_EQ(curve.CurveValue(EngineCurve::Column::Horsepower, 2200.0), 250.0);
    for (double rpm = 1200.0; rpm < 2300.0; rpm += 50.0) {
        double torque = curve.CurveValue(EngineCurve::Column::Torque, rpm);
        double horsepower = curve.CurveValue(EngineCurve::Column::Horsepower, rpm);
        EXPECT_NEAR(horsepower, torque * rpm / 5252.0, 3.0) << rpm;
    }
}
