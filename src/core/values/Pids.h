#pragma once

namespace rovik::pid {

// The J1587 parameter numbers the program itself reads or writes, by what they mean. Values
// from either data link are stored under these numbers, in J1587 units.
inline constexpr unsigned kTransmissionMode = 13;  // derived from the selected range
inline constexpr unsigned kAmbientAirTemperature = 171;
inline constexpr unsigned kRoadSpeed = 84;
inline constexpr unsigned kCruiseStatus = 85;
inline constexpr unsigned kCruiseSetSpeed = 86;
inline constexpr unsigned kPercentLoad = 92;
inline constexpr unsigned kOilPressure = 100;
inline constexpr unsigned kBoostPressure = 102;
inline constexpr unsigned kIntakeTemperature = 105;
inline constexpr unsigned kCoolantTemperature = 110;
inline constexpr unsigned kRetarderPercent = 122;
// What the tire pressure receiver uses: a request to another module, the sensors'
// temperatures and two readings of their pressures, and their diagnostic codes.
inline constexpr unsigned kModuleRequest = 128;
inline constexpr unsigned kTireTemperatures = 210;
inline constexpr unsigned kTirePressures = 211;
inline constexpr unsigned kTireSecondPressures = 212;
inline constexpr unsigned kTireCodes = 241;
inline constexpr unsigned kRangeSelected = 162;
inline constexpr unsigned kRangeAttained = 163;
inline constexpr unsigned kBatteryVolts = 168;
inline constexpr unsigned kOilTemperature = 175;
inline constexpr unsigned kTransmissionOilTemperature = 177;
inline constexpr unsigned kFuelRate = 183;
inline constexpr unsigned kFuelEconomy = 184;
inline constexpr unsigned kEngineSpeed = 190;
inline constexpr unsigned kDiagnostics = 194;
inline constexpr unsigned kTripDistance = 244;
inline constexpr unsigned kTotalDistance = 245;
inline constexpr unsigned kTotalEngineHours = 247;
inline constexpr unsigned kTotalFuel = 250;
// Item numbers that are not parameters: the escape to the second page, and the ends of a
// message's item walk.
inline constexpr unsigned kPageEscape = 255;
// The data link escape, which carries the tire receiver's sensor reports and the commands to it.
inline constexpr unsigned kDataLinkEscape = 254;

}  // namespace rovik::pid
