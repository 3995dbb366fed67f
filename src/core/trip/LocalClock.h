#pragma once

#include <ctime>

#include "platform/LocalTime.h"

namespace rovik {

// The local date and time, as trip history rows and new data file names use them.
struct LocalClock {
    static std::tm Now() { return LocalTime::Of(std::time(nullptr)); }
};

}  // namespace rovik
