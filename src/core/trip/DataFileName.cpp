#include "core/trip/DataFileName.h"

namespace rovik {

std::string DataFileName::ForNew(const std::string& prefix, const std::tm& made,
                                 const Taken& taken) {
    long day = (made.tm_year + 1900L) * 365 + (made.tm_mon + 1L) * 30 + made.tm_mday;
    long second = made.tm_hour * 3600L + made.tm_min * 60L + made.tm_sec;
    std::string name;
    do {
        name = prefix + std::to_string(day) + std::to_string(second++) + ".trp";
    } while (taken(name));
    return name;
}

}  // namespace rovik
