#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <set>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/link/LiveValues.h"
#include "core/params/ParameterTable.h"
#include "core/trip/DataFileName.h"
#include "core/trip/FuelTank.h"
#include "core/trip/TankFile.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/trip/TripOdometer.h"
#include "core/trip/TripText.h"
#include "core/trip/TripValues.h"
#include "core/trip/VehicleTotals.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
constexpr double kTankSize = 100.0;
constexpr double kRecentMpg = 7.0;

// A tank filled at 1000 miles and 500 gallons used.
struct FuelTankTest : ::testing::Test {
    FuelTankTest() {
        EXPECT_TRUE(TankFile::Write(path, {500.0, 1000.0}));
        tank.Open(path, {});
    }
    TankReading Read(double distance, double fuelUsed, bool useRecent = false) const {
        return tank.Read({distance, 0.0, fuelUsed}, kTankSize, kRecentMpg, useRecent);
    }

    TempFolder folder;
    std::string path = folder.File("Tnk1.trp");
    FuelTank tank;
};
}  // namespace

// The tank's own economy once a gallon is used, the recent one before that or when asked;
// nothing below zero, and no distance from a fill point beyond the vehicle's (a tank file
// from another vehicle).
TEST_F(FuelTankTest, CountsTheFuelLeftAndTheDistanceItAllows) {
    struct Case {
        double distance, fuelUsed, tankSize;
        bool useRecent;
        TankReading want;
    };
    const Case cases[] = {
        {1200.0, 540.0, kTankSize, false, {60.0, 5.0, 300.0, false}},
        {1200.0, 540.0, kTankSize, true, {60.0, kRecentMpg, 420.0, true}},
        {1004.0, 500.9, kTankSize, false, {99.1, kRecentMpg, 693.7, true}},
        {1900.0, 650.0, kTankSize, false, {0.0, 6.0, 0.0, false}},
        {900.0, 520.0, kTankSize, false, {80.0, 0.0, 0.0, false}},
        {1000.0, 500.0, 0.0, false, {0.0, kRecentMpg, 0.0, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.distance << " miles, " << c.fuelUsed << " gallons");
        const TankReading got =
            tank.Read({c.distance, 0.0, c.fuelUsed}, c.tankSize, kRecentMpg, c.useRecent);
        EXPECT_NEAR(got.fuelRemaining, c.want.fuelRemaining, 1e-9);
        EXPECT_NEAR(got.mpg, c.want.mpg, 1e-9);
        EXPECT_NEAR(got.distanceToEmpty, c.want.distanceToEmpty, 1e-9);
        EXPECT_EQ(got.mpgIsRecent, c.want.mpgIsRecent);
    }
}

TEST_F(FuelTankTest, FillingKeepsTheTotalsOfTheFillInTheTankFile) {
    tank.Fill({1234.0, 50.0, 567.0});
    EXPECT_EQ(TankFile::Read(path), (FillBaseline{567.0, 1234.0}));
    EXPECT_DOUBLE_EQ(Read(1234.0, 567.0).fuelRemaining, kTankSize);
    EXPECT_EQ(FuelTank::JustFilled(kTankSize, kRecentMpg, true),
              (TankReading{kTankSize, 0.0, 700.0, true}));
    EXPECT_EQ(FuelTank::JustFilled(kTankSize, kRecentMpg, false).distanceToEmpty, 0.0);
}

TEST_F(FuelTankTest, ALevelTakenInWholeGallonsIsWhatRemainsAndLastsARestart) {
    const Totals now{1100.0, 0.0, 554.3};
    const double remaining = tank.Remaining(now, kTankSize);
    EXPECT_NEAR(remaining, 45.7, 1e-9);
    tank.SetLevel(FuelTank::WholeGallons(remaining), kTankSize, now);
    EXPECT_NEAR(tank.Read(now, kTankSize, kRecentMpg, false).fuelRemaining, 45.0, 1e-9);

    FuelTank reopened;
    reopened.Open(path, {});
    EXPECT_NEAR(reopened.Remaining(now, kTankSize), 45.0, 1e-9);
    // The fill's distance stays, so the tank's own economy still counts from the fill.
    EXPECT_EQ(reopened.Baseline().distance, 1000.0);
    // Whole gallons stay within what the dialog takes.
    const std::pair<double, int> cases[] = {{-3.0, 0}, {1e12, 999}, {std::nan(""), 0}};
    for (auto [gallons, whole] : cases) {
        EXPECT_EQ(FuelTank::WholeGallons(gallons), whole) << gallons;
    }
}

TEST(FuelTank, ANewTankIsFullInItsOwnFileAndAMissingOrUnreadableOneIsFullNow) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    FuelTank first;
    first.StartNew(Date(2014, 7, 14), {1000.0, 10.0, 500.0});
    EXPECT_EQ(first.Path(), "Tnk73533436000.trp");
    EXPECT_EQ(TankFile::Read(first.Path()), (FillBaseline{500.0, 1000.0}));

    // A missing file is made again, so the fill is still there at the next start.
    FuelTank moved;
    moved.Open("moved.trp", {3000.0, 30.0, 1500.0});
    EXPECT_EQ(TankFile::Read("moved.trp"), (FillBaseline{1500.0, 3000.0}));

    ASSERT_TRUE(AtomicFile::Write("short.trp", {1, 2, 3}));
    FuelTank damaged;
    damaged.Open("short.trp", {3000.0, 30.0, 1500.0});
    EXPECT_EQ(damaged.Baseline(), (FillBaseline{1500.0, 3000.0}));
    EXPECT_EQ(AtomicFile::Read("short.trp"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(FuelTank, ATankFilledBeforeTheTotalsArriveCountsFromTheFirstOnes) {
    TempFolder folder;
    FuelTank tank;
    tank.Open(folder.File("Tank.trp"), {});
    tank.AdoptFirstTotals({412345.6, 9876.5, 61234.5});
    EXPECT_EQ(tank.Baseline(), (FillBaseline{61234.5, 412345.6}));
    EXPECT_EQ(TankFile::Read(folder.File("Tank.trp")), tank.Baseline());
    tank.AdoptFirstTotals({412355.6, 9877.0, 61236.5});
    EXPECT_DOUBLE_EQ(tank.Remaining({412355.6, 9877.0, 61236.5}, kTankSize), 98.0);
}

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes Doubles(std::initializer_list<double> values) {
    ByteWriter writer;
    for (double value : values) {
        writer.WriteDouble(value);
    }
    return writer.Bytes();
}

const Bytes kJunk = {'n', 'o', 't', ' ', 'w', 'r', 'i', 't', 't', 'e', 'n'};

struct VehicleTotalsTest : ::testing::Test {
    std::string Path() const { return folder.File(VehicleTotals::kFileName); }
    // Overwrites the file with bytes no write of the totals makes, to see whether it is
    // written again.
    void Mark() { ASSERT_TRUE(AtomicFile::Write(Path(), kJunk)); }
    bool Rewritten() const { return AtomicFile::Read(Path()) != kJunk; }
    void Refresh(unsigned distancePid = 245) { totals.Refresh(parameters, link, distancePid); }

    TempFolder folder;
    VehicleTotals totals{Path()};
    ParameterTable parameters{folder.File("PARAMTRS.DAT")};
    LiveValues link{"/RovikTotalsTest-" + std::to_string(::getpid())};
};
}  // namespace

TEST_F(VehicleTotalsTest, TotalsAreCopiedAndWrittenOnlyWhenTheVehicleChangesThem) {
    ASSERT_TRUE(AtomicFile::Write(Path(), Doubles({1000.0, 20.0, 300.0})));
    totals.Load();
    Mark();
    for (int tick = 0; tick < 5; ++tick) {
        Refresh();
    }
    EXPECT_FALSE(Rewritten()) << "no vehicle data, no write";
    EXPECT_EQ(totals.Current(), (Totals{1000.0, 20.0, 300.0}));

    link.Store().StoreValue(kEngineSlot, 245, 1500.5f);
    link.Store().StoreValue(kEngineSlot, 250, 420.25f);
    Refresh();
    // Engine hours were never seen and keep what was loaded.
    EXPECT_EQ(AtomicFile::Read(Path()), Doubles({1500.5, 20.0, 420.25}));
    Mark();
    link.Store().StoreValue(kEngineSlot, 245, 1500.5f);
    Refresh();
    EXPECT_FALSE(Rewritten());
    link.Store().StoreValue(kEngineSlot, 247, 12.5f);
    Refresh();
    EXPECT_EQ(AtomicFile::Read(Path()), Doubles({1500.5, 12.5, 420.25}));
    // Without the file the totals start again from zero.
    std::filesystem::remove(Path());
    totals.Load();
    EXPECT_EQ(totals.Current(), Totals());
}

TEST_F(VehicleTotalsTest, DistanceFollowsTheChosenPidThroughItsParameter) {
    auto alternative = std::make_unique<Parameter>();
    alternative->pid = 244;
    alternative->multiplier = 2.0f;
    parameters.Append(std::move(alternative));
    // The table's only other entry is road speed: an unknown PID must not read it.
    parameters.Append(std::make_unique<Parameter>());
    link.Store().StoreValue(kEngineSlot, 84, 55.0f);
    link.Store().StoreValue(kEngineSlot, 244, 100.0f);
    link.Store().StoreValue(kEngineSlot, 245, 7000.0f);
    link.Store().StoreValue(kEngineSlot, 250, 30.0f);
    Refresh(244);
    EXPECT_EQ(totals.Current().distance, 200.0);
    EXPECT_EQ(totals.Current().fuelUsed, 30.0);
    Refresh(245);
    EXPECT_EQ(totals.Current().distance, 7000.0);
}

TEST_F(VehicleTotalsTest, AWriteThatFailedIsMadeOnceTheFolderTakesItAgain) {
    const std::filesystem::path inner = folder.Path() / "inner";
    VehicleTotals elsewhere((inner / VehicleTotals::kFileName).string());
    link.Store().StoreValue(kEngineSlot, 245, 10.0f);
    elsewhere.Refresh(parameters, link, 245);
    EXPECT_FALSE(std::filesystem::exists(inner));

    std::filesystem::create_directory(inner);
    elsewhere.Refresh(parameters, link, 245);
    EXPECT_EQ(AtomicFile::Read((inner / VehicleTotals::kFileName).string()),
              Doubles({10.0, 0.0, 0.0}));
}

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
        {TripText::Minutes(std::nan("")), "00"},
        {TripText::WholeHours(1e20), "100000000000000000000"},
    };
    for (const auto& [got, want] : cases) {
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(cases[0].second.size(), TripHistory::kRowLength);
}
