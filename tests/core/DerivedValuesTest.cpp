#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cmath>

#include "SteppedCurve.h"
#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/link/LiveValues.h"
#include "core/values/DerivedNumbers.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
using D = DerivedNumbers;

// Live values with no transport, whose values a test stores and whose passes it runs.
struct DerivedValuesTest : ::testing::Test {
    void Engine(unsigned pid, float value) { link.Store().StoreValue(kEngineSlot, pid, value); }
    void Pass(int count = 1) {
        for (int i = 0; i < count; ++i) {
            link.UpdateAverages();
        }
    }
    void DriveAt(float speed, float economy, int passes = 1) {
        Engine(84, speed);
        Engine(184, economy);
        Pass(passes);
    }
    void KnowTotals(float fuel, float distance) {
        Engine(250, fuel);
        Engine(245, distance);
    }
    void Store(int slot, unsigned pid, float value) { link.Store().StoreValue(slot, pid, value); }
    void Age(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            link.Age();
        }
    }
    LiveValues link{"/RovikDerivedTest-" + std::to_string(::getpid())};
};
}  // namespace

// How the live values read their store: preferred slots, redirections and ageing.
TEST_F(DerivedValuesTest, PreferredSlotThenFallbacksThenPageTwo) {
    Store(kEngineSlot, 177, 150.0f);
    Store(kTransmissionSlot, 177, 180.0f);
    EXPECT_EQ(link.GetValue(177), 180.0);
    Store(kTransmissionSlot, 100, 42.0f);
    EXPECT_EQ(link.GetValue(100), 42.0);
    Store(kBrakesSlot, 49, 7.0f);
    Store(kEngineSlot, 49, 9.0f);
    EXPECT_EQ(link.GetValue(49), 7.0);
    Store(kPageTwoSlot, 44, 3.5f);
    EXPECT_EQ(link.GetValue(300), 3.5);
    EXPECT_EQ(link.GetUpdateCount(300), 1u);
    EXPECT_EQ(link.GetValue(44), 0.0);
    for (unsigned absent : {101u, 600u}) {
        EXPECT_EQ(link.GetValue(absent), 0.0);
        EXPECT_EQ(link.GetUpdateCount(absent), 0u);
    }
}

TEST_F(DerivedValuesTest, RedirectedAndDerivedNumbersReadTheirBaseEntries) {
    Store(kBrakesSlot, 84, 61.0f);
    Store(kEngineSlot, 84, 55.0f);
    const std::uint8_t raw[] = {122};
    link.Store().StoreRawBytes(kBrakesSlot, 84, raw, 1);
    EXPECT_EQ(link.GetValue(7), 61.0);
    EXPECT_EQ(link.GetRawBytes(7)[0], 122);
    Store(kEngineSlot, 84, 56.0f);
    EXPECT_EQ(link.GetUpdateCount(508), 2u);
    EXPECT_EQ(link.GetUpdateCount(504), 0u);
}

TEST_F(DerivedValuesTest, ValuesAgeOutAfterFifteenSweepsExceptLastingIndexes) {
    Store(kEngineSlot, 110, 190.0f);
    Store(kEngineSlot, 245, 12345.0f);
    Store(kPageTwoSlot, 10, 4.0f);
    Store(kEngineSlot, 84, 50.0f);
    Age(10);
    Store(kEngineSlot, 84, 51.0f);
    Age(4);
    EXPECT_EQ(link.GetValue(110), 190.0);
    Age(1);
    EXPECT_EQ(link.GetValue(110), 0.0);
    EXPECT_EQ(link.GetUpdateCount(110), 0u);
    EXPECT_EQ(link.GetValue(266), 0.0);
    // A store restarts the ageing.
    EXPECT_EQ(link.GetValue(84), 51.0);
    Age(100);
    EXPECT_EQ(link.GetValue(245), 12345.0);
}

TEST_F(DerivedValuesTest, WithoutTotalsFuelEconomyIsTheInstantaneousOneAndNothingIsSampled) {
    link.Derived().SetAverageWindow(2);
    DriveAt(60.0f, 6.5f, 5);
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 6.5);
    EXPECT_EQ(link.GetValue(D::kRecentMpg), 6.5);
    // Once the totals arrive the windows start from them, untouched by the passes before.
    KnowTotals(1000.0f, 8000.0f);
    Pass();
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 8.0);
    EXPECT_EQ(link.GetValue(D::kRecentMpg), 8.0);
    // A distance too short to tell seeds eight miles per gallon as well.
    link.Derived().SetAverageWindow(2);
    KnowTotals(3.0f, 0.5f);
    DriveAt(0.0f, 6.5f);
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 8.0);
}

TEST_F(DerivedValuesTest, SamplesFromTwentyMilesPerHourUsingTheFuelRateWhenEconomyIsMissing) {
    link.Derived().SetAverageWindow(2);
    KnowTotals(1000.0f, 8000.0f);
    Pass();
    DriveAt(19.9f, 4.0f, 3);
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 8.0);
    // 20 mph at 4 mpg burns 5 gallons an hour: (20 + 60) / (5 + 7.5).
    DriveAt(20.0f, 4.0f);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kRollingMpg), 80.0 / 12.5);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kRecentMpg), (60.0 * 11999 + 20.0) / (7.5 * 11999 + 5.0));
    // Economy of 0.1 or less is no reading: the fuel rate counts instead.
    Engine(183, 10.0f);
    DriveAt(40.0f, 0.1f);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kRollingMpg), 60.0 / 15.0);
}

TEST_F(DerivedValuesTest, TheWindowSizeIsNeverZeroAndSettingItEmptiesBothWindows) {
    link.Derived().SetAverageWindow(0);
    EXPECT_EQ(link.Derived().AverageWindow(), 1u);
    KnowTotals(1000.0f, 8000.0f);
    Engine(183, 10.0f);
    DriveAt(30.0f, 0.0f, 3);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kRollingMpg), 3.0);
    link.Derived().SetAverageWindow(150);
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 0.0);
    EXPECT_EQ(link.GetValue(D::kRecentMpg), 0.0);
    Pass();
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 8.0);
}

TEST_F(DerivedValuesTest, AWindowThatBurntNoFuelFallsBackAndSeedsAgain) {
    link.Derived().SetAverageWindow(150);
    KnowTotals(1234.567f, 9876.5f);
    Pass();
    Engine(183, 0.0f);
    DriveAt(61.3f, 0.0f, 150);
    EXPECT_EQ(link.GetValue(D::kRollingMpg), 0.0);
    Pass();
    EXPECT_NEAR(link.GetValue(D::kRollingMpg), 9876.5 / 1234.567, 1e-4);
}

TEST_F(DerivedValuesTest, AccelerationIsTheChangeOverTenPassesAndBrakingTheSteepestFall) {
    for (int pass = 1; pass <= 10; ++pass) {
        DriveAt(static_cast<float>(pass), 0.0f);
    }
    EXPECT_EQ(link.GetValue(D::kAcceleration), 10.0);
    EXPECT_EQ(link.GetValue(D::kPeakAcceleration), 10.0);
    EXPECT_EQ(link.GetValue(D::kBraking), 0.0);
    DriveAt(50.0f, 0.0f, 20);
    EXPECT_EQ(link.GetValue(D::kBraking), 0.0);
    EXPECT_FALSE(std::signbit(link.GetValue(D::kBraking)));
    for (int pass = 1; pass <= 10; ++pass) {
        DriveAt(50.0f - 0.5f * static_cast<float>(pass), 0.0f);
    }
    EXPECT_EQ(link.GetValue(D::kAcceleration), -5.0);
    EXPECT_EQ(link.GetValue(D::kBraking), 5.0);
    EXPECT_EQ(link.GetValue(D::kPeakAcceleration), 0.0);
}

TEST_F(DerivedValuesTest, MaximaIgnoreReadingsAboveTheirLimitsAndTheTireWarningReadsOk) {
    // With no sensors the warning reads OK, and is its own raw byte.
    EXPECT_EQ(link.GetValue(D::kTireWarning), 1.0);
    EXPECT_EQ(link.GetRawBytes(D::kTireWarning)[0], 1);
    EXPECT_EQ(link.GetUpdateCount(D::kTireWarning), 0u);
    Engine(110, 180.0f);
    Engine(84, 210.0f);
    Pass();
    Engine(110, 1000.0f);
    Pass();
    EXPECT_EQ(link.GetValue(D::kPeakCoolantTemperature), 180.0);
    EXPECT_EQ(link.GetValue(D::kPeakRoadSpeed), PeakTracker::kNothingSeen);
}

TEST_F(DerivedValuesTest, HorsepowerAndTorqueFollowTheCurveAndTheLoad) {
    Engine(190, 1250.0f);
    Engine(92, 80.0f);
    EXPECT_EQ(link.GetValue(D::kHorsepower), 0.0);
    TempFolder folder;
    ASSERT_TRUE(AtomicFile::Write(folder.File("stepped.eng"), SteppedCurve()));
    ASSERT_TRUE(link.Derived().LoadEngineCurve(folder.File("stepped.eng")));
    EXPECT_DOUBLE_EQ(link.GetValue(D::kHorsepower), 0.8 * 105);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kTorque), 0.8 * 505);
    for (float outside : {2300.0f, 2500.0f, 1199.0f}) {
        Engine(190, outside);
        EXPECT_EQ(link.GetValue(D::kHorsepower), 0.0) << outside;
    }
    EXPECT_EQ(link.GetUpdateCount(D::kHorsepower), 1u);
    // A file that cannot be read leaves the curve as it was.
    EXPECT_FALSE(link.Derived().LoadEngineCurve(folder.File("missing.eng")));
    // A pipe would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(folder.File("pipe.eng").c_str(), 0600), 0);
    EXPECT_FALSE(link.Derived().LoadEngineCurve(folder.File("pipe.eng")));
    Engine(190, 2250.0f);
    EXPECT_DOUBLE_EQ(link.GetValue(D::kHorsepower), 0.8 * 205);
}
