#include "core/app/MainTick.h"

namespace rovik {

namespace {
constexpr std::uint32_t kOneSecondMs = 1000;
constexpr std::uint32_t kFiveSecondsMs = 5000;

bool Step(std::uint32_t& accumulated, std::uint32_t period) {
    accumulated += MainTick::kTickMs;
    if (accumulated <= period) {
        return false;
    }
    accumulated -= period;
    return true;
}
}  // namespace

MainTick::Due MainTick::Advance() {
    Due due;
    due.oneSecond = Step(oneSecondMs, kOneSecondMs);
    due.fiveSeconds = Step(fiveSecondMs, kFiveSecondsMs);
    return due;
}

}  // namespace rovik
