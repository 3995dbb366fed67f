#include "core/values/DerivedNumbers.h"

#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"

namespace rovik {

namespace {
struct Row {
    unsigned number;
    DerivedNumbers::Base base;
};

constexpr Row kBases[] = {
    {DerivedNumbers::kBrakesRoadSpeed, {kBrakesSlot, pid::kRoadSpeed, true}},
    {DerivedNumbers::kBrakesBatteryVolts, {kBrakesSlot, pid::kBatteryVolts, true}},
    {DerivedNumbers::kRollingMpg, {kEngineSlot, pid::kFuelEconomy, false}},
    {DerivedNumbers::kAcceleration, {kEngineSlot, pid::kRoadSpeed, false}},
    {DerivedNumbers::kBraking, {kEngineSlot, pid::kRoadSpeed, false}},
    {DerivedNumbers::kPeakAcceleration, {kEngineSlot, pid::kRoadSpeed, false}},
    {DerivedNumbers::kRecentMpg, {kEngineSlot, pid::kFuelEconomy, false}},
    {DerivedNumbers::kPeakCoolantTemperature, {kEngineSlot, pid::kCoolantTemperature, false}},
    {DerivedNumbers::kPeakTransmissionOilTemperature,
     {kTransmissionSlot, pid::kTransmissionOilTemperature, false}},
    {DerivedNumbers::kPeakOilTemperature, {kEngineSlot, pid::kOilTemperature, false}},
    {DerivedNumbers::kPeakIntakeTemperature, {kEngineSlot, pid::kIntakeTemperature, false}},
    {DerivedNumbers::kPeakEngineSpeed, {kEngineSlot, pid::kEngineSpeed, false}},
    {DerivedNumbers::kPeakRoadSpeed, {kEngineSlot, pid::kRoadSpeed, false}},
    {DerivedNumbers::kHorsepower, {kEngineSlot, pid::kPercentLoad, false}},
    {DerivedNumbers::kTorque, {kEngineSlot, pid::kPercentLoad, false}},
};
}  // namespace

std::optional<DerivedNumbers::Base> DerivedNumbers::BaseOf(unsigned number) {
    for (const Row& row : kBases) {
        if (row.number == number) {
            return row.base;
        }
    }
    return std::nullopt;
}

bool DerivedNumbers::IsComputed(unsigned number) {
    std::optional<Base> base = BaseOf(number);
    return base && !base->sameValue;
}

}  // namespace rovik
