#include <gtest/gtest.h>

#include "vxbsim/VehicleModel.h"

using namespace vxbsim;

namespace {
void Drive(VehicleModel& truck, double seconds) {
    for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
        truck.Step(0.1);
    }
}
}  // namespace

TEST(VehicleModel, FollowsItsRouteThroughTheGears) {
    VehicleModel truck(DriveRoute({{0, 0}, {10, 0}, {60, 60}, {200, 60}}));
    Drive(truck, 10);
    EXPECT_EQ(truck.RoadSpeedMph(), 0.0);
    EXPECT_EQ(truck.AttainedRange(), "N ");
    Drive(truck, 25);
    EXPECT_NEAR(truck.RoadSpeedMph(), 30.0, 0.1);
    int halfWayGear = truck.Gear();
    Drive(truck, 40);
    EXPECT_EQ(truck.RoadSpeedMph(), 60.0);
    EXPECT_GT(truck.Gear(), halfWayGear);
    EXPECT_EQ(truck.AttainedRange(), "9 ");
}

TEST(VehicleModel, ClimbHeatsTheWarmEngineAndItCoolsAgainOnTheLevel) {
    VehicleModel level(DriveRoute({{0, 50}}));
    VehicleModel hill(DriveRoute({{0, 50}, {300, 50}, {301, 50, 5.0}, {600, 50, 5.0}, {601, 50}}));
    Drive(level, 300);
    Drive(hill, 300);
    EXPECT_EQ(level.CoolantF(), 195.0) << "warm, held by the thermostat";
    EXPECT_NEAR(hill.CoolantF(), 195.0, 0.01);
    Drive(level, 300);
    Drive(hill, 300);
    EXPECT_EQ(level.CoolantF(), 195.0);
    EXPECT_GT(hill.CoolantF(), 215.0);
    EXPECT_GT(hill.EngineLoadPercent(), level.EngineLoadPercent() + 30.0);
    EXPECT_GT(hill.FuelRateGph(), level.FuelRateGph());
    Drive(hill, 600);
    EXPECT_NEAR(hill.CoolantF(), 195.0, 0.5);
}
