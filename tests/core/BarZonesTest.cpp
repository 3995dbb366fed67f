#include <gtest/gtest.h>

#include <limits>

#include "core/panels/BarZones.h"
#include "core/params/Parameter.h"

using namespace rovik;

namespace rovik {
void PrintTo(const BarSpan& span, std::ostream* out) {
    const PanelRect& r = span.rect;
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "} colour "
         << std::hex << span.color << std::dec;
}
}  // namespace rovik

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

TEST(BarZones, FillUpToTheValueInTheColourOfEachZone) {
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
        {kBar, normal, 60, {{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 63, 13}, kYellow}}},
        {kBar, normal, -5, {}},
        {kBar,
         normal,
         500,
         {{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 73, 13}, kYellow}, {{73, 3, 93, 13}, kRed}}},
        // 100 x 55 / 90 = 61.1 and 100 x 60 / 90 = 66.7: edges are cut towards zero.
        {{0, 0, 100, 10}, normal, 60, {{{0, 0, 61, 10}, kGaugeGreen}, {{61, 0, 66, 10}, kYellow}}},
        {kBar, emptyScale, 60, {}},
        {kBar, farLines, 95, {{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 93, 13}, kYellow}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarZones::For(c.bar, c.p, c.value), c.spans) << c.value;
    }
}

TEST(BarZones, SpansNeverLeaveTheBar) {
    for (double value : {95.0, 1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        for (const BarSpan& span : BarZones::For(kBar, FarLines(), value)) {
            EXPECT_GE(span.rect.left, kBar.left) << value;
            EXPECT_LE(span.rect.right, kBar.right) << value;
        }
    }
}
