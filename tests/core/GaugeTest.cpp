#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/panels/BarZones.h"
#include "core/panels/GaugeLayout.h"
#include "core/panels/GaugeText.h"
#include "core/panels/WarningLamp.h"
#include "core/params/Parameter.h"

using namespace rovik;

namespace rovik {
void PrintTo(const PanelRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
void PrintTo(const BarSpan& span, std::ostream* out) {
    PrintTo(span.rect, out);
    *out << " colour " << std::hex << span.color << std::dec;
}
}  // namespace rovik

namespace {
SimpleGaugeRecord NothingShown() {
    SimpleGaugeRecord gauge;
    gauge.showGaugeName = gauge.showValue = gauge.showUnit = gauge.showGraph = false;
    return gauge;
}

// A bar 90 pixels wide, so on the default 0 to 90 scale one unit is one pixel.
const PanelRect kBar{3, 3, 93, 13};

std::vector<BarSpan> Spans(std::initializer_list<BarSpan> spans) {
    return spans;
}

}  // namespace

TEST(GaugeLayout, RowsShareTheHeightOneTwoOneWithIntegerDivision) {
    SimpleGaugeRecord gauge;
    gauge.showWarningLamp = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 160, 150}, gauge);
    EXPECT_EQ(layout.lamp, (PanelRect{0, 0, 37, 37}));
    EXPECT_EQ(layout.name, (PanelRect{37, 0, 160, 37}));
    EXPECT_EQ(layout.value, (PanelRect{0, 37, 160, 112}));
    EXPECT_EQ(layout.graph, (PanelRect{0, 112, 160, 150}));
    EXPECT_EQ(layout.bar, (PanelRect{3, 115, 157, 147}));
}

TEST(GaugeLayout, HiddenPartsTakeNoRoom) {
    EXPECT_EQ(GaugeLayout::For({0, 0, 160, 160}, NothingShown()).value, PanelRect{});
    SimpleGaugeRecord unitOnly = NothingShown();
    unitOnly.showUnit = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 160, 160}, unitOnly);
    EXPECT_EQ(layout.value, (PanelRect{0, 0, 160, 160}));
    EXPECT_TRUE(layout.name.IsEmpty() && layout.lamp.IsEmpty() && layout.graph.IsEmpty());
}

TEST(GaugeLayout, TinyGraphRowGivesAnEmptyBarNotAnInvertedOne) {
    SimpleGaugeRecord graphOnly = NothingShown();
    graphOnly.showGraph = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 4, 4}, graphOnly);
    EXPECT_TRUE(layout.bar.IsEmpty());
    EXPECT_GE(layout.bar.Width(), 0);
    EXPECT_GE(layout.bar.Height(), 0);
}

TEST(WarningLamp, ValueOnALineTakesTheColorAboveIt) {
    Parameter p;
    p.lowRedLine = 10;
    p.lowYellowLine = 20;
    EXPECT_EQ(WarningLamp::Color(9.9, p), kRed);
    EXPECT_EQ(WarningLamp::Color(10, p), kYellow);
    EXPECT_EQ(WarningLamp::Color(20, p), kGaugeGreen);
    EXPECT_EQ(WarningLamp::Color(54.9, p), kGaugeGreen);
    EXPECT_EQ(WarningLamp::Color(55, p), kYellow);
    EXPECT_EQ(WarningLamp::Color(70, p), kRed);
}

TEST(BarZones, DefaultLinesAtSixtyAreGreenToFiftyFiveThenYellow) {
    EXPECT_EQ(BarZones::For(kBar, Parameter(), 60),
              Spans({{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 63, 13}, kYellow}}));
    EXPECT_EQ(WarningLamp::Color(60, Parameter()), kYellow);
}

TEST(BarZones, ValuesOutsideTheScale) {
    EXPECT_TRUE(BarZones::For(kBar, Parameter(), -5).empty());
    EXPECT_EQ(BarZones::For(kBar, Parameter(), 500), Spans({{{3, 3, 58, 13}, kGaugeGreen},
                                                            {{58, 3, 73, 13}, kYellow},
                                                            {{73, 3, 93, 13}, kRed}}));
}

TEST(BarZones, EdgesAreTruncatedTowardsZero) {
    PanelRect bar{0, 0, 100, 10};
    // 100 x 55 / 90 = 61.1 and 100 x 60 / 90 = 66.7
    EXPECT_EQ(BarZones::For(bar, Parameter(), 60),
              Spans({{{0, 0, 61, 10}, kGaugeGreen}, {{61, 0, 66, 10}, kYellow}}));
}

TEST(BarZones, EmptyScaleDrawsNothing) {
    Parameter p;
    p.gaugeMaximum = p.gaugeMinimum = 50;
    EXPECT_TRUE(BarZones::For(kBar, p, 60).empty());
}

TEST(BarZones, SpansNeverLeaveTheBar) {
    Parameter p;
    p.highRedLine = 1e30f;
    p.lowYellowLine = -1e30f;
    for (double value : {95.0, 1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        for (const BarSpan& span : BarZones::For(kBar, p, value)) {
            EXPECT_GE(span.rect.left, kBar.left);
            EXPECT_LE(span.rect.right, kBar.right);
        }
    }
    EXPECT_EQ(BarZones::For(kBar, p, 95),
              Spans({{{3, 3, 58, 13}, kGaugeGreen}, {{58, 3, 93, 13}, kYellow}}));
}

TEST(GaugeText, ValueRowJoinsValueAndUnit) {
    Parameter p;
    SimpleGaugeRecord gauge;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), "61.2 MPH");
    gauge.showValue = false;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), " MPH");
    gauge.showUnit = false;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), "");
}

TEST(GaugeText, SafeFormatsAreUsedAsGiven) {
    EXPECT_EQ(GaugeText::FormatValue("%.0f RPM", 1499.6), "1500 RPM");
    EXPECT_EQ(GaugeText::FormatValue("%5.2f%%", 7.5), " 7.50%");
    EXPECT_EQ(GaugeText::FormatValue("%+.1e", 1500), "+1.5e+03");
    EXPECT_EQ(GaugeText::FormatValue("%lf", 2), "2.000000");
}

TEST(GaugeText, FormatsThatDoNotTakeOneDoubleFallBack) {
    for (const char* format : {"%d", "%s", "%n%f", "%.1f %.1f", "%*f", "%.*f", "%Lf", "%", "%.1",
                               "no conversion", "%999f", "%.100f", "%f%"}) {
        SCOPED_TRACE(format);
        EXPECT_EQ(GaugeText::FormatValue(format, 60), "60.0");
    }
}

TEST(GaugeText, CaptionIsTheNameOrTheAbbreviation) {
    SimpleGaugeRecord gauge;
    EXPECT_EQ(GaugeText::Caption(gauge, Parameter()), "ROAD SPEED");
    gauge.useAbbreviation = true;
    EXPECT_EQ(GaugeText::Caption(gauge, Parameter()), "SPEED");
}
