#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/trip/DataFileName.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/trip/TripOdometer.h"
#include "core/trip/TripText.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

std::tm Date(int year, int month, int day, int hour = 10, int minute = 0, int second = 0) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = second;
    return date;
}

Bytes Doubles(std::initializer_list<double> values) {
    ByteWriter writer;
    for (double value : values) {
        writer.WriteDouble(value);
    }
    return writer.Bytes();
}

std::string Text(const std::string& path) {
    std::optional<Bytes> bytes = AtomicFile::Read(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(missing)";
}

const Totals kStart{1000.0, 100.0, 500.0};
}  // namespace

TEST(TripValues, AreTheTotalsSinceTheBaselineWithRatiosAboveTheirThresholds) {
    TripValues trip = TripValues::Between(kStart, {1123.4, 102.5, 515.0});
    EXPECT_NEAR(trip.distance, 123.4, 1e-9);
    EXPECT_NEAR(trip.hours, 2.5, 1e-9);
    EXPECT_NEAR(trip.fuel, 15.0, 1e-9);
    EXPECT_NEAR(trip.mpg, 123.4 / 15.0, 1e-9);
    EXPECT_NEAR(trip.averageSpeed, 123.4 / 2.5, 1e-9);

    // 0.09 gallons and 0.09 hours are too little to divide by.
    trip = TripValues::Between({0, 0, 0}, {12.0, 0.09, 0.09});
    EXPECT_EQ(trip.mpg, 0.0);
    EXPECT_EQ(trip.averageSpeed, 0.0);
    trip = TripValues::Between({0, 0, 0}, {12.0, 0.1, 0.1});
    EXPECT_NEAR(trip.mpg, 120.0, 1e-9);
    EXPECT_NEAR(trip.averageSpeed, 120.0, 1e-9);
}

TEST(TripValues, ABaselineAboveTheTotalsShowsNothingRatherThanANegativeTrip) {
    TripValues trip = TripValues::Between({2000.0, 100.0, 900.0}, {1500.0, 110.0, 800.0});
    EXPECT_EQ(trip.distance, 0.0);
    EXPECT_EQ(trip.fuel, 0.0);
    EXPECT_NEAR(trip.hours, 10.0, 1e-9);
    EXPECT_EQ(trip.mpg, 0.0);
    EXPECT_EQ(trip.averageSpeed, 0.0);
    EXPECT_EQ(TripText::OneDecimal(trip.distance), "0.0");
}

TEST(TripText, PrintsWhateverADamagedFileHolds) {
    EXPECT_EQ(TripText::Minutes(std::nan("")), "00");
    EXPECT_EQ(TripText::WholeHours(1e20), "100000000000000000000");
}

TEST(TripHistory, RowMatchesTheTemplateByteForByte) {
    const TripValues trip = TripValues::Between({0, 0, 0}, {123.4, 125 / 60.0, 15.2});
    const std::string row = TripHistory::Row(Date(2014, 7, 14), trip);
    EXPECT_EQ(row, " 7/14/14,   123.4,   2:05,  15.2,  59.2,  8.1\r\n");
    EXPECT_EQ(row.size(), TripHistory::kRowLength);

    const TripValues late = TripValues::Between({0, 0, 0}, {50.0, 2.999, 10.0});
    EXPECT_EQ(TripHistory::Row(Date(2009, 12, 31), late),
              "12/31/09,    50.0,   2:59,  10.0,  16.7,  5.0\r\n");
}

TEST(TripHistory, ValuesWiderThanTheirColumnsKeepTheirRightmostCharacters) {
    TripValues wide;
    wide.distance = 123456789.0;
    wide.hours = 1234.5;
    wide.fuel = 1234567.0;
    wide.averageSpeed = 100000.3;
    wide.mpg = 123456.0;
    const std::string row = TripHistory::Row(Date(12345, 11, 5), wide);
    EXPECT_EQ(row, "11/ 5/45,456789.0, 234:30,4567.0,0000.3,456.0\r\n");
    EXPECT_EQ(row.size(), TripHistory::kRowLength);
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

TEST(TripFile, HoldsFuelHoursAndDistanceInThatOrder) {
    TempFolder folder;
    const std::string path = folder.File("a.trp");
    ASSERT_TRUE(TripFile::Write(path, {3.0, 2.0, 1.0}));
    EXPECT_EQ(AtomicFile::Read(path), Doubles({1.0, 2.0, 3.0}));
    EXPECT_EQ(TripFile::Read(path), (Totals{3.0, 2.0, 1.0}));
}

TEST(TripFile, MissingOrShortFilesHoldNoBaseline) {
    TempFolder folder;
    EXPECT_EQ(TripFile::Read(folder.File("none.trp")), std::nullopt);
    Bytes cut = Doubles({1.0, 2.0, 3.0});
    cut.pop_back();
    ASSERT_TRUE(AtomicFile::Write(folder.File("cut.trp"), cut));
    EXPECT_EQ(TripFile::Read(folder.File("cut.trp")), std::nullopt);
}

TEST(DataFileName, IsNamedAfterTheDayAndSecondAndNeverTakesAnotherFile) {
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0), none), "Odo73533436000.trp");
    EXPECT_EQ(DataFileName::ForNew("Tnk", Date(2014, 1, 1, 0, 0, 7), none), "Tnk7351417.trp");
    std::set<std::string> taken = {"Odo73533436000.trp", "Odo73533436001.trp"};
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0),
                                   [&](const std::string& name) { return taken.count(name) > 0; }),
              "Odo73533436002.trp");
}

TEST(TripOdometer, ANewTripMakesItsFilesAndOneMadeOnADayWithTheSameNumberKeepsItsOwn) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    TripOdometer january;
    january.StartNew(Date(2014, 1, 31), kStart);
    EXPECT_EQ(january.Path(), "Odo73517136000.trp");
    EXPECT_EQ(TripFile::Read(january.Path()), kStart);
    EXPECT_EQ(Text(january.HistoryPath()), TripHistory::Header());
    january.Finish({1100.0, 102.0, 510.0}, Date(2014, 1, 31, 12));

    // 1 February counts the same day number as 31 January.
    TripOdometer february;
    february.StartNew(Date(2014, 2, 1), {1100.0, 102.0, 510.0});
    EXPECT_NE(february.Path(), january.Path());
    EXPECT_EQ(Text(january.HistoryPath()).size(), TripHistory::Header().size() + 47u);
    EXPECT_EQ(TripFile::Read(january.Path()), (Totals{1100.0, 102.0, 510.0}));
}

TEST(TripOdometer, FinishingAddsTheTripToTheHistoryAndStartsAgain) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    TripOdometer odometer;
    odometer.StartNew(Date(2014, 7, 14), kStart);
    const Totals later{1123.4, 100.0 + 125 / 60.0, 515.2};
    odometer.Finish(later, Date(2014, 7, 14, 12));
    EXPECT_EQ(Text(odometer.HistoryPath()),
              TripHistory::Header() + " 7/14/14,   123.4,   2:05,  15.2,  59.2,  8.1\r\n");
    EXPECT_EQ(odometer.Values(later), TripValues());
    EXPECT_EQ(TripFile::Read(odometer.Path()), later);

    // With the history gone the trip still ends, and no history is made again.
    std::filesystem::remove(odometer.HistoryPath());
    odometer.Finish({1200.0, 103.0, 520.0}, Date(2014, 7, 15));
    EXPECT_FALSE(std::filesystem::exists(odometer.HistoryPath()));
    EXPECT_EQ(odometer.Baseline(), (Totals{1200.0, 103.0, 520.0}));
}

TEST(TripOdometer, OpeningAFileItCannotReadCountsFromNowAndMakesNoFile) {
    TempFolder folder;
    TripOdometer odometer;
    odometer.Open(folder.File("gone.trp"), kStart);
    EXPECT_EQ(odometer.Baseline(), kStart);
    EXPECT_FALSE(std::filesystem::exists(folder.File("gone.trp")));
    odometer.Open("", kStart);
    EXPECT_EQ(odometer.Baseline(), kStart);

    ASSERT_TRUE(TripFile::Write(folder.File("kept.trp"), {900.0, 90.0, 400.0}));
    odometer.Open(folder.File("kept.trp"), kStart);
    EXPECT_EQ(odometer.Values(kStart).distance, 100.0);
}

// At a first start the totals are all 0 until the vehicle reports them.
TEST(TripOdometer, ATripBegunBeforeTheTotalsArriveStartsFromEachAsItComesAndKeepsIt) {
    TempFolder folder;
    TripOdometer odometer;
    odometer.Open(folder.File("Trip.trp"), {});
    odometer.AdoptFirstTotals({});
    EXPECT_FALSE(std::filesystem::exists(folder.File("Trip.trp")));
    odometer.AdoptFirstTotals({1000.0, 0.0, 0.0});
    odometer.AdoptFirstTotals({1001.0, 100.0, 500.0});
    EXPECT_EQ(odometer.Baseline(), (Totals{1000.0, 100.0, 500.0}));
    odometer.AdoptFirstTotals({1200.0, 110.0, 530.0});
    EXPECT_EQ(odometer.Values({1200.0, 110.0, 530.0}).distance, 200.0);
    EXPECT_EQ(TripFile::Read(folder.File("Trip.trp")), (Totals{1000.0, 100.0, 500.0}));

    // A trip counted from day one, or a file that cannot be read, is not moved.
    ASSERT_TRUE(TripFile::Write(folder.File("DayOne.trp"), {}));
    odometer.Open(folder.File("DayOne.trp"), {});
    odometer.AdoptFirstTotals(kStart);
    EXPECT_EQ(odometer.Values(kStart).distance, kStart.distance);
    ASSERT_TRUE(AtomicFile::Write(folder.File("short.trp"), {1, 2, 3}));
    odometer.Open(folder.File("short.trp"), {});
    odometer.AdoptFirstTotals(kStart);
    EXPECT_EQ(AtomicFile::Read(folder.File("short.trp")), (Bytes{1, 2, 3}));
}

TEST(TripText, ATimeAHairShortOfAWholeMinuteIsNotAMinuteLess) {
    // Engine hours arrive as single-precision numbers: 102.1 hours is stored a little short.
    const TripValues trip = TripValues::Between({0, 100.0, 0}, {0, static_cast<double>(102.1f), 0});
    EXPECT_EQ(TripText::Time(trip.hours), "2:06");
    EXPECT_EQ(TripText::Time(2.0 + 59.99 / 60), "2:59");
}
