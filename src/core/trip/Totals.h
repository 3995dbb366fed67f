#pragma once

namespace rovik {

// The vehicle's lifetime counts as its controllers report them, or a trip's starting point.
struct Totals {
    double distance = 0.0;     // miles
    double engineHours = 0.0;  // hours
    double fuelUsed = 0.0;     // gallons

    bool operator==(const Totals&) const = default;
};

}  // namespace rovik
