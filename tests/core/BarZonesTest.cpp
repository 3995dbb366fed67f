#include <gtest/gtest.h>

#include <limits>

#include "core/panels/BarZones.h"
#include "core/params/Parameter.h"

using namespace rovik;

namespace {
// A bar 90 pixels wide, so on the default 0 to 90 scale one unit is one pixel.
const PanelRect kBar{3, 3, 93, 13};

// Lines so far out that the whole bar lies between them.
Parameter FarLines() {
    Parameter p;
    p.lowYellowLine = -1e30f;
    p.highRedLine = 1e30f;
    return p;
}
}  // namespace

TEST(BarZones, FillUpToTheValueInTheColourOfEachZoneAndNeverLeaveTheBar) {
    const Parameter normal;
    Parameter emptyScale;
    emptyScale.gaugeMinimum = emptyScale.gaugeMaximum = 50;
    const Parameter farLines = FarLines();
    struct Case {
        PanelRect bar;
        const Parameter& p;
        double value;
        std::vector<BarSpan> spans;
    };
    const Case cases[] = {
        {kBar, normal, -5, {}},
        {kBar,
         normal,
         500,
         {{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 73, 13}, kYellow}, {{73, 3, 93, 13}, kRed}}},
        {kBar, emptyScale, 60, {}},
        {kBar, farLines, 95, {{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 93, 13}, kYellow}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarZones::For(c.bar, c.p, c.value), c.spans) << c.value;
    }
    for (double value : {1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        for (const BarSpan& span : BarZones::For(kBar, farLines, value)) {
            EXPECT_TRUE(span.rect.left >= kBar.left && span.rect.right <= kBar.right) << value;
        }
    }
}
