#include <gtest/gtest.h>

#include <set>

#include "CalendarDate.h"
#include "core/trip/DataFileName.h"

using namespace rovik;

TEST(DataFileName, IsNamedAfterTheDayAndSecondAndNeverTakesAnotherFile) {
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0), none), "Odo73533436000.trp");
    EXPECT_EQ(DataFileName::ForNew("Tnk", Date(2014, 1, 1, 0, 0, 7), none), "Tnk7351417.trp");
    std::set<std::string> taken = {"Odo73533436000.trp", "Odo73533436001.trp"};
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0),
                                   [&](const std::string& name) { return taken.count(name) > 0; }),
              "Odo73533436002.trp");
}
