#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "core/panels/BarZones.h"
#include "core/panels/DwellSlider.h"
#include "core/panels/GaugeLayout.h"
#include "core/panels/GaugeText.h"
#include "core/panels/PanelGrid.h"
#include "core/panels/ScanCycle.h"
#include "core/panels/ScanGaugeRecord.h"
#include "core/panels/WarningLamp.h"
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

SimpleGaugeRecord NothingShown() {
    SimpleGaugeRecord gauge;
    gauge.showGaugeName = gauge.showValue = gauge.showUnit = gauge.showGraph = false;
    return gauge;
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

// A value on a line takes the colour above it.
TEST(WarningLamp, ColorsByTheLinesTheValueHasPassed) {
    Parameter lowLines;
    lowLines.lowRedLine = 10;
    lowLines.lowYellowLine = 20;
    const std::pair<double, ColorRef> cases[] = {{9.9, kRed},       {10, kYellow},
                                                 {20, kGaugeGreen}, {54.9, kGaugeGreen},
                                                 {55, kYellow},     {70, kRed}};
    for (auto [value, color] : cases) {
        EXPECT_EQ(WarningLamp::Color(value, lowLines), color) << value;
    }
}

TEST(GaugeLayout, HiddenPartsTakeNoRoomAndATinyGraphRowGivesAnEmptyBar) {
    EXPECT_EQ(GaugeLayout::For({0, 0, 160, 160}, NothingShown()).value, PanelRect{});
    SimpleGaugeRecord unitOnly = NothingShown();
    unitOnly.showUnit = true;
    const GaugeLayout layout = GaugeLayout::For({0, 0, 160, 160}, unitOnly);
    EXPECT_EQ(layout.value, (PanelRect{0, 0, 160, 160}));
    EXPECT_TRUE(layout.name.IsEmpty() && layout.lamp.IsEmpty() && layout.graph.IsEmpty());
    // A graph row too small for its margins gives an empty bar, not an inverted one.
    SimpleGaugeRecord graphOnly = NothingShown();
    graphOnly.showGraph = true;
    const PanelRect tiny = GaugeLayout::For({0, 0, 4, 4}, graphOnly).bar;
    EXPECT_TRUE(tiny.IsEmpty() && tiny.Width() >= 0 && tiny.Height() >= 0);
}

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

TEST(ScanCycle, EachPidIsShownForDwellTicksAndAShrunkListIsNeverIndexedPastItsEnd) {
    ScanGaugeRecord gauge;
    gauge.scanList = {84, 110, 190};
    ScanCycle cycle;
    for (int tick = 1; tick <= 18; ++tick) {
        EXPECT_EQ(cycle.Tick(gauge), tick % 6 == 0) << tick;
        EXPECT_EQ(gauge.pid, gauge.scanList[tick / 6 % 3]) << tick;
    }

    gauge.dwell = 1;
    gauge.scanList = {1, 2, 3, 4};
    cycle.Tick(gauge);
    cycle.Tick(gauge);
    ASSERT_EQ(cycle.ScanIndex(), 2u);
    gauge.scanList = {7, 8};
    EXPECT_TRUE(cycle.Tick(gauge));
    EXPECT_EQ(gauge.pid, 7);
    gauge.scanList.clear();
    EXPECT_TRUE(cycle.Tick(gauge));
    EXPECT_EQ(gauge.pid, 7);
}

TEST(DwellSlider, DwellsAndPositionsOutOfRangeStayOnTheSlider) {
    const std::pair<std::uint32_t, int> between[] = {{0, 1}, {7, 3}, {4000000000u, 8}};
    for (auto [dwell, position] : between) {
        EXPECT_EQ(DwellSlider::PositionFor(dwell), position) << dwell;
    }
    EXPECT_EQ(DwellSlider::DwellAt(0), 1u);
    EXPECT_EQ(DwellSlider::DwellAt(9), 36u);
}

TEST(PanelGrid, DragsInWholeStepsAndSnapsEveryEdgeToTheGridThroughTheOrigin) {
    // Drags by whole steps are the panels' tests; these are the edges and odd origins.
    EXPECT_EQ(PanelGrid::DragDistance(-5), 0);
    EXPECT_EQ(PanelGrid::Snap({16, 25, 176, 171}, 3, 5), (PanelRect{11, 21, 171, 165}));
    // Whatever the signs, every edge lands less than a step away.
    for (auto [x, y] : {std::pair{3, 5}, std::pair{-5, -13}, std::pair{-1920, 1021}}) {
        for (std::int32_t edge = -40; edge <= 40; ++edge) {
            SCOPED_TRACE(::testing::Message() << x << "," << y << " edge " << edge);
            PanelRect snapped = PanelGrid::Snap({edge, edge, edge, edge}, x, y);
            EXPECT_EQ((snapped.left - x) % 8, 0);
            EXPECT_EQ((snapped.bottom - y) % 8, 0);
            EXPECT_LT(std::abs(snapped.left - edge), 8);
            EXPECT_LT(std::abs(snapped.bottom - edge), 8);
        }
    }
}
