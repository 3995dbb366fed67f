#include <gtest/gtest.h>

#include <cmath>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/trip/FuelTank.h"
#include "core/trip/TankFile.h"

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
