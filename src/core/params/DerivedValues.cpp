#include "core/params/DerivedValues.h"

#include <algorithm>

#include "core/values/DerivedNumbers.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

namespace rovik {

namespace {
using N = DerivedNumbers;
using pid::kEngineSpeed;
using pid::kFuelEconomy;
using pid::kFuelRate;
using pid::kPercentLoad;
using pid::kRoadSpeed;
using pid::kTotalFuel;

// Below this speed fuel economy means little, so nothing is sampled.
constexpr float kSamplingSpeed = 20.0f;
// Instantaneous economy at or below this is not a reading; the fuel rate is used instead.
constexpr float kLeastEconomy = 0.1f;
// The seed: the lifetime average at a steady 60 mph, or 8 mpg while the distance is unknown.
constexpr float kSeedSpeed = 60.0f;
constexpr float kUnknownDistanceFuel = 7.5f;
constexpr double kLeastKnownDistance = 1.0;
}  // namespace

// The most each maximum may read, in the order of the numbers from 503: temperatures, engine
// speed, road speed.
const std::array<float, DerivedValues::kPeakCount> DerivedValues::kPeakLimits = {
    999.9f, 999.9f, 999.9f, 999.9f, 9999.9f, 199.9f};

DerivedValues::DerivedValues() = default;

double DerivedValues::Engine(const ValueStore& store, unsigned pid) const {
    return store.SlotValue(kEngineSlot, pid);
}

void DerivedValues::UpdateAverages(const ValueStore& store) {
    auto speed = static_cast<float>(Engine(store, kRoadSpeed));
    std::lock_guard lock(mutex);
    SampleFuelEconomy(store, speed);
    ++passCounter;
    for (unsigned i = 0; i < kPeakCount; ++i) {
        const DerivedNumbers::Base base = *N::BaseOf(N::kPeakCoolantTemperature + i);
        auto value = static_cast<float>(store.SlotValue(base.slot, base.pid));
        peaks[i].Update(value, passCounter, kPeakLimits[i]);
    }
    acceleration.Add(speed);
}

void DerivedValues::SampleFuelEconomy(const ValueStore& store, float speed) {
    if (!rolling.HasFuel()) {
        Seed(store);
        return;
    }
    if (speed < kSamplingSpeed) {
        return;
    }
    auto economy = static_cast<float>(Engine(store, kFuelEconomy));
    float fuel =
        economy > kLeastEconomy ? speed / economy : static_cast<float>(Engine(store, kFuelRate));
    rolling.Add(speed, fuel);
    recent.Add(speed, fuel);
}

// Starts both windows at the vehicle's lifetime average once its totals are known.
void DerivedValues::Seed(const ValueStore& store) {
    unsigned distancePid = odometerPid;
    if (store.SlotUpdateCount(kEngineSlot, kTotalFuel) == 0 ||
        store.SlotUpdateCount(kEngineSlot, distancePid) == 0) {
        return;
    }
    double distance = Engine(store, distancePid);
    float fuel = distance <= kLeastKnownDistance
                     ? kUnknownDistanceFuel
                     : static_cast<float>(Engine(store, kTotalFuel) * kSeedSpeed / distance);
    // A seed without fuel would leave the windows empty and be repeated every pass.
    if (fuel > 0.0f) {
        rolling.Fill(kSeedSpeed, fuel);
        recent.Fill(kSeedSpeed, fuel);
    }
}

void DerivedValues::SetAverageWindow(std::uint32_t size) {
    std::lock_guard lock(mutex);
    rolling.Resize(std::clamp<std::uint32_t>(size, 1, kMaxRollingWindow));
    recent.Clear();
}

std::uint32_t DerivedValues::AverageWindow() const {
    std::lock_guard lock(mutex);
    return static_cast<std::uint32_t>(rolling.Size());
}

bool DerivedValues::LoadEngineCurve(const std::string& path) {
    EngineCurve loaded;
    {
        std::lock_guard lock(mutex);
        loaded = curve;
    }
    // The file is read without the lock, so a slow disk never holds up the receive thread.
    if (!loaded.Load(path)) {
        return false;
    }
    std::lock_guard lock(mutex);
    curve = loaded;
    return true;
}

double DerivedValues::Value(unsigned number, const ValueStore& store) const {
    std::lock_guard lock(mutex);
    switch (number) {
        case N::kRollingMpg:
            return rolling.Economy(Engine(store, kFuelEconomy));
        case N::kAcceleration:
            return acceleration.Acceleration();
        case N::kBraking:
            return acceleration.Braking();
        case N::kPeakAcceleration:
            return acceleration.PeakAcceleration();
        case N::kRecentMpg:
            return recent.Economy(Engine(store, kFuelEconomy));
        case N::kHorsepower:
        case N::kTorque: {
            auto column = number == N::kHorsepower ? EngineCurve::Column::Horsepower
                                                   : EngineCurve::Column::Torque;
            return curve.CurveValue(column, Engine(store, kEngineSpeed)) *
                   Engine(store, kPercentLoad) * 0.01;
        }
        default:
            if (number >= N::kPeakCoolantTemperature && number <= N::kPeakRoadSpeed) {
                return peaks[number - N::kPeakCoolantTemperature].Reading();
            }
            return 0.0;
    }
}

}  // namespace rovik
