#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "core/maint/LocalTime.h"

// Makes a time zone the local one for as long as it lives, so that dates and daylight
// saving come out the same on every machine.
class LocalZone {
public:
    explicit LocalZone(const char* zone = "America/Chicago") {
        if (const char* old = std::getenv("TZ")) {
            previous = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone() {
        if (previous) {
            setenv("TZ", previous->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::optional<std::string> previous;
};

// The local moment of a date and time that the test knows to be real.
inline rovik::Moment At(int year, int month, int day, int hour = 12, int minute = 0,
                        int second = 0) {
    return rovik::LocalTime::ToMoment({year, month, day, hour, minute, second}).value();
}
