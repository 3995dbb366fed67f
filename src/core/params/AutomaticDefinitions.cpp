#include "core/params/AutomaticDefinitions.h"

#include <iterator>

#include "core/values/DerivedNumbers.h"
#include "core/values/Pids.h"

namespace rovik {

namespace {
struct Row {
    const char* name;
    const char* abbreviation;
    const char* unit;
    const char* format;
    unsigned pid;
    float minimum;
    float maximum;
    float lowRed;
    float lowYellow;
    float highYellow;
    float highRed;
};

using D = DerivedNumbers;

// Where a value has no warning lines (status words, switches, totals), they sit at the
// ends of its scale. The J1939 numbers beyond 511 are never listed by the sniffer.
constexpr float kTotal = 999999.9f;
const Row kRows[] = {
    {"ABS Road Speed", "ABS SPEED", "MPH", "%.0f", D::kBrakesRoadSpeed, 0, 90, 0, 0, 55, 75},
    {"ABS Battery Volts", "VOLTS", "VDC", "%.1f", D::kBrakesBatteryVolts, 8, 16, 12, 13, 14.5f, 15},
    {"Rolling MPG", "RMPG", "MPG", "%.1f", D::kRollingMpg, 0, 20, 0, 0, 20, 20},
    {"Acceleration", "ACCEL", "MPH/S", "%.1f", D::kAcceleration, -10, 10, -10, -10, 10, 10},
    {"Peak Braking", "BRAKING", "MPH/S", "%.1f", D::kBraking, 0, 10, 0, 0, 10, 10},
    {"Peak Acceleration", "PEAK ACCEL", "MPH/S", "%.1f", D::kPeakAcceleration, 0, 10, 0, 0, 10, 10},
    {"Transmission Mode", "TMODE", "", "%.0f", pid::kTransmissionMode, 0, 2, 0.5f, 1.5f, 2.5f,
     3.5f},
    {"Oil Reservoir Level", "OIL RES", "%", "%.0f", 17, 0, 100, 0, 0, 100, 100},
    {"Warning Lamps Status", "LAMPS", "", "%.0f", 44, 0, 255, 0, 0, 255, 255},
    {"Inlet Air Heater Status", "HEATER", "", "%.0f", 45, 0, 255, 0, 0, 255, 255},
    {"Wet Tank Pressure", "WET TANK", "PSI", "%.0f", 46, 0, 255, 0, 0, 255, 255},
    {"Trans Retarder Status", "T RETARDER", "", "%.0f", 47, 0, 255, 0, 0, 255, 255},
    {"Barometric Pressure - HR", "BARO HR", "PSI", "%.2f", 48, 0, 20, 0, 0, 20, 20},
    {"ABS Status", "ABS", "", "%.0f", 49, 0, 255, 0, 0, 255, 255},
    {"Brake Switch Status", "BRAKE SW", "", "%.0f", 65, 0, 255, 0, 0, 255, 255},
    {"Torque Limit Factor", "TQ LIMIT", "%", "%.0f", 68, 0, 100, 0, 0, 100, 100},
    {"Park Brake Switch", "PARK BRAKE", "", "%.0f", 70, 0, 255, 0, 0, 255, 255},
    {"Road Speed", "SPEED", "MPH", "%.0f", pid::kRoadSpeed, 0, 90, 0, 0, 55, 75},
    {"Cruise Status", "CRUISE", "", "%.0f", pid::kCruiseStatus, 0, 255, 0, 0, 255, 255},
    {"Cruise Set Speed", "SET SPEED", "MPH", "%.0f", pid::kCruiseSetSpeed, 0, 90, 0, 0, 90, 90},
    {"Accelerator Position", "THROTTLE", "%", "%.0f", 91, 0, 100, 0, 0, 100, 100},
    {"Engine Load", "LOAD", "%", "%.0f", pid::kPercentLoad, 0, 100, 0, 0, 100, 100},
    {"Output Torque", "OUT TORQUE", "LB-FT", "%.0f", 93, 0, 2000, 0, 0, 2000, 2000},
    {"Oil Pressure", "OIL", "PSI", "%.0f", pid::kOilPressure, 0, 100, 10, 30, 100, 100},
    {"Turbo Boost Pressure", "BOOST", "PSI", "%.0f", pid::kBoostPressure, 0, 40, 0, 0, 35, 38},
    {"Turbo Speed", "TURBO", "RPM", "%.0f", 103, 0, 130000, 0, 0, 130000, 130000},
    {"Intake Manifold Temp", "MANIFOLD", "F", "%.0f", pid::kIntakeTemperature, 32, 250, 0, 0, 180,
     200},
    {"Air Inlet Pressure", "AIR INLET", "PSI", "%.1f", 106, 0, 60, 0, 0, 60, 60},
    {"Barometric Pressure", "BARO", "PSI", "%.1f", 108, 0, 20, 0, 0, 20, 20},
    {"Engine Coolant Temp", "TEMP", "F", "%.0f", pid::kCoolantTemperature, 140, 260, 0, 0, 215,
     225},
    {"Coolant Level", "COOLANT", "%", "%.0f", 111, 0, 100, 0, 0, 100, 100},
    {"Retarder Status", "RETARDER", "", "%.0f", 121, 0, 255, 0, 0, 255, 255},
    {"Retarder Percent", "RETARD", "%", "%.0f", pid::kRetarderPercent, 0, 100, 0, 0, 100, 100},
    {"ATC Status", "ATC", "", "%.0f", 151, 0, 65535, 0, 0, 65535, 65535},
    {"Gear Selected", "GEAR SEL", "", "%.0f", pid::kRangeSelected, 0, 65535, 0, 0, 65535, 65535},
    {"Gear Attained", "GEAR", "", "%.0f", pid::kRangeAttained, 0, 65535, 0, 0, 65535, 65535},
    {"Fuel Injection Pressure", "INJECTION", "PSI", "%.0f", 164, 0, 4000, 0, 0, 4000, 4000},
    {"Battery Volts", "VOLTS", "VDC", "%.1f", pid::kBatteryVolts, 8, 16, 12, 13, 14.5f, 15},
    {"Ambient Temperature", "AMBIENT", "F", "%.0f", pid::kAmbientAirTemperature, -40, 130, -40, -40,
     130, 130},
    {"Air Inlet Temperature", "AIR TEMP", "F", "%.0f", 172, -40, 200, -40, -40, 200, 200},
    {"Fuel Temperature", "FUEL TEMP", "F", "%.0f", 174, 0, 200, 0, 0, 150, 170},
    {"Oil Temperature", "OIL TEMP", "F", "%.0f", pid::kOilTemperature, 100, 300, 0, 0, 250, 265},
    {"Transmission Temperature", "TRANS", "F", "%.0f", pid::kTransmissionOilTemperature, 80, 300, 0,
     0, 250, 280},
    {"Fuel Rate", "FUEL", "GPH", "%.1f", pid::kFuelRate, 0, 25, 0, 0, 25, 25},
    {"Instantaneous MPG", "MPG", "MPG", "%.1f", pid::kFuelEconomy, 0, 20, 0, 0, 20, 20},
    {"Engine Speed", "TACH", "RPM", "%.0f", pid::kEngineSpeed, 0, 3000, 0, 0, 2400, 2600},
    {"Trans Output Speed", "OUTPUT", "RPM", "%.0f", 191, 0, 3000, 0, 0, 3000, 3000},
    {"Engine Idle Hours", "IDLE HOURS", "Hr", "%.1f", 235, 0, kTotal, 0, 0, kTotal, kTotal},
    {"Engine Idle Fuel", "IDLE FUEL", "Gal", "%.1f", 236, 0, kTotal, 0, 0, kTotal, kTotal},
    {"Total Miles", "MLS", "Mi", "%.1f", pid::kTotalDistance, 0, 999999, 0, 0, kTotal, kTotal},
    {"Engine Hours", "HOURS", "Hr", "%.1f", pid::kTotalEngineHours, 0, kTotal, 0, 0, kTotal,
     kTotal},
    {"Total Fuel", "FUEL USED", "Gal", "%.1f", pid::kTotalFuel, 0, kTotal, 0, 0, kTotal, kTotal},
    {"Turbo Inlet Temperature", "TURBO IN", "F", "%.0f", 351, -40, 300, -40, -40, 300, 300},
    {"Relative Humidity", "HUMIDITY", "%", "%.0f", 354, 0, 100, 0, 0, 100, 100},
    {"Turbo Outlet Temperature", "TURBO OUT", "F", "%.0f", 404, 0, 1500, 0, 0, 1500, 1500},
    {"EGR Differential Pressure", "EGR DP", "PSI", "%.1f", 411, 0, 10, 0, 0, 10, 10},
    {"EGR Temperature", "EGR TEMP", "F", "%.0f", 412, 0, 800, 0, 0, 650, 750},
    {"Turbo Boost - High Range", "BOOST HR", "PSI", "%.0f", 439, 0, 100, 0, 0, 100, 100},
    {"PressurePro Warning", "TWARN", "", "%.0f", D::kTireWarning, 0, 3, 0, 0.05f, 1.5f, 2.5f},
    {"Recent MPG", "RECENT", "MPG", "%.1f", D::kRecentMpg, 0, 20, 0, 0, 20, 20},
    {"Max Coolant Temp", "MAX TEMP", "F", "%.0f", D::kPeakCoolantTemperature, 140, 260, 0, 0, 215,
     225},
    {"Max Trans Temp", "MAX TRANS", "F", "%.0f", D::kPeakTransmissionOilTemperature, 80, 300, 0, 0,
     250, 280},
    {"Max Oil Temp", "MAX OIL", "F", "%.0f", D::kPeakOilTemperature, 100, 300, 0, 0, 250, 265},
    {"Max Manifold Temp", "MAX MANIFOLD", "F", "%.0f", D::kPeakIntakeTemperature, 32, 250, 0, 0,
     180, 200},
    {"Max RPMs", "MAX TACH", "RPM", "%.0f", D::kPeakEngineSpeed, 0, 3000, 0, 0, 2400, 2600},
    {"Max Speed", "MAX SPEED", "MPH", "%.0f", D::kPeakRoadSpeed, 0, 90, 0, 0, 55, 75},
    {"Horsepower", "POWER", "HP", "%.0f", D::kHorsepower, 0, 750, 0, 0, 750, 750},
    {"Torque", "TORQUE", "LB-FT", "%.0f", D::kTorque, 0, 2000, 0, 0, 2000, 2000},
    {"Fan Drive", "FAN", "%", "%.0f", 975, 0, 100, 0, 0, 100, 100},
    {"Urea Level", "UREA", "%", "%.0f", 1761, 0, 100, 0, 0, 100, 100},
    {"Urea Temp", "UREA TEMP", "F", "%.0f", 3031, -40, 200, -40, -40, 200, 200},
};

Parameter Made(const Row& row) {
    Parameter parameter;
    parameter.name = row.name;
    parameter.abbreviation = row.abbreviation;
    parameter.unit = row.unit;
    parameter.format = row.format;
    parameter.pid = static_cast<std::uint16_t>(row.pid);
    parameter.gaugeMinimum = row.minimum;
    parameter.gaugeMaximum = row.maximum;
    parameter.lowRedLine = row.lowRed;
    parameter.lowYellowLine = row.lowYellow;
    parameter.highYellowLine = row.highYellow;
    parameter.highRedLine = row.highRed;
    parameter.offset = 0.0f;
    parameter.multiplier = 1.0f;
    return parameter;
}
}  // namespace

std::optional<Parameter> AutomaticDefinitions::For(unsigned pid) {
    for (auto row = std::rbegin(kRows); row != std::rend(kRows); ++row) {
        if (row->pid == pid) {
            return Made(*row);
        }
    }
    return std::nullopt;
}

std::size_t AutomaticDefinitions::Count() {
    return std::size(kRows);
}

Parameter AutomaticDefinitions::At(std::size_t index) {
    return Made(kRows[index]);
}

}  // namespace rovik
