#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "core/panels/BarZones.h"
#include "core/panels/DwellSlider.h"
#include "core/panels/GaugeLayout.h"
#include "core/panels/GaugeText.h"
#include "core/panels/PanelGrid.h"
#include "core/panels/ReadoutLayout.h"
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

TEST(GaugeLayout, RowsShareTheHeightOneTwoOneAndHiddenPartsTakeNoRoom) {
    SimpleGaugeRecord gauge;
    gauge.showWarningLamp = true;
    GaugeLayout layout = GaugeLayout::For({0, 0, 160, 150}, gauge);
    EXPECT_EQ(layout.lamp, (PanelRect{0, 0, 37, 37}));
    EXPECT_EQ(layout.name, (PanelRect{37, 0, 160, 37}));
    EXPECT_EQ(layout.value, (PanelRect{0, 37, 160, 112}));
    EXPECT_EQ(layout.graph, (PanelRect{0, 112, 160, 150}));
    EXPECT_EQ(layout.bar, (PanelRect{3, 115, 157, 147}));

    EXPECT_EQ(GaugeLayout::For({0, 0, 160, 160}, NothingShown()).value, PanelRect{});
    SimpleGaugeRecord unitOnly = NothingShown();
    unitOnly.showUnit = true;
    layout = GaugeLayout::For({0, 0, 160, 160}, unitOnly);
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
    EXPECT_EQ(GaugeText::Caption(gauge, p), "ROAD SPEED");
    gauge.showValue = false;
    gauge.useAbbreviation = true;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), " MPH");
    EXPECT_EQ(GaugeText::Caption(gauge, p), "SPEED");
    gauge.showUnit = false;
    EXPECT_EQ(GaugeText::ValueRow(gauge, p, 61.25), "");
    struct Case {
        const char* format;
        double value;
        const char* text;
    };
    for (Case c : {Case{"%.0f RPM", 1499.6, "1500 RPM"}, Case{"%5.2f%%", 7.5, " 7.50%"},
                   Case{"%+.1e", 1500, "+1.5e+03"}, Case{"%lf", 2, "2.000000"}}) {
        EXPECT_EQ(GaugeText::FormatValue(c.format, c.value), c.text) << c.format;
    }
    // A format that does not take exactly one double prints "%.1f".
    for (const char* format : {"%d", "%s", "%n%f", "%.1f %.1f", "%*f", "%.*f", "%Lf", "%", "%.1",
                               "no conversion", "%999f", "%.100f", "%f%"}) {
        EXPECT_EQ(GaugeText::FormatValue(format, 60), "60.0") << format;
    }
}

// The panels' rendering tests draw both layouts with captions and units; these are the
// layouts without them, and the rounding of uneven sizes.
TEST(ReadoutLayout, StacksRowsOrPutsColumnsSideBySide) {
    ReadoutRecord look;
    std::vector<ReadoutLayout::Cells> cells = ReadoutLayout::For({0, 0, 200, 203}, 5, look);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[4].value, (PanelRect{0, 160, 127, 200}));
    look.horizontal = true;
    look.showUnits = false;
    cells = ReadoutLayout::For({0, 0, 301, 120}, 3, look);
    EXPECT_EQ(cells[0].caption, (PanelRect{0, 0, 100, 40}));
    EXPECT_EQ(cells[0].value, (PanelRect{0, 40, 100, 120}));
    EXPECT_TRUE(cells[0].unit.IsEmpty());
    look.horizontal = look.showCaptions = false;
    cells = ReadoutLayout::For({0, 0, 200, 100}, 2, look);
    EXPECT_EQ(cells[1].value, (PanelRect{0, 50, 195, 100}));
    EXPECT_TRUE(cells[1].caption.IsEmpty() && cells[1].unit.IsEmpty());
    EXPECT_TRUE(ReadoutLayout::For({0, 0, 200, 100}, 0, look).empty());
}

TEST(ScanCycle, EachPidIsShownForDwellTicksAndAShrunkListIsNeverIndexedPastItsEnd) {
    ScanGaugeRecord gauge;
    gauge.scanList = {84, 110, 190};
    ScanCycle cycle;
    std::vector<std::pair<int, std::uint16_t>> switches;
    for (int tick = 1; tick <= 18; ++tick) {
        if (cycle.Tick(gauge)) {
            switches.emplace_back(tick, gauge.pid);
        }
        EXPECT_EQ(gauge.pid, gauge.scanList[tick / 6 % 3]) << tick;
    }
    EXPECT_EQ(switches,
              (std::vector<std::pair<int, std::uint16_t>>{{6, 110}, {12, 190}, {18, 84}}));

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

TEST(DwellSlider, PositionsAndDwellsConvertBothWaysAndStayOnTheSlider) {
    const std::uint32_t dwells[] = {1, 3, 6, 10, 15, 21, 28, 36};
    for (int position = 1; position <= 8; ++position) {
        EXPECT_EQ(DwellSlider::DwellAt(position), dwells[position - 1]);
        EXPECT_EQ(DwellSlider::PositionFor(dwells[position - 1]), position);
    }
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
    EXPECT_EQ(PanelGrid::Snap({13, 20, 173, 166}, 0, 0), (PanelRect{8, 16, 168, 160}));
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
