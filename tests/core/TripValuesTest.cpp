#include <gtest/gtest.h>

#include "core/trip/TripValues.h"

using namespace rovik;

// A baseline above the totals (another vehicle's file) shows nothing, never a negative trip;
// too little fuel or time to divide by shows no ratio.
TEST(TripValues, AreTheTotalsSinceTheBaselineWithRatiosAboveTheirThresholds) {
    struct Case {
        Totals baseline, current;
        TripValues want;
    };
    const Case cases[] = {
        {{1000.0, 100.0, 500.0},
         {1123.4, 102.5, 515.0},
         {123.4, 15.0, 2.5, 123.4 / 15.0, 123.4 / 2.5}},
        {{2000.0, 100.0, 900.0}, {1500.0, 110.0, 800.0}, {0.0, 0.0, 10.0, 0.0, 0.0}},
        {{0, 0, 0}, {12.0, 0.09, 0.09}, {12.0, 0.09, 0.09, 0.0, 0.0}},
        {{0, 0, 0}, {12.0, 0.1, 0.1}, {12.0, 0.1, 0.1, 120.0, 120.0}},
    };
    for (const Case& c : cases) {
        const TripValues trip = TripValues::Between(c.baseline, c.current);
        SCOPED_TRACE(c.current.distance);
        EXPECT_NEAR(trip.distance, c.want.distance, 1e-9);
        EXPECT_NEAR(trip.fuel, c.want.fuel, 1e-9);
        EXPECT_NEAR(trip.hours, c.want.hours, 1e-9);
        EXPECT_NEAR(trip.mpg, c.want.mpg, 1e-9);
        EXPECT_NEAR(trip.averageSpeed, c.want.averageSpeed, 1e-9);
    }
}
