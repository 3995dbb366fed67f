#include <gtest/gtest.h>

#include <set>

#include "Described.h"
#include "core/panels/GaugeText.h"
#include "core/params/AutomaticDefinitions.h"

using namespace rovik;

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
        EXPECT_EQ(Described(AutomaticDefinitions::For(pid).value_or(Parameter())), described);
    }
    EXPECT_FALSE(AutomaticDefinitions::For(120));
}

TEST(AutomaticDefinitions, OtherRowsFollowThePatterns) {
    ASSERT_EQ(AutomaticDefinitions::Count(), 71u);
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
    const std::pair<std::set<unsigned>, float> spans[] = {
        {{44, 45, 46, 47, 49, 65, 70, 85, 121}, 255.0f},
        {{151, 162, 163}, 65535.0f},
        {{235, 236, 247, 250}, 999999.9f},
    };
    for (const auto& [group, top] : spans) {
        for (unsigned pid : group) {
            EXPECT_TRUE(spansWithoutLines(*AutomaticDefinitions::For(pid), top)) << pid;
        }
    }
    EXPECT_EQ(AutomaticDefinitions::For(250)->format, "%.1f");
}
