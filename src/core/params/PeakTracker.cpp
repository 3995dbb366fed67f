#include "core/params/PeakTracker.h"

#include <algorithm>

namespace rovik {

PeakTracker::PeakTracker(std::uint16_t ringCapacity, std::uint32_t windowPasses)
    : capacity(std::max<std::uint16_t>(ringCapacity, 1)),
      window(windowPasses),
      values(capacity, kNothingSeen),
      times(capacity, 0) {}

std::uint16_t PeakTracker::Older(std::uint16_t index) const {
    return static_cast<std::uint16_t>(index + 1 == capacity ? 0 : index + 1);
}

std::uint16_t PeakTracker::Newer(std::uint16_t index) const {
    return static_cast<std::uint16_t>(index == 0 ? capacity - 1 : index - 1);
}

// Sums in 64 bits: near the start "now - window" would wrap around and expire everything.
bool PeakTracker::Expired(std::uint32_t storedAt, std::uint32_t now) const {
    return std::uint64_t{storedAt} + window < now;
}

void PeakTracker::Store(std::uint16_t index, float value, std::uint32_t time) {
    values[index] = value;
    times[index] = time;
}

void PeakTracker::Update(float value, std::uint32_t time, float limit) {
    if (value > limit) {
        return;
    }
    if (value >= values[maximumIndex]) {
        Store(head, value, time);
        maximumIndex = head;
        return;
    }
    // Candidates smaller than the new value can never be the maximum again: the new value
    // takes the slot just newer than the first candidate that is not smaller.
    std::uint16_t index = head;
    bool stepped = false;
    while (values[index] < value) {
        index = Older(index);
        stepped = true;
    }
    index = Newer(index);
    if (index != maximumIndex) {
        stepped = true;
    }
    if (stepped) {
        Store(index, value, time);
        head = index;
    } else if (Expired(times[Older(index)], time)) {
        // The ring is full; the newest candidate has expired and may be replaced.
        Store(Older(index), value, time);
    }
    DropExpired(time);
}

void PeakTracker::DropExpired(std::uint32_t now) {
    while (Expired(times[maximumIndex], now)) {
        maximumIndex = Newer(maximumIndex);
    }
}

}  // namespace rovik
