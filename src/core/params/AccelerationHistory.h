#pragma once

#include <array>

namespace rovik {

// The change of road speed over the last ten passes, for the last ten passes: acceleration
// is the newest change, braking the steepest fall, peak acceleration the steepest rise.
// Used by one thread at a time (the owner's lock).
class AccelerationHistory {
public:
    static constexpr int kPasses = 10;

    void Add(float speed);
    float Acceleration() const { return changes[index]; }
    // The steepest fall as a positive number; 0 when speed has not fallen.
    float Braking() const;
    // The steepest rise; 0 when speed has not risen.
    float PeakAcceleration() const;

private:
    std::array<float, kPasses> speeds{};
    std::array<float, kPasses> changes{};
    int index = 0;
};

}  // namespace rovik
