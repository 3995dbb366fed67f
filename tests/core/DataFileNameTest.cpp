#include <gtest/gtest.h>

#include <set>

#include "CalendarDate.h"
#include "core/trip/DataFileName.h"

using namespace rovik;

TEST(DataFileName, IsNamedAfterTheDayAndSecondAndNeverTakesAnotherFile) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(DataFileName::ForNew("Tnk", Date(2014, 1, 1, 0, 0, 7), isTaken), "Tnk7351417.trp");
    taken = {"Odo73533436000.trp", "Odo73533436001.trp"};
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0), isTaken),
              "Odo73533436002.trp");
}
