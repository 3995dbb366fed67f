#include <gtest/gtest.h>

#include "vxbsim/DriveRoute.h"

using namespace vxbsim;

TEST(DriveRoute, PassesThroughEachWaypointEasesBetweenThemAndHoldsItsEnds) {
    const DriveRoute ramp({{10, 0}, {30, 40, 2.0}, {50, 40}});
    // Waypoints in any order; a negative speed counts as 0.
    const DriveRoute unordered({{60, 10}, {0, 5}, {30, -3, -1.0}});
    // Two waypoints at one moment change the speed there.
    const DriveRoute step({{0, 10}, {10, 10}, {10, 20}, {20, 20}});
    const DriveRoute empty({});
    const std::tuple<const DriveRoute&, double, double> speeds[] = {
        {ramp, 10, 0.0},      {ramp, 30, 40.0},      {ramp, 20, 20.0},       {unordered, -5, 5.0},
        {unordered, 30, 0.0}, {unordered, 60, 10.0}, {unordered, 1e6, 10.0}, {step, 9.99, 10.0},
        {step, 10, 20.0},     {step, 15, 20.0},      {empty, 12, 0.0},
    };
    for (const auto& [route, t, speed] : speeds) {
        EXPECT_EQ(route.SpeedAt(t), speed) << "at " << t << " of a route of " << route.Seconds();
    }
    EXPECT_EQ(ramp.GradeAt(30), 2.0);
    EXPECT_EQ(ramp.GradeAt(40), 1.0);
    EXPECT_EQ(unordered.GradeAt(30), 0.0);
    EXPECT_EQ(unordered.Seconds(), 60.0);
    EXPECT_EQ(empty.Seconds(), 0.0);
    EXPECT_LT(ramp.SpeedAt(11), 0.4) << "leaves a stop gently, not at the average pace of 2";
    EXPECT_GT(ramp.SpeedAt(29), 39.6) << "and arrives gently";
    double previous = 0.0;
    for (double t = 10; t <= 30; t += 0.5) {
        EXPECT_GE(ramp.SpeedAt(t), previous) << t;
        EXPECT_LE(ramp.SpeedAt(t) - previous, 40.0 * 1.5 / 20.0 * 0.5 + 1e-9) << t;
        previous = ramp.SpeedAt(t);
    }
}
