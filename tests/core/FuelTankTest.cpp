#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/io/AtomicFile.h"
#include "core/panels/ReadoutText.h"
#include "core/panels/TankMinderRecord.h"
#include "core/trip/FuelTank.h"
#include "core/trip/TankFile.h"

using namespace rovik;

namespace {
constexpr double kTankSize = 100.0;
constexpr double kRecentMpg = 7.0;

struct FuelTankTest : ::testing::Test {
    FuelTankTest() {
        // Filled at 1000 miles and 500 gallons used.
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

TEST_F(FuelTankTest, CountsTheFuelLeftAndTheDistanceItAllowsWithTheTanksOwnEconomy) {
    const TankReading reading = Read(1200.0, 540.0);
    EXPECT_DOUBLE_EQ(reading.fuelRemaining, 60.0);
    EXPECT_DOUBLE_EQ(reading.mpg, 5.0);
    EXPECT_DOUBLE_EQ(reading.distanceToEmpty, 300.0);
    EXPECT_FALSE(reading.mpgIsRecent);

    const TankReading recent = Read(1200.0, 540.0, true);
    EXPECT_DOUBLE_EQ(recent.mpg, kRecentMpg);
    EXPECT_DOUBLE_EQ(recent.distanceToEmpty, 420.0);
    EXPECT_TRUE(recent.mpgIsRecent);
}

TEST_F(FuelTankTest, JustAfterAFillTheRecentEconomyIsShownAsSuch) {
    TankMinderRecord record;
    record.useRecentMpg = false;
    const TankReading reading = Read(1004.0, 500.9);
    EXPECT_TRUE(reading.mpgIsRecent);
    EXPECT_DOUBLE_EQ(reading.mpg, kRecentMpg);
    EXPECT_EQ(ReadoutText::ForTankMinder(record, reading).back().caption, "Recent");
    EXPECT_EQ(ReadoutText::ForTankMinder(record, Read(1200.0, 540.0)).back().caption, "This Tank");
}

TEST_F(FuelTankTest, AnEmptyTankAllowsNoDistanceAndNothingGoesBelowZero) {
    const TankReading dry = Read(1900.0, 650.0);
    EXPECT_EQ(dry.fuelRemaining, 0.0);
    EXPECT_EQ(dry.distanceToEmpty, 0.0);

    // A fill point beyond the vehicle's distance (a tank file from another vehicle).
    const TankReading backwards = Read(900.0, 520.0);
    EXPECT_EQ(backwards.mpg, 0.0);
    EXPECT_EQ(backwards.distanceToEmpty, 0.0);

    tank.Fill({1000.0, 0.0, 500.0});
    EXPECT_EQ(tank.Read({1000.0, 0.0, 500.0}, 0.0, kRecentMpg, false).fuelRemaining, 0.0);
}

TEST_F(FuelTankTest, FillingKeepsTheTotalsOfTheFillInTheTankFile) {
    const Totals now{1234.0, 50.0, 567.0};
    tank.Fill(now);
    EXPECT_EQ(TankFile::Read(path), (FillBaseline{567.0, 1234.0}));
    EXPECT_DOUBLE_EQ(Read(1234.0, 567.0).fuelRemaining, kTankSize);

    const TankReading shown = FuelTank::JustFilled(kTankSize, kRecentMpg, true);
    EXPECT_EQ(shown.fuelRemaining, kTankSize);
    EXPECT_EQ(shown.mpg, 0.0);
    EXPECT_EQ(shown.distanceToEmpty, 700.0);
    EXPECT_EQ(FuelTank::JustFilled(kTankSize, kRecentMpg, false).distanceToEmpty, 0.0);
}

TEST_F(FuelTankTest, ALevelTakenInWholeGallonsIsWhatRemainsAndLastsARestart) {
    const Totals now{1100.0, 0.0, 554.3};
    const double remaining = tank.Remaining(now, kTankSize);
    EXPECT_NEAR(remaining, 45.7, 1e-9);
    EXPECT_EQ(FuelTank::WholeGallons(remaining), 45);
    tank.SetLevel(FuelTank::WholeGallons(remaining), kTankSize, now);
    EXPECT_NEAR(tank.Read(now, kTankSize, kRecentMpg, false).fuelRemaining, 45.0, 1e-9);

    FuelTank reopened;
    reopened.Open(path, {});
    EXPECT_NEAR(reopened.Remaining(now, kTankSize), 45.0, 1e-9);
    // The fill's distance stays, so the tank's own economy still counts from the fill.
    EXPECT_EQ(reopened.Baseline().distance, 1000.0);
}

TEST(FuelTank, WholeGallonsStayWithinWhatTheDialogTakes) {
    EXPECT_EQ(FuelTank::WholeGallons(45.7), 45);
    EXPECT_EQ(FuelTank::WholeGallons(-3.0), 0);
    EXPECT_EQ(FuelTank::WholeGallons(1e12), 999);
    EXPECT_EQ(FuelTank::WholeGallons(std::nan("")), 0);
}

TEST(FuelTank, ANewTankIsFullInItsOwnFileAndAnUnreadableOneIsFullNow) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    std::tm made{};
    made.tm_year = 2014 - 1900;
    made.tm_mon = 6;
    made.tm_mday = 14;
    made.tm_hour = 10;
    FuelTank first;
    first.StartNew(made, {1000.0, 10.0, 500.0});
    EXPECT_EQ(first.Path(), "Tnk73533436000.trp");
    EXPECT_EQ(TankFile::Read(first.Path()), (FillBaseline{500.0, 1000.0}));
    FuelTank second;
    second.StartNew(made, {2000.0, 20.0, 900.0});
    EXPECT_EQ(second.Path(), "Tnk73533436001.trp");
    EXPECT_EQ(TankFile::Read(first.Path()), (FillBaseline{500.0, 1000.0}));

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
