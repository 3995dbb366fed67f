#include <gtest/gtest.h>

#include "support/FramedLink.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1587Builder.h"
#include "vxbsim/J1939Builder.h"
#include "vxbsim/VehicleModel.h"

using namespace vxbsim;

namespace {
// A value the program reads from the vehicle's messages, the model's value it stands for and
// how far apart they may be on each data link: half a step of the encoding and a float's
// rounding. A link that does not carry the value has no tolerance.
struct Reading {
    int slot;
    unsigned pid;
    double (VehicleModel::*value)() const;
    double j1708;
    double j1939;
};

constexpr double kNotSent = 0.0;
constexpr int kEngine = rovik::kEngineSlot;
constexpr int kTransmission = rovik::kTransmissionSlot;

const Reading kReadings[] = {
    {kEngine, 84, &VehicleModel::RoadSpeedMph, 0.25, 0.0013},
    {kEngine, 91, &VehicleModel::AcceleratorPercent, 0.2, 0.2},
    {kEngine, 92, &VehicleModel::EngineLoadPercent, 0.25, 0.5},
    {kEngine, 100, &VehicleModel::OilPressurePsi, 0.25, 0.3},
    {kEngine, 102, &VehicleModel::BoostPsi, 0.07, 0.15},
    {kEngine, 105, &VehicleModel::IntakeManifoldF, 0.5, 0.9},
    {kEngine, 110, &VehicleModel::CoolantF, 0.5, 0.9},
    {kEngine, 168, &VehicleModel::BatteryVolts, 0.025, 0.025},
    {kEngine, 171, &VehicleModel::AmbientF, 0.125, 0.03},
    {kEngine, 174, &VehicleModel::FuelTempF, 0.125, 0.9},
    {kEngine, 175, &VehicleModel::OilTempF, 0.125, 0.03},
    {kEngine, 183, &VehicleModel::FuelRateGph, 0.008, 0.007},
    {kEngine, 184, &VehicleModel::EconomyMpg, 0.002, 0.0023},
    {kEngine, 190, &VehicleModel::EngineRpm, 0.125, 0.0625},
    {kEngine, 245, &VehicleModel::DistanceMiles, 0.07, 0.02},
    {kEngine, 247, &VehicleModel::EngineHours, 0.03, 0.03},
    {kEngine, 250, &VehicleModel::FuelUsedGallons, 0.07, 0.07},
    {kTransmission, 177, &VehicleModel::TransmissionOilTempF, 0.125, 0.03},
    {kTransmission, 191, &VehicleModel::OutputShaftRpm, 0.125, kNotSent},
    {rovik::kBrakesSlot, 116, &VehicleModel::BrakeApplicationPsi, 0.3, kNotSent},
    {rovik::kBrakesSlot, 117, &VehicleModel::PrimaryAirPsi, 0.3, kNotSent},
    {rovik::kBrakesSlot, 118, &VehicleModel::SecondaryAirPsi, 0.3, kNotSent},
    {rovik::kPageTwoSlot, 155, &VehicleModel::EgrDifferentialPsi, 0.004, kNotSent},
    {rovik::kPageTwoSlot, 156, &VehicleModel::EgrTempF, 0.125, kNotSent},
};

// What the program read from one data link's messages is what the model drove.
void ExpectReadings(const rovik::test::FramedLink& read, const VehicleModel& vehicle,
                    double Reading::*tolerance) {
    const std::string link = tolerance == &Reading::j1708 ? "J1708" : "J1939";
    for (const Reading& r : kReadings) {
        if (r.*tolerance == kNotSent) {
            continue;
        }
        SCOPED_TRACE(link + " PID " + std::to_string(r.pid) + " in slot " + std::to_string(r.slot));
        EXPECT_GT(read.Count(r.slot, r.pid), 0u);
        EXPECT_NEAR(read.Value(r.slot, r.pid), (vehicle.*r.value)(), r.*tolerance);
    }
    EXPECT_EQ(read.Raw(kTransmission, 162), 'D') << link;
    EXPECT_EQ(read.Raw(kTransmission, 163), vehicle.AttainedRange()[0]) << link;
}
}  // namespace

// Every item and group the builders make reads, through the program's framing and decoders,
// as the value the model drove, in its controller's slot.
TEST(Builders, ItemsAndGroupsReadAsTheModelsValues) {
    VehicleModel vehicle;
    for (int step = 0; step < 3000; ++step) {
        vehicle.Step(0.1);
    }
    ASSERT_GT(vehicle.RoadSpeedMph(), 50.0);
    std::vector<Message> messages = J1587Builder::Fast(vehicle);
    std::vector<Message> slowMessages = J1587Builder::Slow(vehicle, {});
    messages.insert(messages.end(), slowMessages.begin(), slowMessages.end());
    rovik::test::FramedLink j1708(rovik::ConnectionType::Vx100Serial);
    for (const Message& message : messages) {
        j1708.Feed(BoxEncoder(BoxModel::Vx100).Encode(message));
    }
    j1708.Flush();
    ExpectReadings(j1708, vehicle, &Reading::j1708);

    std::vector<J1939Frame> frames = J1939Builder::Fast(vehicle);
    std::vector<J1939Frame> slow = J1939Builder::Slow(vehicle);
    frames.insert(frames.end(), slow.begin(), slow.end());
    rovik::test::FramedLink j1939(rovik::ConnectionType::Vx101Usb);
    for (const J1939Frame& frame : frames) {
        j1939.Feed(BoxEncoder(BoxModel::Vx101).EncodeJ1939(frame));
    }
    ExpectReadings(j1939, vehicle, &Reading::j1939);
}
