#include "core/params/AccelerationHistory.h"

#include <algorithm>

namespace rovik {

void AccelerationHistory::Add(float speed) {
    index = (index + 1) % kPasses;
    changes[index] = speed - speeds[index];
    speeds[index] = speed;
}

float AccelerationHistory::Braking() const {
    return std::max(0.0f, -*std::min_element(changes.begin(), changes.end()));
}

float AccelerationHistory::PeakAcceleration() const {
    return std::max(0.0f, *std::max_element(changes.begin(), changes.end()));
}

}  // namespace rovik
