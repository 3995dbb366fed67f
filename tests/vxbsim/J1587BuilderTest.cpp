#include <gtest/gtest.h>

#include <algorithm>

#include "support/FramedLink.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1587Builder.h"
#include "vxbsim/J1939Builder.h"
#include "vxbsim/VehicleModel.h"

using namespace vxbsim;
using Fault = rovik::test::RecordedFaults::Fault;

namespace {
VehicleModel DrivenFor(double seconds) {
    VehicleModel vehicle;
    for (double t = 0; t < seconds; t += 0.1) {
        vehicle.Step(0.1);
    }
    return vehicle;
}

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

std::vector<Message> FastAndSlow(const VehicleModel& vehicle,
                                 const std::vector<J1587Fault>& faults) {
    std::vector<Message> messages = J1587Builder::Fast(vehicle);
    std::vector<Message> slow = J1587Builder::Slow(vehicle, faults);
    messages.insert(messages.end(), slow.begin(), slow.end());
    return messages;
}

// Feeds the messages as the RS-232 box frames them; false when one leaves no room for its
// checksum on the data link.
bool Send(rovik::test::FramedLink& read, const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        if (message.size() >= 21) {
            return false;
        }
        read.Feed(BoxEncoder(BoxModel::Vx100).Encode(message));
    }
    read.Flush();
    return true;
}
}  // namespace

// Every item and group the builders make reads, through the program's framing and decoders,
// as the value the model drove, in its controller's slot.
TEST(Builders, ItemsAndGroupsReadAsTheModelsValues) {
    VehicleModel vehicle = DrivenFor(300.0);
    ASSERT_GT(vehicle.RoadSpeedMph(), 50.0);
    rovik::test::FramedLink j1708(rovik::ConnectionType::Vx100Serial);
    ASSERT_TRUE(Send(j1708, FastAndSlow(vehicle, {})));
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

// Through a whole drive every message fits the data link and every fault reaches the
// program with its flags and count, whatever item and message it went in.
TEST(J1587Builder, EveryMessageFitsTheLinkAndCarriesEveryFault) {
    std::vector<J1587Fault> faults = {
        {.mid = 128, .code = 110, .fmi = 0, .occurrences = 1},
        {.mid = 130, .code = 2, .isSid = true, .fmi = 14, .inactive = true},
        {.mid = 136, .code = 84, .fmi = 2, .occurrences = 127},
        {.mid = 128, .code = 110, .fmi = 3, .expansion = true},
    };
    std::vector<Fault> expected = {{128, 110, 0xA0, 1, false},
                                   {130, 2, 0x7E, 0, false},
                                   {136, 84, 0xA2, 127, false},
                                   {128, 110, 0x03, 0, false}};
    for (std::uint8_t code = 20; code < 27; ++code) {
        faults.push_back({.mid = 136, .code = code, .fmi = 5, .occurrences = code});
        expected.emplace_back(136, code, 0xA5, code, false);
    }
    rovik::test::FramedLink read(rovik::ConnectionType::Vx100Serial);
    VehicleModel vehicle;
    for (std::size_t step = 1; step <= 6000; ++step) {
        vehicle.Step(0.1);
        ASSERT_TRUE(Send(read, FastAndSlow(vehicle, faults))) << "step " << step;
        ASSERT_EQ(read.Faults().size(), step * faults.size());
    }
    std::vector<Fault> first(read.Faults().begin(), read.Faults().begin() + faults.size());
    std::sort(first.begin(), first.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(first, expected);
    // A controller the program does not read gets messages of its own.
    EXPECT_EQ(J1587Builder::Slow(vehicle, {{.mid = 140, .code = 84}}).back().at(0), 140);
}

TEST(J1939Builder, BuildsARequestedGroupAndNothingForAnUnknownOne) {
    VehicleModel vehicle = DrivenFor(30.0);
    auto fuel = J1939Builder::Build(65257, vehicle);
    ASSERT_TRUE(fuel.has_value());
    EXPECT_EQ(fuel->source, 0);
    EXPECT_TRUE(J1939Builder::Build(65248, vehicle).has_value());
    EXPECT_FALSE(J1939Builder::Build(12345, vehicle).has_value());
}
