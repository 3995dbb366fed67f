#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "core/values/SharedValueBlock.h"

namespace rovik {

// Seconds each stored value has left before it goes stale. Set by the receive thread on
// every store and counted down by the interface thread once a second, hence atomic words.
class FreshnessTable {
public:
    static constexpr std::uint32_t kFreshSeconds = 15;

    void Refresh(int entry) { seconds[entry].store(kFreshSeconds, std::memory_order_relaxed); }
    // Counts one second off a live entry; true when that made it stale.
    bool Age(int entry);

private:
    std::array<std::atomic<std::uint32_t>, kSlotCount * kIndexCount> seconds{};
};

}  // namespace rovik
