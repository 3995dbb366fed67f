#include <gtest/gtest.h>

#include <cmath>

#include "CalendarDate.h"
#include "core/trip/TripHistory.h"
#include "core/trip/TripText.h"
#include "core/trip/TripValues.h"

using namespace rovik;

TEST(TripHistory, RowsMatchTheTemplateAndAWideOrDamagedValueWidensItsColumn) {
    // A trip counted from day one carries the vehicle's lifetime totals.
    TripValues lifetime;
    lifetime.distance = 123456789.0;
    lifetime.hours = 12345.5;
    lifetime.fuel = 45000.0;
    lifetime.averageSpeed = 100000.3;
    lifetime.mpg = 123456.0;
    const std::pair<std::string, std::string> cases[] = {
        {TripHistory::Row(Date(2014, 7, 14), TripValues::Between({}, {123.4, 125 / 60.0, 15.2})),
         " 7/14/14,   123.4,   2:05,  15.2,  59.2,  8.1\r\n"},
        // Only the year is cut, to its last two digits.
        {TripHistory::Row(Date(12345, 11, 5), lifetime),
         "11/ 5/45,123456789.0, 12345:30,45000.0,100000.3,123456.0\r\n"},
        // Engine hours arrive as single-precision numbers: 102.1 hours is stored a little
        // short, which is not a minute less.
        {TripText::Time(static_cast<double>(102.1f) - 100.0), "2:06"},
        {TripText::Minutes(std::nan("")), "00"},
        {TripText::WholeHours(1e20), "100000000000000000000"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(cases[0].second.size(), TripHistory::kRowLength);
}
