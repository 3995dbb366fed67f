#include <gtest/gtest.h>

#include "vxbsim/DriveRoute.h"

using namespace vxbsim;

TEST(DriveRoute, PassesThroughEachWaypointAndEasesBetweenThem) {
    DriveRoute route({{10, 0}, {30, 40, 2.0}, {50, 40}});
    EXPECT_EQ(route.SpeedAt(10), 0.0);
    EXPECT_EQ(route.SpeedAt(30), 40.0);
    EXPECT_EQ(route.GradeAt(30), 2.0);
    EXPECT_EQ(route.SpeedAt(20), 20.0) << "half way";
    EXPECT_EQ(route.GradeAt(40), 1.0);
    EXPECT_LT(route.SpeedAt(11), 0.4) << "leaves a stop gently, not at the average pace of 2";
    EXPECT_GT(route.SpeedAt(29), 39.6) << "and arrives gently";
    double previous = 0.0;
    for (double t = 10; t <= 30; t += 0.5) {
        EXPECT_GE(route.SpeedAt(t), previous) << t;
        EXPECT_LE(route.SpeedAt(t) - previous, 40.0 * 1.5 / 20.0 * 0.5 + 1e-9) << t;
        previous = route.SpeedAt(t);
    }
}

TEST(DriveRoute, HoldsItsEndsAndTakesWaypointsInAnyOrder) {
    DriveRoute route({{60, 10}, {0, 5}, {30, -3, -1.0}});
    EXPECT_EQ(route.Seconds(), 60.0);
    EXPECT_EQ(route.SpeedAt(-5), 5.0);
    EXPECT_EQ(route.SpeedAt(30), 0.0) << "a negative speed counts as 0";
    EXPECT_EQ(route.GradeAt(30), 0.0);
    EXPECT_EQ(route.SpeedAt(60), 10.0);
    EXPECT_EQ(route.SpeedAt(1e6), 10.0);
    DriveRoute empty({});
    EXPECT_EQ(empty.SpeedAt(12), 0.0);
    EXPECT_EQ(empty.Seconds(), 0.0);
}

TEST(DriveRoute, TwoWaypointsAtOneMomentChangeTheSpeedThere) {
    DriveRoute route({{0, 10}, {10, 10}, {10, 20}, {20, 20}});
    EXPECT_EQ(route.SpeedAt(9.99), 10.0);
    EXPECT_EQ(route.SpeedAt(10), 20.0);
    EXPECT_EQ(route.SpeedAt(15), 20.0);
}
