#include <gtest/gtest.h>

#include "core/panels/ClockFace.h"

using namespace rovik;

TEST(ClockFace, ShowsTheHourOnATwelveHourDialWithoutAmOrPm) {
    const std::tuple<int, int, std::string> cases[] = {
        {0, 5, "12:05"}, {13, 0, "1:00"}, {12, 30, "12:30"}, {3, 7, "3:07"}, {23, 59, "11:59"}};
    for (const auto& [hour, minute, text] : cases) {
        EXPECT_EQ(ClockFace::Text(hour, minute), text);
    }
}

TEST(ClockFace, RepaintsOnceAMinute) {
    ClockFace face;
    std::tm now{};
    now.tm_hour = 9;
    now.tm_min = 41;
    EXPECT_TRUE(face.MinuteChanged(now));
    EXPECT_EQ(face.Show(now), "9:41");
    now.tm_sec = 59;
    EXPECT_FALSE(face.MinuteChanged(now));
    now.tm_min = 42;
    EXPECT_TRUE(face.MinuteChanged(now));
}
