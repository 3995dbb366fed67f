#pragma once

namespace rovik {

// The vehicle's lifetime counts as its controllers report them, or a trip's starting point.
struct Totals {
    double distance = 0.0;     // miles
    double engineHours = 0.0;  // hours
    double fuelUsed = 0.0;     // gallons

    bool operator==(const Totals&) const = default;

    // A start whose totals were not known yet (0) takes each one as it is first reported.
    Totals WithUnknownsFrom(const Totals& reported) const {
        return {distance == 0.0 ? reported.distance : distance,
                engineHours == 0.0 ? reported.engineHours : engineHours,
                fuelUsed == 0.0 ? reported.fuelUsed : fuelUsed};
    }
    bool AllKnown() const { return distance != 0.0 && engineHours != 0.0 && fuelUsed != 0.0; }
};

}  // namespace rovik
