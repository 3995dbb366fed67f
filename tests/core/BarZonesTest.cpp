#include <gtest/gtest.h>

#include <limits>

#include "core/panels/BarZones.h"
#include "core/params/Parameter.h"

using namespace rovik;

// The colours of the zones are painted and checked in the gauge's own test; here, values
// outside the scale or no number at all.
TEST(BarZones, FillNothingBelowTheScaleAndNeverLeaveTheBar) {
    // A bar 90 pixels wide, so on the default 0 to 90 scale one unit is one pixel.
    const PanelRect bar{3, 3, 93, 13};
    Parameter emptyScale;
    emptyScale.gaugeMinimum = emptyScale.gaugeMaximum = 50;
    EXPECT_TRUE(BarZones::For(bar, Parameter(), -5).empty());
    EXPECT_TRUE(BarZones::For(bar, emptyScale, 60).empty());
    // Lines so far out that the whole bar lies between them.
    Parameter farLines;
    farLines.lowYellowLine = -1e30f;
    farLines.highRedLine = 1e30f;
    for (double value : {500.0, 1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        for (const Parameter& p : {Parameter(), farLines}) {
            for (const BarSpan& span : BarZones::For(bar, p, value)) {
                EXPECT_TRUE(span.rect.left >= bar.left && span.rect.right <= bar.right) << value;
            }
        }
    }
}
