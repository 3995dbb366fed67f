#include <gtest/gtest.h>

#include "core/panels/GaugeText.h"

using namespace rovik;

TEST(GaugeText, UnsafeFormatsFallBack) {
    EXPECT_EQ(GaugeText::FormatValue("%5.2f%%", 7.5), " 7.50%");
    // A format that does not take exactly one double prints "%.1f".
    for (const char* format : {"%d", "%s", "%n%f", "%.1f %.1f", "%*f", "%.*f", "%Lf", "%", "%.1",
                               "no conversion", "%999f", "%.100f", "%f%"}) {
        EXPECT_EQ(GaugeText::FormatValue(format, 60), "60.0") << format;
    }
}
