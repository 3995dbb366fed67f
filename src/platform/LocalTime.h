#pragma once

#include <ctime>

namespace rovik {

// Calendar time in the machine's time zone.
class LocalTime {
public:
    // The local date and time of the moment; safe to call from any thread.
    static std::tm Of(std::time_t moment);
};

}  // namespace rovik
