#include <gtest/gtest.h>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/trip/TripOdometer.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

const Totals kStart{1000.0, 100.0, 500.0};
}  // namespace

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
