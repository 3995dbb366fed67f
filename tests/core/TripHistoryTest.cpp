#include <gtest/gtest.h>

#include <filesystem>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/trip/TripHistory.h"

using namespace rovik;

namespace {
std::string Text(const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(missing)";
}
}  // namespace

TEST(TripHistory, RowsMatchTheTemplateAndAWideValueWidensItsColumn) {
    // A trip counted from day one carries the vehicle's lifetime totals.
    TripValues lifetime;
    lifetime.distance = 123456789.0;
    lifetime.hours = 12345.5;
    lifetime.fuel = 45000.0;
    lifetime.averageSpeed = 100000.3;
    lifetime.mpg = 123456.0;
    struct Case {
        std::tm ended;
        TripValues trip;
        std::string row;
    };
    const Case cases[] = {
        {Date(2014, 7, 14), TripValues::Between({}, {123.4, 125 / 60.0, 15.2}),
         " 7/14/14,   123.4,   2:05,  15.2,  59.2,  8.1\r\n"},
        {Date(2009, 12, 31), TripValues::Between({}, {50.0, 2.999, 10.0}),
         "12/31/09,    50.0,   2:59,  10.0,  16.7,  5.0\r\n"},
        // Only the year is cut, to its last two digits.
        {Date(12345, 11, 5), lifetime,
         "11/ 5/45,123456789.0, 12345:30,45000.0,100000.3,123456.0\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TripHistory::Row(c.ended, c.trip), c.row);
    }
    EXPECT_EQ(cases[0].row.size(), TripHistory::kRowLength);
}

TEST(TripHistory, HeaderIsWrittenOnCreateAndRowsOnlyJoinAFileThatExists) {
    TempFolder folder;
    const std::string path = folder.File("trip.trp.TXT");
    EXPECT_EQ(TripHistory::Header().size(), 84u + 47u + 47u);
    ASSERT_TRUE(TripHistory::Create(path));
    EXPECT_EQ(Text(path), TripHistory::Header());

    const std::string row = TripHistory::Row(Date(2014, 7, 14), TripValues());
    ASSERT_TRUE(TripHistory::Append(path, row));
    EXPECT_EQ(Text(path), TripHistory::Header() + row);

    std::filesystem::remove(path);
    EXPECT_FALSE(TripHistory::Append(path, row));
    EXPECT_FALSE(std::filesystem::exists(path));
}
