#include <gtest/gtest.h>

#include <cmath>

#include "core/trip/TripText.h"

using namespace rovik;

TEST(TripText, PrintsTimesCutToTheMinuteAndWhateverADamagedFileHolds) {
    const std::pair<std::string, std::string> cases[] = {
        // Engine hours arrive as single-precision numbers: 102.1 hours is stored a little
        // short, which is not a minute less.
        {TripText::Time(static_cast<double>(102.1f) - 100.0), "2:06"},
        {TripText::Time(2.0 + 59.99 / 60), "2:59"},
        {TripText::OneDecimal(0.0), "0.0"},
        {TripText::Minutes(std::nan("")), "00"},
        {TripText::WholeHours(1e20), "100000000000000000000"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
}
