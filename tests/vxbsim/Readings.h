#pragma once

#include <gtest/gtest.h>

#include "support/FramedLink.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim::test {

inline VehicleModel DrivenFor(double seconds) {
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

inline constexpr double kNotSent = 0.0;
inline constexpr int kEngine = rovik::kEngineSlot;
inline constexpr int kTransmission = rovik::kTransmissionSlot;

inline const Reading kReadings[] = {
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
inline void ExpectReadings(const rovik::test::FramedLink& read, const VehicleModel& vehicle,
                           double Reading::*tolerance) {
    for (const Reading& r : kReadings) {
        if (r.*tolerance == kNotSent) {
            continue;
        }
        SCOPED_TRACE("PID " + std::to_string(r.pid) + " in slot " + std::to_string(r.slot));
        EXPECT_GT(read.Count(r.slot, r.pid), 0u);
        EXPECT_NEAR(read.Value(r.slot, r.pid), (vehicle.*r.value)(), r.*tolerance);
    }
    EXPECT_EQ(read.Raw(kTransmission, 162), 'D');
    EXPECT_EQ(read.Raw(kTransmission, 163), vehicle.AttainedRange()[0]);
}

}  // namespace vxbsim::test
