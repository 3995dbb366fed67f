#include "core/panels/ClockFace.h"

namespace rovik {

std::string ClockFace::Text(int hour, int minute) {
    const int dial = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(dial) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

std::string ClockFace::Show(const std::tm& now) {
    minuteShown = now.tm_min;
    return Text(now.tm_hour, now.tm_min);
}

}  // namespace rovik
