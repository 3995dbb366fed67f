#include <gtest/gtest.h>

#include <unistd.h>

#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/link/LiveValues.h"
#include "core/params/ParameterTable.h"
#include "core/trip/VehicleTotals.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

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
