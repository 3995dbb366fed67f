#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/params/AccelerationHistory.h"
#include "core/params/EngineCurve.h"
#include "core/params/FuelEconomyWindow.h"
#include "core/params/PeakTracker.h"
#include "core/values/Pids.h"

namespace rovik {

class ValueStore;

// The values the program derives from what the vehicle reports: fuel economy over a rolling
// and a long window, acceleration and braking, the maxima of six values over the last 12000
// passes, and horsepower and torque from the engine curve.
// Threads: the receive thread calls UpdateAverages after each pass; the interface thread
// sets the window, loads the curve and reads values. mutex guards all state but the
// odometer PID, which is atomic.
class DerivedValues {
public:
    static constexpr std::uint32_t kMaxRollingWindow = 6000;
    static constexpr std::uint32_t kRecentWindow = 12000;

    DerivedValues();

    // One pass: samples fuel economy, feeds the maxima and the acceleration.
    void UpdateAverages(const ValueStore& store);
    // Sets the rolling window to this many samples (1 to 6000) and empties both windows,
    // which then seed again from the vehicle's totals.
    void SetAverageWindow(std::uint32_t size);
    std::uint32_t AverageWindow() const;
    // The PID (244 or 245) whose total distance seeds the windows.
    void SetOdometerPid(unsigned pid) { odometerPid = pid; }
    // Reads an engine file over the curve; false and the curve unchanged when it cannot.
    bool LoadEngineCurve(const std::string& path);

    // The value of a computed number; 0 for any other.
    double Value(unsigned number, const ValueStore& store) const;

private:
    static constexpr unsigned kPeakCount = 6;
    static const std::array<float, kPeakCount> kPeakLimits;

    void SampleFuelEconomy(const ValueStore& store, float speed);
    void Seed(const ValueStore& store);
    double Engine(const ValueStore& store, unsigned pid) const;

    mutable std::mutex mutex;
    FuelEconomyWindow rolling{kMaxRollingWindow};
    FuelEconomyWindow recent{kRecentWindow};
    std::uint32_t passCounter = 0;
    std::array<PeakTracker, kPeakCount> peaks;
    AccelerationHistory acceleration;
    EngineCurve curve;
    std::atomic<unsigned> odometerPid{pid::kTotalDistance};
};

}  // namespace rovik
