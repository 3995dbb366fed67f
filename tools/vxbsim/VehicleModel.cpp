#include "vxbsim/VehicleModel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vxbsim {

namespace {
constexpr std::array<double, 9> kGearRatios = {12.65, 8.38, 6.22, 4.57, 3.40,
                                               2.46,  1.83, 1.35, 1.00};
constexpr double kAxleRatio = 3.08;
constexpr double kTireRevsPerMile = 510.0;
constexpr double kIdleRpm = 650.0;
// The driver shifts up as soon as the next gear keeps the engine above this.
constexpr double kShiftRpm = 1100.0;
constexpr double kMaxRpm = 2100.0;

// The coolant's running temperature on the level, which the thermostat holds.
constexpr double kThermostatF = 195.0;
// How much hotter the coolant runs, and how much more load the engine carries, per percent of
// grade.
constexpr double kClimbHeatF = 6.0;
constexpr double kClimbLoad = 8.0;

// Speed over a ten-minute cycle: stop, accelerate to 60 mph, cruise, slow down.
double CycleSpeedAt(double seconds) {
    double phase = std::fmod(seconds, 600.0) / 600.0;
    return 60.0 * std::clamp(std::sin(phase * 3.14159265) * 1.4, 0.0, 1.0);
}

// Moves value a step towards target, as a body of the given time constant warms or cools.
double Approach(double value, double target, double seconds, double timeConstant) {
    return value + (target - value) * std::min(1.0, seconds / timeConstant);
}
}  // namespace

void VehicleModel::Step(double seconds) {
    if (seconds <= 0.0) {
        return;
    }
    time += seconds;
    double previous = roadSpeed;
    roadSpeed = SpeedAt(time);
    grade = route ? route->GradeAt(time) : 0.0;
    acceleration = (roadSpeed - previous) / seconds;
    ChooseGear();
    load =
        std::clamp(12.0 + roadSpeed * 0.55 + acceleration * 90.0 + grade * kClimbLoad, 5.0, 100.0);
    Warm(seconds);
    Accumulate(seconds);
}

double VehicleModel::SpeedAt(double seconds) const {
    return route ? route->SpeedAt(seconds) : CycleSpeedAt(seconds);
}

void VehicleModel::ChooseGear() {
    if (roadSpeed < 0.5) {
        gear = 0;
        engineRpm = kIdleRpm;
        return;
    }
    gear = 1;
    for (int g = 9; g >= 1; --g) {
        if (OutputShaftRpm() * kGearRatios[static_cast<std::size_t>(g - 1)] >= kShiftRpm) {
            gear = g;
            break;
        }
    }
    engineRpm = std::clamp(OutputShaftRpm() * GearRatio(), kIdleRpm, kMaxRpm);
}

void VehicleModel::Warm(double seconds) {
    double running = kThermostatF + grade * kClimbHeatF;
    if (coolant < kThermostatF) {
        coolant = std::min(running, coolant + seconds * 0.5);
    } else {
        coolant = Approach(coolant, running, seconds, 90.0);
    }
    oilTemp = Approach(oilTemp, coolant + 15.0, seconds, 120.0);
    transmissionOilTemp = Approach(transmissionOilTemp, 150.0 + load * 0.4, seconds, 180.0);
}

void VehicleModel::Accumulate(double seconds) {
    double miles = roadSpeed * seconds / 3600.0;
    double gallons = FuelRateGph() * seconds / 3600.0;
    distance += miles;
    tripDistance += miles;
    fuelUsed += gallons;
    tripFuel += gallons;
    hours += seconds / 3600.0;
    revolutions += engineRpm * seconds / 60.0;
}

double VehicleModel::GearRatio() const {
    return gear == 0 ? 0.0 : kGearRatios[static_cast<std::size_t>(gear - 1)];
}

double VehicleModel::OutputShaftRpm() const {
    return roadSpeed * kTireRevsPerMile / 60.0 * kAxleRatio;
}

double VehicleModel::AcceleratorPercent() const {
    return acceleration < -0.05 ? 0.0 : std::clamp((load - 12.0) * 1.3, 0.0, 100.0);
}

double VehicleModel::FuelTempF() const {
    return kAmbientF + (coolant - kAmbientF) * 0.25;
}

double VehicleModel::IntakeManifoldF() const {
    return kAmbientF + BoostPsi() * 1.5;
}

double VehicleModel::BoostPsi() const {
    return std::max(0.0, (load - 20.0) * 0.35);
}

double VehicleModel::OilPressurePsi() const {
    return 12.0 + engineRpm * 0.022 - (oilTemp - 70.0) * 0.03;
}

double VehicleModel::BatteryVolts() const {
    return 14.2 - load * 0.002;
}

double VehicleModel::FuelRateGph() const {
    return 0.6 + load / 100.0 * engineRpm / 1000.0 * 8.5;
}

double VehicleModel::EconomyMpg() const {
    return roadSpeed < 0.5 ? 0.0 : std::min(255.0, roadSpeed / FuelRateGph());
}

double VehicleModel::BrakeApplicationPsi() const {
    return acceleration < -0.1 ? -acceleration * 40.0 : 0.0;
}

double VehicleModel::PrimaryAirPsi() const {
    return 120.0 - BrakeApplicationPsi() * 0.3;
}

double VehicleModel::SecondaryAirPsi() const {
    return 118.0 - BrakeApplicationPsi() * 0.3;
}

double VehicleModel::EgrDifferentialPsi() const {
    return load * 0.03;
}

double VehicleModel::EgrTempF() const {
    return coolant + load * 2.5;
}

std::string VehicleModel::AttainedRange() const {
    return gear == 0 ? "N " : std::string(1, static_cast<char>('0' + gear)) + " ";
}

}  // namespace vxbsim
