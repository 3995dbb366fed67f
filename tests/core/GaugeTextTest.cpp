#include <gtest/gtest.h>

#include "core/panels/GaugeText.h"
#include "core/panels/SimpleGaugeRecord.h"
#include "core/params/Parameter.h"

using namespace rovik;

TEST(GaugeText, RowsJoinWhatIsShownAndUnsafeFormatsFallBack) {
    Parameter p;
    SimpleGaugeRecord gauge;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), "61.2 MPH");
    gauge.showValue = false;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), " MPH");
    gauge.showUnit = false;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), "");
    struct Case {
        const char* format;
        double value;
        const char* text;
    };
    for (Case c : {Case{"%5.2f%%", 7.5, " 7.50%"}, Case{"%+.1e", 1500, "+1.5e+03"}}) {
        EXPECT_EQ(GaugeText::FormatValue(c.format, c.value), c.text) << c.format;
    }
    // A format that does not take exactly one double prints "%.1f".
    for (const char* format : {"%d", "%s", "%n%f", "%.1f %.1f", "%*f", "%.*f", "%Lf", "%", "%.1",
                               "no conversion", "%999f", "%.100f", "%f%"}) {
        EXPECT_EQ(GaugeText::FormatValue(format, 60), "60.0") << format;
    }
}
