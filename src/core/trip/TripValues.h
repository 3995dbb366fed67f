#pragma once

#include "core/trip/Totals.h"

namespace rovik {

// What a trip odometer shows: how far, how much fuel and how long since the trip began, and
// the economy and average speed that follow.
struct TripValues {
    // Below these the ratios would be noise, so they show 0.
    static constexpr double kLeastFuelForMpg = 0.1;
    static constexpr double kLeastHoursForSpeed = 0.1;

    // A baseline above the current totals (another vehicle's trip file, say) gives 0, never
    // a negative trip.
    static TripValues Between(const Totals& baseline, const Totals& current);

    double distance = 0.0;
    double fuel = 0.0;
    double hours = 0.0;
    double mpg = 0.0;
    double averageSpeed = 0.0;

    bool operator==(const TripValues&) const = default;
};

}  // namespace rovik
