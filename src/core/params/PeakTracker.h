#pragma once

#include <cstdint>
#include <vector>

namespace rovik {

// The largest value seen over a sliding window of passes, with constant work per pass on
// average. The ring holds a queue of candidates from the newest (head) to the oldest (the
// maximum), by increasing index with wrap-around; their values fall from the oldest to the
// newest. When the ring is full a new candidate may only replace an expired newest one.
// Used by one thread at a time (the owner's lock).
class PeakTracker {
public:
    static constexpr std::uint16_t kCapacity = 1000;
    static constexpr std::uint32_t kWindow = 12000;
    // What a tracker reads before it has been fed anything.
    static constexpr float kNothingSeen = -99999.9f;

    explicit PeakTracker(std::uint16_t capacity = kCapacity, std::uint32_t window = kWindow);

    // Feeds the value seen at this pass; a value above the limit is not a reading and is
    // ignored.
    void Update(float value, std::uint32_t time, float limit);
    float Reading() const { return values[maximumIndex]; }

private:
    std::uint16_t Older(std::uint16_t index) const;
    std::uint16_t Newer(std::uint16_t index) const;
    // Whether a candidate stored at that time has left the window at this time.
    bool Expired(std::uint32_t storedAt, std::uint32_t now) const;
    void Store(std::uint16_t index, float value, std::uint32_t time);
    void DropExpired(std::uint32_t now);

    std::uint16_t capacity;
    std::uint32_t window;
    std::vector<float> values;
    std::vector<std::uint32_t> times;
    std::uint16_t head = 0;
    std::uint16_t maximumIndex = 0;
};

}  // namespace rovik
