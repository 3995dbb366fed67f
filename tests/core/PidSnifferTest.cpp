#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "Described.h"
#include "core/params/AutomaticDefinitions.h"
#include "core/params/ParameterTable.h"
#include "core/params/PidSniffer.h"
#include "core/values/PreferredSourceTable.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
struct PidSnifferTest : ::testing::Test {
    PidSnifferTest() {
        auto defined = std::make_unique<Parameter>();
        defined->pid = 190;
        table.Append(std::move(defined));
    }
    std::vector<PidSniffer::Line> Lines() const { return PidSniffer::Lines(parts.values, table); }
    ValueStore& Store() { return parts.values.Store(); }

    test::TestLink parts{"/RovikSnifferTest-" + std::to_string(::getpid())};
    ParameterTable table{"unused"};
};
}  // namespace

TEST_F(PidSnifferTest, ListsWhatHasAValueInNumberOrderInFixedColumns) {
    EXPECT_TRUE(Lines().empty());
    Store().StoreValue(kEngineSlot, 190, 1500.0f);
    Store().StoreValue(kEngineSlot, 110, 190.25f);
    Store().StoreValue(kEngineSlot, 0, 1.0f);
    Store().StoreValue(kBrakesSlot, 84, 123456789.0f);
    Store().StoreValue(kPageTwoSlot, 255, 2.0f);
    std::vector<std::string> texts;
    std::vector<unsigned> pids;
    for (const PidSniffer::Line& line : Lines()) {
        texts.push_back(line.text);
        pids.push_back(line.pid);
    }
    // 0 and 511 are never listed; the brakes' road speed stands for 7 as well, and the
    // highest coolant temperature and engine speed are derived from the engine's.
    EXPECT_EQ(pids, (std::vector<unsigned>{7, 84, 110, 190, 503, 507}));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].substr(0, 40), "PID   7   ABS Road Speed                ");
    EXPECT_EQ(texts[2], "PID 110   Engine Coolant Temperature      Undefined    190.2");
    EXPECT_EQ(texts[3], "PID 190   Engine Speed                    Defined     1500.0");
    // A value wider than its column is printed whole.
    EXPECT_EQ(texts[1].substr(51), "123456792.0");
}

TEST_F(PidSnifferTest, DerivedNumbersGoByTheirOwnNamesTheRestByTheirComponents) {
    const std::pair<unsigned, const char*> names[] = {
        {7, "ABS Road Speed"},
        {8, "ABS Voltage"},
        {12, "Peak Acceleration (DERIVED)"},
        {13, "Transmission Mode (DERIVED)"},
        {14, "Entry Assist Motor Current"},
        {120, "Hydraulic Retarder Oil Temp"},
        {500, "UNKNOWN COMPONENT"},
        {501, "PressurePro Warning (DERIVED)"},
        {507, "Max RPMS (DERIVED)"},
        {510, "Torque (DERIVED)"},
    };
    for (const auto& [pid, name] : names) {
        std::string padded = name;
        padded.resize(30, ' ');
        EXPECT_EQ(PidSniffer::Name(pid), padded);
    }
}

TEST_F(PidSnifferTest, AddsTheAutomaticDefinitionOnlyWhereOneIsWantedAndAvailable) {
    using Addition = PidSniffer::Addition;
    EXPECT_EQ(PidSniffer::AddDefinition(table, 84), Addition::Added);
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_EQ(Described(table.At(1)), Described(*AutomaticDefinitions::For(84)));
    EXPECT_EQ(PidSniffer::AddDefinition(table, 84), Addition::AlreadyDefined);
    EXPECT_EQ(PidSniffer::AddDefinition(table, 190), Addition::AlreadyDefined);
    EXPECT_EQ(PidSniffer::AddDefinition(table, 120), Addition::NotAvailable);
    while (!table.IsFull()) {
        table.Append(std::make_unique<Parameter>());
    }
    EXPECT_EQ(PidSniffer::AddDefinition(table, 110), Addition::TableFull);
    EXPECT_EQ(table.Size(), ParameterTable::kMaxSaved);
}
