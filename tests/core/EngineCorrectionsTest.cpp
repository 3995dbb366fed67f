#include <gtest/gtest.h>

#include <unistd.h>

#include "Described.h"
#include "TableWith.h"
#include "core/app/EngineCorrections.h"
#include "core/app/Settings.h"
#include "core/link/LiveValues.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
EngineCorrections Corrected(float odometer, float hourmeter, float fuelmeter) {
    EngineCorrections corrections;
    corrections.odometer = {1.0f, odometer};
    corrections.hourmeter = {2.0f, hourmeter};
    corrections.fuelmeter = {3.0f, fuelmeter};
    return corrections;
}
}  // namespace

TEST(EngineCorrections, MetersTakeTheirCorrectionsAndSpeedFuelAndEconomyTheRatios) {
    ParameterTable table = TableWith({84, 86, 9, 183, 184, 245, 247, 250, 110});
    Settings settings;
    Corrected(1.05f, 1.0f, 0.95f).Apply(table, settings, nullptr);
    struct Want {
        std::uint16_t pid;
        float offset, multiplier;
    };
    for (Want want :
         {Want{245, 1.0f, 1.05f}, Want{247, 2.0f, 1.0f}, Want{250, 3.0f, 0.95f},
          Want{84, 0.0f, 1.05f}, Want{86, 0.0f, 1.05f}, Want{184, 0.0f, 1.05f / 0.95f},
          Want{9, 0.0f, 1.05f / 0.95f}, Want{183, 0.0f, 0.95f}, Want{110, 0.0f, 1.0f}}) {
        EXPECT_EQ(table.FindByPid(want.pid)->offset, want.offset) << want.pid;
        EXPECT_EQ(table.FindByPid(want.pid)->multiplier, want.multiplier) << want.pid;
    }

    // A zero divisor would make the ratio infinite: those keep what they had.
    Corrected(1.05f, 0.0f, 0.95f).Apply(table, settings, nullptr);
    EXPECT_EQ(table.FindByPid(84)->multiplier, 1.05f);
    EXPECT_EQ(table.FindByPid(183)->multiplier, 0.95f);
    EXPECT_EQ(table.FindByPid(247)->multiplier, 0.0f);

    // Meters the table lacks are skipped, not added, and show no correction.
    ParameterTable partial = TableWith({84, 110});
    Corrected(1.1f, 1.0f, 1.0f).Apply(partial, settings, nullptr);
    EXPECT_EQ(partial.Size(), 2u);
    EXPECT_EQ(partial.FindByPid(84)->multiplier, 1.1f);
    partial.FindByPid(110)->multiplier = 3.0f;
    EngineCorrections shown = EngineCorrections::Current(partial, settings);
    EXPECT_EQ(shown.odometer.multiplier, 1.0f);
    EXPECT_EQ(shown.fuelmeter.offset, 0.0f);
}

TEST(EngineCorrections, TheAlternativeOdometerIsAddedOnceWithTheOdometersCorrection) {
    ParameterTable table = TableWith({245, 84});
    Settings settings;
    EngineCorrections corrections = Corrected(1.02f, 1.0f, 1.0f);
    corrections.odometerPid = 244;
    corrections.Apply(table, settings, nullptr);
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(Described(table.At(2)),
              "Total Miles (Alternative)|Mls|Mi|%.1f|244|0..1e+06|0 0 / 1e+06 1e+06|1 x 1.02");
    EXPECT_EQ(settings.odometerPid, 244);

    corrections.odometer.multiplier = 1.03f;
    corrections.Apply(table, settings, nullptr);
    EXPECT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.At(2).multiplier, 1.03f);
}

TEST(EngineCorrections, SettingsAndTheLinkTakeTheWindowTheOdometerAndTheSwitches) {
    LiveValues link("/RovikCorrectionsTest-" + std::to_string(::getpid()));
    link.Derived().SetAverageWindow(150);
    ParameterTable table = TableWith({245});
    Settings settings;
    EngineCorrections corrections = EngineCorrections::Current(table, settings);
    EXPECT_EQ(corrections.rollingMpgBufferSize, 150u);
    corrections.rollingMpgBufferSize = 300;
    corrections.odometerPid = 244;
    corrections.Apply(table, settings, &link.Derived());
    EXPECT_EQ(settings.rollingMpgBufferSize, 300u);
    EXPECT_EQ(link.Derived().AverageWindow(), 300u);

    // The windows now seed from the alternative odometer.
    link.Store().StoreValue(kEngineSlot, 250, 100.0f);
    link.Store().StoreValue(kEngineSlot, 245, 2000.0f);
    link.UpdateAverages();
    EXPECT_EQ(link.GetValue(9), 0.0);
    link.Store().StoreValue(kEngineSlot, 244, 600.0f);
    link.UpdateAverages();
    EXPECT_DOUBLE_EQ(link.GetValue(9), 6.0);
}
