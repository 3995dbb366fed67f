#pragma once

#include <cstdint>

namespace rovik {

// Counts the 100 ms ticks into the once-a-second and once-every-five-seconds steps. A step
// comes when its count exceeds the period, so the first ones fall on ticks 11 and 51.
class MainTick {
public:
    static constexpr std::uint32_t kTickMs = 100;

    struct Due {
        bool oneSecond = false;
        bool fiveSeconds = false;
    };

    Due Advance();

private:
    std::uint32_t oneSecondMs = 0;
    std::uint32_t fiveSecondMs = 0;
};

}  // namespace rovik
