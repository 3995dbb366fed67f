#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/Described.h"
#include "core/app/ScreenFile.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/params/ParameterTable.h"
#include "core/trip/TripHistory.h"
#include "integration/Waiting.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;

namespace {
const std::string kSupplied = ROVIK_SUPPLIED_DIR;
// The main window's drawing area at the frame's first size of 1024 x 700, less its menu and
// status bars.
constexpr PanelRect kDefaultWindow{0, 0, 1024, 640};

ParameterTable SuppliedParameters() {
    ParameterTable table(kSupplied + "/PARAMTRS.DAT");
    EXPECT_EQ(table.Load(), ParameterTable::LoadResult::Loaded);
    return table;
}

const PanelRecord& Common(const AnyPanelRecord& panel) {
    return std::visit([](const auto& record) -> const PanelRecord& { return record; }, panel);
}

// Every PID the panel shows.
std::vector<std::uint16_t> PidsOf(const AnyPanelRecord& panel) {
    if (const auto* scan = std::get_if<ScanGaugeRecord>(&panel)) {
        return scan->scanList;
    }
    if (const auto* gauge = std::get_if<SimpleGaugeRecord>(&panel)) {
        return {gauge->pid};
    }
    return {};
}

std::string TextOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Overlap(const PanelRect& a, const PanelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnGrid(const PanelRect& rect) {
    return rect.left % 8 == 0 && rect.top % 8 == 0 && rect.right % 8 == 0 && rect.bottom % 8 == 0;
}
}  // namespace

TEST(SuppliedParameters, LoadWithTheEverydayValuesFirst) {
    ParameterTable table = SuppliedParameters();
    ASSERT_GE(table.Size(), 8u);
    std::vector<unsigned> firstPids;
    for (std::size_t i = 0; i < 8; ++i) {
        firstPids.push_back(table.At(i).pid);
    }
    EXPECT_EQ(firstPids, (std::vector<unsigned>{84, 190, 110, 175, 100, 168, 183, 184}));
    EXPECT_EQ(Described(table.At(0)), "Road Speed|SPEED|MPH|%.0f|84|0..90|0 0 / 55 75|0 x 1");
    EXPECT_EQ(table.FindByPid(411)->name, "EGR Differential Pressure");
}

TEST(SuppliedParameters, DefineEveryValueTheDemoVehicleSends) {
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    test::TestLink linkParts(test::UniqueBlock());
    LinkReader& link = linkParts.link;
    LinkThreads threads(link);
    link.SetPortName(pty.DevicePath());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, pty, 20);
    box.Start();
    link.SetConnectionType(ConnectionType::Vx100Serial);
    threads.Start();
    // The page-two values come with the slow messages, about once a second.
    EXPECT_TRUE(test::WaitFor(
        threads, [&] { return linkParts.values.GetUpdateCount(412) >= 2; }, 5));
    threads.Stop();
    box.Stop();

    ParameterTable table = SuppliedParameters();
    std::set<unsigned> sent;
    for (unsigned pid = 1; pid <= 510; ++pid) {
        if (linkParts.values.GetUpdateCount(pid) != 0) {
            sent.insert(pid);
            EXPECT_TRUE(table.IsDefined(pid)) << "PID " << pid;
        }
    }
    for (unsigned pid : {9u, 13u, 84u, 117u, 163u, 250u, 411u, 502u, 510u}) {
        EXPECT_TRUE(sent.count(pid)) << "PID " << pid << " should be among those sent";
    }
}

TEST(SuppliedScreen, ReadsBackAsATidyDashboard) {
    std::optional<Screen> screen = ScreenFile::Read(kSupplied + "/DEFAULT.SCR");
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->wallpaperPath.empty());
    std::multiset<char> kinds;
    for (const AnyPanelRecord& panel : screen->panels) {
        kinds.insert(Common(panel).kind);
    }
    EXPECT_EQ(kinds.count(PanelKind::kSimpleGauge), 8u);
    EXPECT_EQ(kinds.count(PanelKind::kScanGauge), 1u);
    EXPECT_EQ(kinds.count(PanelKind::kOdometer), 1u);
    EXPECT_EQ(kinds.count(PanelKind::kTankMinder), 1u);

    for (std::size_t i = 0; i < screen->panels.size(); ++i) {
        const PanelRect& rect = Common(screen->panels[i]).rect;
        EXPECT_TRUE(OnGrid(rect)) << "panel " << i;
        EXPECT_TRUE(rect.left >= kDefaultWindow.left && rect.top >= kDefaultWindow.top &&
                    rect.right <= kDefaultWindow.right && rect.bottom <= kDefaultWindow.bottom)
            << "panel " << i;
        EXPECT_GE(rect.Height(), 128) << "panel " << i;
        for (std::size_t j = i + 1; j < screen->panels.size(); ++j) {
            EXPECT_FALSE(Overlap(rect, Common(screen->panels[j]).rect))
                << "panels " << i << " and " << j;
        }
    }
}

TEST(SuppliedScreen, ShowsOnlyDefinedParametersAndKeepsTripHistory) {
    std::optional<Screen> screen = ScreenFile::Read(kSupplied + "/DEFAULT.SCR");
    ASSERT_TRUE(screen);
    ParameterTable table = SuppliedParameters();
    std::set<unsigned> shown;
    for (const AnyPanelRecord& panel : screen->panels) {
        for (std::uint16_t pid : PidsOf(panel)) {
            shown.insert(pid);
            EXPECT_TRUE(table.IsDefined(pid)) << "PID " << pid;
        }
        if (const auto* odometer = std::get_if<OdometerRecord>(&panel)) {
            std::string history = kSupplied + "/" + TripHistory::PathFor(odometer->tripFilePath);
            EXPECT_EQ(TextOf(history), TripHistory::Header()) << history;
        }
        if (const auto* tank = std::get_if<TankMinderRecord>(&panel)) {
            EXPECT_FALSE(tank->tankFilePath.empty());
        }
    }
    EXPECT_EQ(shown,
              (std::set<unsigned>{84, 190, 110, 175, 100, 168, 183, 9, 102, 105, 177, 117, 118}));
}
