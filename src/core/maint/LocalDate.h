#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace rovik {

// A moment in time, to the second.
using Moment = std::chrono::sys_seconds;

// Local calendar dates and times of day as the maintenance schedule keeps them, daylight
// saving decided by the system.
class LocalDate {
public:
    struct Fields {
        int year = 1970;
        int month = 1;
        int day = 1;
        int hour = 12;
        int minute = 0;
        int second = 0;

        bool operator==(const Fields&) const = default;
    };

    // Dates are four-digit years.
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 9999;

    // The moment these local fields name; none when they are no real date and time of day
    // (month 13, 31 April, hour 24) or the year has more than four digits.
    static std::optional<Moment> ToMoment(const Fields& fields);
    static Fields ToFields(Moment moment);
    // Noon of the moment's local date.
    static Moment Noon(Moment moment);
    // The same local time of day so many days later (earlier when negative): a day across a
    // change of daylight saving is still a whole day, so the date never slips.
    static Moment AddDays(Moment moment, int days);
    // "MM/DD/YYYY".
    static std::string DateText(Moment moment);
};

}  // namespace rovik
