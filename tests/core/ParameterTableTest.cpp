#include <gtest/gtest.h>

#include <unistd.h>
#include <optional>
#include <set>

#include "Described.h"
#include "TempFolder.h"
#include "core/app/EngineCorrections.h"
#include "core/app/Settings.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/link/LiveValues.h"
#include "core/panels/GaugeText.h"
#include "core/params/AutomaticDefinitions.h"
#include "core/params/ParameterTable.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueLookup.h"

using namespace rovik;

namespace {
class FixedValue : public ValueLookup {
public:
    double GetValue(unsigned) const override { return 3.0; }
    std::uint32_t GetUpdateCount(unsigned) const override { return 1; }
    const std::uint8_t* GetRawBytes(unsigned) const override { return nullptr; }
};

// A table holding a parameter for each of these PIDs, each with no correction.
ParameterTable TableWith(std::initializer_list<std::uint16_t> pids) {
    ParameterTable table("unused");
    for (std::uint16_t pid : pids) {
        auto parameter = std::make_unique<Parameter>();
        parameter->name = "PID " + std::to_string(pid);
        parameter->pid = pid;
        table.Append(std::move(parameter));
    }
    return table;
}

EngineCorrections Corrected(float odometer, float hourmeter, float fuelmeter) {
    EngineCorrections corrections;
    corrections.odometer = {1.0f, odometer};
    corrections.hourmeter = {2.0f, hourmeter};
    corrections.fuelmeter = {3.0f, fuelmeter};
    return corrections;
}

struct ParameterTableTest : ::testing::Test {
    // The table a load of the file gives.
    ParameterTable Loaded() const {
        ParameterTable table(path);
        table.Load();
        return table;
    }
    // The file the table saves.
    std::vector<std::uint8_t> Saved(std::vector<Parameter> parameters) const {
        ParameterTable table(path);
        for (Parameter& parameter : parameters) {
            table.Append(std::make_unique<Parameter>(std::move(parameter)));
        }
        EXPECT_TRUE(table.Save());
        return AtomicFile::Read(path).value_or(std::vector<std::uint8_t>());
    }

    TempFolder folder;
    std::string path = folder.File("PARAMTRS.DAT");
};
}  // namespace

// Only a missing file is worth a word to the user.
TEST_F(ParameterTableTest, AFileWithoutRecordsGivesTheDefaultParameter) {
    using Bytes = std::optional<std::vector<std::uint8_t>>;
    const std::pair<Bytes, ParameterTable::LoadResult> cases[] = {
        {std::nullopt, ParameterTable::LoadResult::FileMissing},
        {std::vector<std::uint8_t>(), ParameterTable::LoadResult::Loaded},
        {std::vector<std::uint8_t>{0}, ParameterTable::LoadResult::Loaded},
    };
    for (const auto& [bytes, result] : cases) {
        if (bytes) {
            ASSERT_TRUE(AtomicFile::Write(path, *bytes));
        }
        ParameterTable table(path);
        EXPECT_EQ(table.Load(), result);
        ASSERT_EQ(table.Size(), 1u);
        EXPECT_EQ(Described(table.At(0)), "ROAD SPEED|SPEED|MPH|%.1f|84|0..90|-1 -1 / 55 70|0 x 1");
    }
}

TEST_F(ParameterTableTest, OldRecordsLoadWithDefaultsAndSaveInTheCurrentFormat) {
    // No marker, no format, offset or multiplier.
    ByteWriter writer;
    writer.WriteU8(1);
    for (const char* text : {"OIL PRESSURE", "ABBR", "UNIT"}) {
        writer.WriteCString(text);
    }
    writer.WriteU8(100);
    for (int i = 0; i < 6; ++i) {
        writer.WriteFloat(static_cast<float>(i));
    }
    ASSERT_TRUE(AtomicFile::Write(path, writer.Bytes()));
    ParameterTable table = Loaded();
    ASSERT_EQ(table.Size(), 1u);
    EXPECT_EQ(Described(table.At(0)), "OIL PRESSURE|ABBR|UNIT|%.1f|100|0..1|3 2 / 4 5|0 x 1");
    ASSERT_TRUE(table.Save());
    EXPECT_EQ(AtomicFile::Read(path)->at(1), '|');
}

TEST_F(ParameterTableTest, PageTwoPidsTakeTwoBytesAndCorrectionsApplyToTheValue) {
    Parameter pageTwo;
    pageTwo.pid = 300;
    pageTwo.offset = 2.0f;
    pageTwo.multiplier = 10.0f;
    Parameter beyond;
    beyond.pid = 600;
    const std::vector<std::uint8_t> bytes = Saved({pageTwo, beyond});
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find(std::string("MPH\0\xFF\x2C", 6)),
              std::string::npos);
    ParameterTable loaded = Loaded();
    EXPECT_EQ(loaded.At(0).Value(FixedValue()), 50.0);
    EXPECT_EQ(loaded.At(1).pid, 344);
}

TEST_F(ParameterTableTest, SavesAtMostWhatTheCountByteCanSayAndFormatsWithoutPercentFallBack) {
    std::vector<Parameter> many(300);
    many[0].format = "abc";
    Saved(many);
    ParameterTable loaded = Loaded();
    EXPECT_EQ(loaded.Size(), 255u);
    EXPECT_EQ(loaded.At(0).format, "%.1f");
}

TEST(ParameterTable, LookupsFallBackToTheLastEntry) {
    ParameterTable table = TableWith({84, 190, 110});
    EXPECT_EQ(table.FindByPid(190)->name, "PID 190");
    EXPECT_EQ(table.FindByPid(999)->name, "PID 110");
    EXPECT_FALSE(table.IsDefined(999));
    EXPECT_TRUE(table.IsDefined(84));
    EXPECT_EQ(table.FindByName("PID 84")->pid, 84);
    EXPECT_EQ(table.FindByName("pid 84")->pid, 110);
}

// Every row makes a parameter a gauge can show; the rows themselves are the sniffer tests'.
TEST(AutomaticDefinitions, EveryRowIsAUsableParameterAndThoseWithoutLinesSpanTheirScale) {
    EXPECT_FALSE(AutomaticDefinitions::For(120));
    EXPECT_EQ(Described(*AutomaticDefinitions::For(13)),
              "Transmission Mode|TMODE||%.0f|13|0..2|0.5 1.5 / 2.5 3.5|0 x 1");
    // Where a row has no lines, they sit at the ends of its scale.
    auto spansWithoutLines = [](const Parameter& p, float top) {
        return p.gaugeMinimum == 0 && p.lowRedLine == 0 && p.lowYellowLine == 0 &&
               p.gaugeMaximum == top && p.highYellowLine == top && p.highRedLine == top;
    };
    std::set<unsigned> pids;
    for (std::size_t i = 0; i < AutomaticDefinitions::Count(); ++i) {
        const Parameter p = AutomaticDefinitions::At(i);
        EXPECT_TRUE(pids.insert(p.pid).second && GaugeText::TakesOneDouble(p.format) &&
                    p.lowRedLine <= p.lowYellowLine && p.lowYellowLine <= p.highYellowLine &&
                    p.highYellowLine <= p.highRedLine && p.gaugeMinimum < p.gaugeMaximum &&
                    (p.unit != "%" || spansWithoutLines(p, 100)))
            << Described(p);
    }
    EXPECT_TRUE(spansWithoutLines(*AutomaticDefinitions::For(250), 999999.9f));
}

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
    corrections.requestFuelmeter = true;
    corrections.requestOdometer = true;
    corrections.odometerPid = 244;
    corrections.Apply(table, settings, &link.Derived());
    EXPECT_EQ(settings.rollingMpgBufferSize, 300u);
    EXPECT_EQ(link.Derived().AverageWindow(), 300u);
    EXPECT_TRUE(settings.requestFuelmeter);
    EXPECT_TRUE(settings.requestOdometer);

    // The windows now seed from the alternative odometer.
    link.Store().StoreValue(kEngineSlot, 250, 100.0f);
    link.Store().StoreValue(kEngineSlot, 245, 2000.0f);
    link.UpdateAverages();
    EXPECT_EQ(link.GetValue(9), 0.0);
    link.Store().StoreValue(kEngineSlot, 244, 600.0f);
    link.UpdateAverages();
    EXPECT_DOUBLE_EQ(link.GetValue(9), 6.0);
}
