#pragma once

#include <ctime>
#include <string>

namespace rovik {

// What the clock shows: the hour on a twelve-hour dial and the minute, as "3:07" or "12:05",
// with no AM or PM. It is repainted only when the minute has changed.
class ClockFace {
public:
    static std::string Text(int hour, int minute);

    // Whether the time's minute differs from the one last shown; true before the first.
    bool MinuteChanged(const std::tm& now) const { return now.tm_min != minuteShown; }
    // The text of the time, whose minute becomes the one shown.
    std::string Show(const std::tm& now);

private:
    int minuteShown = -1;
};

}  // namespace rovik
