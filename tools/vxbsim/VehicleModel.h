#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "vxbsim/DriveRoute.h"

namespace vxbsim {

using Message = std::vector<std::uint8_t>;

// A nine-speed truck on a repeating ten-minute drive (it pulls away, cruises at 60 mph and
// slows to a stop), or on a route of its own. Engine speed follows from the gear, load from
// speed, acceleration and the road's grade, fuel rate from load and engine speed; temperatures
// warm up towards their running values, a climb heats the coolant past its thermostat, and the
// totals grow with time, distance and fuel. Entirely deterministic. Used by one thread only.
class VehicleModel {
public:
    VehicleModel() = default;
    explicit VehicleModel(DriveRoute route) : route(std::move(route)) {}

    void Step(double seconds);

    double RoadSpeedMph() const { return roadSpeed; }
    double EngineRpm() const { return engineRpm; }
    // 0 while stopped (neutral), else 1..9.
    int Gear() const { return gear; }
    double GearRatio() const;
    double OutputShaftRpm() const;
    double EngineLoadPercent() const { return load; }
    double AcceleratorPercent() const;
    double CoolantF() const { return coolant; }
    double OilTempF() const { return oilTemp; }
    double FuelTempF() const;
    double TransmissionOilTempF() const { return transmissionOilTemp; }
    double AmbientF() const { return kAmbientF; }
    double IntakeManifoldF() const;
    double BoostPsi() const;
    double OilPressurePsi() const;
    double BatteryVolts() const;
    double FuelRateGph() const;
    double EconomyMpg() const;
    double BrakeApplicationPsi() const;
    double PrimaryAirPsi() const;
    double SecondaryAirPsi() const;
    double EgrDifferentialPsi() const;
    double EgrTempF() const;
    double DistanceMiles() const { return distance; }
    double TripMiles() const { return tripDistance; }
    double EngineHours() const { return hours; }
    double EngineRevolutions() const { return revolutions; }
    double FuelUsedGallons() const { return fuelUsed; }
    double TripFuelGallons() const { return tripFuel; }
    // Two characters each, as the transmission reports them: "D " selected, and "N " or the
    // gear's digit and a space attained.
    std::string SelectedRange() const { return "D "; }
    std::string AttainedRange() const;

private:
    static constexpr double kAmbientF = 68.0;

    double SpeedAt(double seconds) const;
    void ChooseGear();
    void Warm(double seconds);
    void Accumulate(double seconds);

    std::optional<DriveRoute> route;
    double time = 0.0;
    double roadSpeed = 0.0;
    double grade = 0.0;         // percent uphill
    double acceleration = 0.0;  // mph per second
    int gear = 0;
    double engineRpm = 650.0;
    double load = 12.0;
    double coolant = 70.0;
    double oilTemp = 70.0;
    double transmissionOilTemp = 70.0;
    double distance = 412345.6;
    double tripDistance = 0.0;
    double hours = 9876.5;
    double revolutions = 9876.5 * 60.0 * 1300.0;
    double fuelUsed = 61234.5;
    double tripFuel = 0.0;
};

}  // namespace vxbsim
