#pragma once

#include <ctime>

// A local date and time as the program's clock gives it.
inline std::tm Date(int year, int month, int day, int hour = 10, int minute = 0, int second = 0) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = second;
    return date;
}
