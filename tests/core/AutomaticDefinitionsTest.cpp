#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Described.h"
#include "core/panels/GaugeText.h"
#include "core/params/AutomaticDefinitions.h"

using namespace rovik;

namespace {
std::vector<Parameter> AllRows() {
    std::vector<Parameter> rows;
    for (std::size_t i = 0; i < AutomaticDefinitions::Count(); ++i) {
        rows.push_back(AutomaticDefinitions::At(i));
    }
    return rows;
}

bool SpansWithoutLines(const Parameter& row, float minimum, float maximum) {
    return row.gaugeMinimum == minimum && row.gaugeMaximum == maximum &&
           row.lowRedLine == minimum && row.lowYellowLine == minimum &&
           row.highYellowLine == maximum && row.highRedLine == maximum;
}
}  // namespace

// The rows that show each kind of definition in full.
TEST(AutomaticDefinitions, TellingRowsInFull) {
    const std::pair<unsigned, const char*> rows[] = {
        {8, "ABS Battery Volts|VOLTS|VDC|%.1f|8|8..16|12 13 / 14.5 15|0 x 1"},
        {13, "Transmission Mode|TMODE||%.0f|13|0..2|0.5 1.5 / 2.5 3.5|0 x 1"},
        {84, "Road Speed|SPEED|MPH|%.0f|84|0..90|0 0 / 55 75|0 x 1"},
        {100, "Oil Pressure|OIL|PSI|%.0f|100|0..100|10 30 / 100 100|0 x 1"},
        {110, "Engine Coolant Temp|TEMP|F|%.0f|110|140..260|0 0 / 215 225|0 x 1"},
        {177, "Transmission Temperature|TRANS|F|%.0f|177|80..300|0 0 / 250 280|0 x 1"},
        {190, "Engine Speed|TACH|RPM|%.0f|190|0..3000|0 0 / 2400 2600|0 x 1"},
        {245, "Total Miles|MLS|Mi|%.1f|245|0..999999|0 0 / 1e+06 1e+06|0 x 1"},
        {501, "PressurePro Warning|TWARN||%.0f|501|0..3|0 0.05 / 1.5 2.5|0 x 1"},
        {509, "Horsepower|POWER|HP|%.0f|509|0..750|0 0 / 750 750|0 x 1"},
    };
    for (const auto& [pid, described] : rows) {
        std::optional<Parameter> row = AutomaticDefinitions::For(pid);
        ASSERT_TRUE(row) << pid;
        EXPECT_EQ(Described(*row), described);
    }
    EXPECT_EQ(AutomaticDefinitions::For(245)->highRedLine, 999999.9f);
}

TEST(AutomaticDefinitions, OtherRowsFollowThePatterns) {
    const std::vector<Parameter> rows = AllRows();
    ASSERT_EQ(rows.size(), 71u);
    std::set<unsigned> pids;
    for (const Parameter& row : rows) {
        EXPECT_TRUE(pids.insert(row.pid).second) << "twice: " << row.pid;
        EXPECT_FALSE(row.name.empty());
        EXPECT_TRUE(GaugeText::TakesOneDouble(row.format)) << row.pid;
        EXPECT_LE(row.lowRedLine, row.lowYellowLine) << row.pid;
        EXPECT_LE(row.lowYellowLine, row.highYellowLine) << row.pid;
        EXPECT_LE(row.highYellowLine, row.highRedLine) << row.pid;
        EXPECT_LT(row.gaugeMinimum, row.gaugeMaximum) << row.pid;
        if (row.unit == "%") {
            EXPECT_TRUE(SpansWithoutLines(row, 0, 100)) << row.pid;
        }
    }
    for (unsigned status : {44, 45, 46, 47, 49, 65, 70, 85, 121}) {
        EXPECT_TRUE(SpansWithoutLines(*AutomaticDefinitions::For(status), 0, 255)) << status;
    }
    for (unsigned wide : {151, 162, 163}) {
        EXPECT_TRUE(SpansWithoutLines(*AutomaticDefinitions::For(wide), 0, 65535)) << wide;
    }
    for (unsigned total : {235, 236, 247, 250}) {
        const Parameter row = *AutomaticDefinitions::For(total);
        EXPECT_TRUE(SpansWithoutLines(row, 0, 999999.9f)) << total;
        EXPECT_EQ(row.format, "%.1f");
    }
    EXPECT_EQ(*pids.begin(), 7u);
    EXPECT_EQ(*pids.rbegin(), 3031u);
    EXPECT_FALSE(AutomaticDefinitions::For(120));
}
