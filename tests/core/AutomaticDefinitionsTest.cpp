#include <gtest/gtest.h>

#include <set>

#include "Described.h"
#include "core/panels/GaugeText.h"
#include "core/params/AutomaticDefinitions.h"

using namespace rovik;

// Every row makes a parameter a gauge can show; the rows themselves are the sniffer tests'.
TEST(AutomaticDefinitions, EveryRowIsAUsableParameterAndThoseWithoutLinesSpanTheirScale) {
    EXPECT_FALSE(AutomaticDefinitions::For(120));
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
