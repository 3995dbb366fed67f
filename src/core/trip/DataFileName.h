#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace rovik {

// Names the data file of a new trip odometer or tank minder after the local time it was
// made: the prefix, a day number, a second-of-the-day number and ".trp".
struct DataFileName {
    using Taken = std::function<bool(const std::string& name)>;

    // The day number (year x 365 + month x 30 + day) is the same for some pairs of dates,
    // so when the name is taken the second number counts on until one is free: a new
    // panel never takes over another's file.
    static std::string ForNew(const std::string& prefix, const std::tm& made, const Taken& taken);
};

}  // namespace rovik
