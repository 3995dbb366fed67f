#pragma once

namespace rovik {

// What a tank minder shows.
struct TankReading {
    double fuelRemaining = 0.0;  // gallons
    double mpg = 0.0;
    double distanceToEmpty = 0.0;  // miles
    // The economy is the vehicle's recent one, not this tank's own.
    bool mpgIsRecent = false;

    bool operator==(const TankReading&) const = default;
};

}  // namespace rovik
