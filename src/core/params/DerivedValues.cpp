#include "core/params/DerivedValues.h"

#include <algorithm>

#include "core/link/PreferredSourceTable.h"
#include "core/link/ValueStore.h"

namespace rovik {

namespace {
enum Number : unsigned {
    kRollingMpg = 9,
    kAcceleration = 10,
    kBraking = 11,
    kPeakAcceleration = 12,
    kRecentMpg = 502,
    kFirstPeak = 503,
    kLastPeak = 508,
    kHorsepower = 509,
    kTorque = 510,
};

constexpr unsigned kRoadSpeed = 84;
constexpr unsigned kLoad = 92;
constexpr unsigned kFuelRate = 183;
constexpr unsigned kFuelEconomy = 184;
constexpr unsigned kEngineSpeed = 190;
constexpr unsigned kTotalFuel = 250;

// Below this speed fuel economy means little, so nothing is sampled.
constexpr float kSamplingSpeed = 20.0f;
// Instantaneous economy at or below this is not a reading; the fuel rate is used instead.
constexpr float kLeastEconomy = 0.1f;
// The seed: the lifetime average at a steady 60 mph, or 8 mpg while the distance is unknown.
constexpr float kSeedSpeed = 60.0f;
constexpr float kUnknownDistanceFuel = 7.5f;
constexpr double kLeastKnownDistance = 1.0;
}  // namespace

const std::array<DerivedValues::Peak, 6> DerivedValues::kPeaks = {{
    {kEngineSlot, 110, 999.9f},        // coolant temperature
    {kTransmissionSlot, 177, 999.9f},  // transmission oil temperature
    {kEngineSlot, 175, 999.9f},        // oil temperature
    {kEngineSlot, 105, 999.9f},        // intake manifold temperature
    {kEngineSlot, kEngineSpeed, 9999.9f},
    {kEngineSlot, kRoadSpeed, 199.9f},
}};

DerivedValues::DerivedValues() = default;

double DerivedValues::Engine(const ValueStore& store, unsigned pid) const {
    return store.SlotValue(kEngineSlot, pid);
}

void DerivedValues::UpdateAverages(const ValueStore& store) {
    auto speed = static_cast<float>(Engine(store, kRoadSpeed));
    std::lock_guard lock(mutex);
    SampleFuelEconomy(store, speed);
    ++passCounter;
    for (std::size_t i = 0; i < kPeaks.size(); ++i) {
        auto value = static_cast<float>(store.SlotValue(kPeaks[i].slot, kPeaks[i].pid));
        peaks[i].Update(value, passCounter, kPeaks[i].limit);
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

bool DerivedValues::IsComputed(unsigned number) {
    return (number >= kRollingMpg && number <= kPeakAcceleration) ||
           (number >= kRecentMpg && number <= kTorque);
}

double DerivedValues::Value(unsigned number, const ValueStore& store) const {
    std::lock_guard lock(mutex);
    switch (number) {
        case kRollingMpg:
            return rolling.Economy(Engine(store, kFuelEconomy));
        case kAcceleration:
            return acceleration.Acceleration();
        case kBraking:
            return acceleration.Braking();
        case kPeakAcceleration:
            return acceleration.PeakAcceleration();
        case kRecentMpg:
            return recent.Economy(Engine(store, kFuelEconomy));
        case kHorsepower:
        case kTorque: {
            auto column = number == kHorsepower ? EngineCurve::Column::Horsepower
                                                : EngineCurve::Column::Torque;
            return curve.CurveValue(column, Engine(store, kEngineSpeed)) * Engine(store, kLoad) *
                   0.01;
        }
        default:
            if (number >= kFirstPeak && number <= kLastPeak) {
                return peaks[number - kFirstPeak].Reading();
            }
            return 0.0;
    }
}

}  // namespace rovik
