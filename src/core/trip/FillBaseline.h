#pragma once

namespace rovik {

// The total fuel used and total distance when a tank was last filled.
struct FillBaseline {
    double fuelUsed = 0.0;
    double distance = 0.0;

    bool operator==(const FillBaseline&) const = default;
};

}  // namespace rovik
