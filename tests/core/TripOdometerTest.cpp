#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/trip/DataFileName.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/trip/TripOdometer.h"
#include "core/trip/TripText.h"
#include "core/trip/TripValues.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

const Totals kStart{1000.0, 100.0, 500.0};
}  // namespace

TEST(DataFileName, IsNamedAfterTheDayAndSecondAndNeverTakesAnotherFile) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(DataFileName::ForNew("Tnk", Date(2014, 1, 1, 0, 0, 7), isTaken), "Tnk7351417.trp");
    taken = {"Odo73533436000.trp", "Odo73533436001.trp"};
    EXPECT_EQ(DataFileName::ForNew("Odo", Date(2014, 7, 14, 10, 0, 0), isTaken),
              "Odo73533436002.trp");
}

TEST(TripOdometer, ANewTripMakesItsFilesAndFinishingAddsItToTheHistory) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    TripOdometer january;
    january.StartNew(Date(2014, 1, 31), kStart);
    EXPECT_EQ(january.Path(), "Odo73517136000.trp");
    // Fuel, hours and distance, in that order.
    ByteWriter baseline;
    for (double value : {kStart.fuelUsed, kStart.engineHours, kStart.distance}) {
        baseline.WriteDouble(value);
    }
    EXPECT_EQ(AtomicFile::Read(january.Path()), baseline.Bytes());
    EXPECT_EQ(folder.Contents(january.HistoryPath()), TripHistory::Header());
    const Totals later{1123.4, 100.0 + 125 / 60.0, 515.2};
    january.Finish(later, Date(2014, 1, 31, 12));
    EXPECT_EQ(folder.Contents(january.HistoryPath()),
              TripHistory::Header() + " 1/31/14,   123.4,   2:05,  15.2,  59.2,  8.1\r\n");
    EXPECT_EQ(january.Values(later), TripValues());
    EXPECT_EQ(TripFile::Read(january.Path()), later);

    // 1 February counts the same day number as 31 January, and keeps a file of its own.
    TripOdometer february;
    february.StartNew(Date(2014, 2, 1), later);
    EXPECT_NE(february.Path(), january.Path());
    EXPECT_EQ(TripFile::Read(january.Path()), later);

    // With the history gone the trip still ends, and no history is made again.
    std::filesystem::remove(january.HistoryPath());
    january.Finish({1200.0, 103.0, 520.0}, Date(2014, 7, 15));
    EXPECT_FALSE(std::filesystem::exists(january.HistoryPath()));
    EXPECT_EQ(january.Baseline(), (Totals{1200.0, 103.0, 520.0}));
}

TEST(TripOdometer, AMissingTripFileIsMadeAgainAndADamagedOneIsLeftAlone) {
    TempFolder folder;
    TripOdometer odometer;
    odometer.Open(folder.File("moved.trp"), kStart);
    EXPECT_EQ(TripFile::Read(folder.File("moved.trp")), kStart);
    const Totals later{1100.0, 102.0, 510.0};
    TripOdometer nextStart;
    nextStart.Open(folder.File("moved.trp"), later);
    EXPECT_EQ(nextStart.Values(later).distance, 100.0);

    odometer.Open("", kStart);
    EXPECT_EQ(odometer.Baseline(), kStart);
    ASSERT_TRUE(AtomicFile::Write(folder.File("short.trp"), {1, 2, 3}));
    odometer.Open(folder.File("short.trp"), kStart);
    EXPECT_EQ(odometer.Baseline(), kStart);
    odometer.Open(folder.File("short.trp"), {});
    odometer.AdoptFirstTotals(kStart);
    EXPECT_EQ(AtomicFile::Read(folder.File("short.trp")), (Bytes{1, 2, 3}));
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

    // A trip counted from day one is not moved.
    ASSERT_TRUE(TripFile::Write(folder.File("DayOne.trp"), {}));
    odometer.Open(folder.File("DayOne.trp"), {});
    odometer.AdoptFirstTotals(kStart);
    EXPECT_EQ(odometer.Values(kStart).distance, kStart.distance);
}

// A baseline above the totals (another vehicle's file) shows nothing, never a negative trip;
// too little fuel or time to divide by shows no ratio.
TEST(TripValues, AreTheTotalsSinceTheBaselineWithRatiosAboveTheirThresholds) {
    struct Case {
        Totals baseline, current;
        TripValues want;
    };
    const Case cases[] = {
        {{1000.0, 100.0, 500.0},
         {1123.4, 102.5, 515.0},
         {123.4, 15.0, 2.5, 123.4 / 15.0, 123.4 / 2.5}},
        {{2000.0, 100.0, 900.0}, {1500.0, 110.0, 800.0}, {0.0, 0.0, 10.0, 0.0, 0.0}},
        {{0, 0, 0}, {12.0, 0.09, 0.09}, {12.0, 0.09, 0.09, 0.0, 0.0}},
        {{0, 0, 0}, {12.0, 0.1, 0.1}, {12.0, 0.1, 0.1, 120.0, 120.0}},
    };
    for (const Case& c : cases) {
        const TripValues trip = TripValues::Between(c.baseline, c.current);
        SCOPED_TRACE(c.current.distance);
        EXPECT_NEAR(trip.distance, c.want.distance, 1e-9);
        EXPECT_NEAR(trip.fuel, c.want.fuel, 1e-9);
        EXPECT_NEAR(trip.hours, c.want.hours, 1e-9);
        EXPECT_NEAR(trip.mpg, c.want.mpg, 1e-9);
        EXPECT_NEAR(trip.averageSpeed, c.want.averageSpeed, 1e-9);
    }
}

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
        {TripHistory::Row(Date(2009, 12, 31), TripValues::Between({}, {50.0, 2.999, 10.0})),
         "12/31/09,    50.0,   2:59,  10.0,  16.7,  5.0\r\n"},
        // Only the year is cut, to its last two digits.
        {TripHistory::Row(Date(12345, 11, 5), lifetime),
         "11/ 5/45,123456789.0, 12345:30,45000.0,100000.3,123456.0\r\n"},
        // Engine hours arrive as single-precision numbers: 102.1 hours is stored a little
        // short, which is not a minute less.
        {TripText::Time(static_cast<double>(102.1f) - 100.0), "2:06"},
        {TripText::OneDecimal(0.0), "0.0"},
        {TripText::Minutes(std::nan("")), "00"},
        {TripText::WholeHours(1e20), "100000000000000000000"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(cases[0].second.size(), TripHistory::kRowLength);
}

TEST(TripHistory, HeaderIsWrittenOnCreateAndRowsOnlyJoinAFileThatExists) {
    TempFolder folder;
    const std::string path = folder.File("trip.trp.TXT");
    EXPECT_EQ(TripHistory::Header().size(), 84u + 47u + 47u);
    ASSERT_TRUE(TripHistory::Create(path));
    EXPECT_EQ(folder.Contents(path), TripHistory::Header());
    const std::string row = TripHistory::Row(Date(2014, 7, 14), TripValues());
    ASSERT_TRUE(TripHistory::Append(path, row));
    EXPECT_EQ(folder.Contents(path), TripHistory::Header() + row);
    std::filesystem::remove(path);
    EXPECT_FALSE(TripHistory::Append(path, row));
    EXPECT_FALSE(std::filesystem::exists(path));
}
