#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/Described.h"
#include "core/app/ScreenFile.h"
#include "core/params/ParameterTable.h"
#include "core/trip/TripHistory.h"
#include "support/FramedLink.h"
#include "vxbsim/DemoDrive.h"

using namespace rovik;

namespace {
const std::string kSupplied = ROVIK_SUPPLIED_DIR;

ParameterTable SuppliedParameters() {
    ParameterTable table(kSupplied + "/PARAMTRS.DAT");
    EXPECT_EQ(table.Load(), ParameterTable::LoadResult::Loaded);
    return table;
}

std::string TextOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

// Road speed comes first, and every value the demo vehicle sends has a definition.
TEST(SuppliedParameters, LoadAndDefineEveryValueTheDemoDriveSends) {
    ParameterTable table = SuppliedParameters();
    ASSERT_GE(table.Size(), 1u);
    EXPECT_EQ(Described(table.At(0)), "Road Speed|SPEED|MPH|%.0f|84|0..90|0 0 / 55 75|0 x 1");

    test::FramedLink read(ConnectionType::Vx100Serial);
    read.Feed(vxbsim::DemoDrive::Record(1));
    read.Flush();
    std::set<unsigned> sent;
    for (unsigned pid = 1; pid <= 510; ++pid) {
        if (read.parts.values.GetUpdateCount(pid) != 0) {
            sent.insert(pid);
            EXPECT_TRUE(table.IsDefined(pid)) << "PID " << pid;
        }
    }
    for (unsigned pid : {9u, 13u, 84u, 117u, 163u, 250u, 411u, 412u, 502u, 510u}) {
        EXPECT_TRUE(sent.count(pid)) << "PID " << pid << " should be among those sent";
    }
}

// Panels inside the first window's drawing area (1024 x 700 less the menu and status bars),
// tall enough to read and apart; every PID they show is defined, and each trip's history file
// is there with its header.
TEST(SuppliedScreen, ReadsBackAsATidyDashboardOfDefinedParameters) {
    std::optional<Screen> screen = ScreenFile::Read(kSupplied + "/DEFAULT.SCR");
    ASSERT_TRUE(screen);
    const ParameterTable table = SuppliedParameters();
    std::vector<PanelRect> taken;
    for (const AnyPanelRecord& panel : screen->panels) {
        const PanelRecord& common =
            std::visit([](const auto& record) -> const PanelRecord& { return record; }, panel);
        const PanelRect& rect = common.rect;
        SCOPED_TRACE("panel " + std::to_string(taken.size()));
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= 1024 && rect.bottom <= 640);
        EXPECT_GE(rect.Height(), 128);
        for (const PanelRect& other : taken) {
            EXPECT_FALSE(rect.left < other.right && other.left < rect.right &&
                         rect.top < other.bottom && other.top < rect.bottom);
        }
        taken.push_back(rect);

        std::vector<std::uint16_t> pids;
        if (const auto* scan = std::get_if<ScanGaugeRecord>(&panel)) {
            pids = scan->scanList;
        } else if (const auto* gauge = std::get_if<SimpleGaugeRecord>(&panel)) {
            pids = {gauge->pid};
        } else if (const auto* odometer = std::get_if<OdometerRecord>(&panel)) {
            std::string history = kSupplied + "/" + TripHistory::PathFor(odometer->tripFilePath);
            EXPECT_EQ(TextOf(history), TripHistory::Header()) << history;
        } else if (const auto* tank = std::get_if<TankMinderRecord>(&panel)) {
            EXPECT_FALSE(tank->tankFilePath.empty());
        }
        for (std::uint16_t pid : pids) {
            EXPECT_TRUE(table.IsDefined(pid)) << "PID " << pid;
        }
    }
    EXPECT_EQ(taken.size(), 11u);
}
