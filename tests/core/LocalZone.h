#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/maint/LocalDate.h"

// Makes a time zone with daylight saving the local one for as long as it lives, so that
// dates come out the same on every machine.
class LocalZone {
public:
    LocalZone() : had(std::getenv("TZ") != nullptr), previous(had ? std::getenv("TZ") : "") {
        Set("America/Chicago");
    }
    ~LocalZone() { had ? Set(previous.c_str()) : (unsetenv("TZ"), tzset()); }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    static void Set(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

    bool had;
    std::string previous;
};

// The local moment of a date and time that the test knows to be real.
inline rovik::Moment At(int year, int month, int day, int hour = 12, int minute = 0,
                        int second = 0) {
    return rovik::LocalDate::ToMoment({year, month, day, hour, minute, second}).value();
}
