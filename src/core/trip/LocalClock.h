#pragma once

#include <ctime>

namespace rovik {

// The local date and time, as trip history rows and new data file names use them.
struct LocalClock {
    static std::tm Now() {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    }
};

}  // namespace rovik
