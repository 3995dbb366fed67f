#include <gtest/gtest.h>

#include "Readings.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1939Builder.h"

using namespace vxbsim;
using namespace vxbsim::test;

TEST(J1939Builder, GroupsReadAsTheModelsValuesInTheirControllersSlots) {
    VehicleModel vehicle = DrivenFor(300.0);
    std::vector<J1939Frame> frames = J1939Builder::Fast(vehicle);
    std::vector<J1939Frame> slow = J1939Builder::Slow(vehicle);
    frames.insert(frames.end(), slow.begin(), slow.end());
    rovik::test::FramedLink read(rovik::ConnectionType::Vx101Usb);
    for (const J1939Frame& frame : frames) {
        read.Feed(BoxEncoder(BoxModel::Vx101).EncodeJ1939(frame));
    }
    ExpectReadings(read, vehicle, &Reading::j1939);
}

TEST(J1939Builder, BuildsARequestedGroupAndNothingForAnUnknownOne) {
    VehicleModel vehicle = DrivenFor(30.0);
    auto fuel = J1939Builder::Build(65257, vehicle);
    ASSERT_TRUE(fuel.has_value());
    EXPECT_EQ(fuel->source, 0);
    EXPECT_TRUE(J1939Builder::Build(65248, vehicle).has_value());
    EXPECT_FALSE(J1939Builder::Build(12345, vehicle).has_value());
}
