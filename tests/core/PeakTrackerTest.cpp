#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "core/params/PeakTracker.h"

using namespace rovik;

namespace {
constexpr float kLimit = 999.9f;

// The largest value fed within the window, found by looking at every one of them.
struct BruteForceMaximum {
    explicit BruteForceMaximum(std::uint32_t windowPasses) : window(windowPasses) {}
    void Feed(float value, std::uint32_t time) { seen.emplace_back(time, value); }
    float At(std::uint32_t now) {
        while (!seen.empty() && std::uint64_t{seen.front().first} + window < now) {
            seen.pop_front();
        }
        float largest = PeakTracker::kNothingSeen;
        for (const auto& [time, value] : seen) {
            largest = std::max(largest, value);
        }
        return largest;
    }
    std::uint32_t window;
    std::deque<std::pair<std::uint32_t, float>> seen;
};
}  // namespace

TEST(PeakTracker, AgreesWithABruteForceWindowMaximumOverRandomInput) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> reading(0.0f, 1100.0f);
    EXPECT_EQ(PeakTracker().Reading(), PeakTracker::kNothingSeen);
    for (auto [capacity, window] : {std::pair{PeakTracker::kCapacity, PeakTracker::kWindow},
                                    std::pair<std::uint16_t, std::uint32_t>{64, 200}}) {
        PeakTracker tracker(capacity, window);
        BruteForceMaximum expected(window);
        for (std::uint32_t time = 1; time <= 4 * window; ++time) {
            float value = reading(random);
            tracker.Update(value, time, kLimit);
            // A reading above the limit is ignored entirely, expiry included.
            if (value > kLimit) {
                continue;
            }
            expected.Feed(value, time);
            if (time % 7 == 0 || window < 1000) {
                ASSERT_EQ(tracker.Reading(), expected.At(time)) << "time " << time;
            }
        }
    }
}
