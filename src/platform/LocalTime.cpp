#include "platform/LocalTime.h"

#include <time.h>

namespace rovik {

std::tm LocalTime::Of(std::time_t moment) {
    std::tm local{};
    ::localtime_r(&moment, &local);
    return local;
}

}  // namespace rovik
