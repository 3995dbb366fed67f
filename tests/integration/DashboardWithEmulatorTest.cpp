#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "Waiting.h"
#include "core/TempFolder.h"
#include "core/WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"
#include "core/values/PreferredSourceTable.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;

namespace {
// What each line says before its date and time (up to the failure mode's column), sorted.
std::vector<std::string> Beginnings(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        line.resize(std::min<std::size_t>(line.size(), 64));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The history file's header and its "\r\n"-ended lines.
std::pair<std::string, std::vector<std::string>> History() {
    std::ifstream in("DIAGNOSTICS.TXT", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    const std::size_t header = std::min(text.size(), DiagnosticHistory::kHeader.size());
    std::vector<std::string> lines;
    for (std::size_t at = header, end; (end = text.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        lines.push_back(text.substr(at, end - at));
    }
    return {text.substr(0, header), lines};
}
}  // namespace

// The dashboard, started on a USB box whose controllers report faults on both links: an
// active and an inactive J1587 fault, and engine faults that go as a multi-packet DM1.
TEST(DashboardWithEmulator, ListsFaultsOfBothLinksAndKeepsTheActiveOnesInTheHistory) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    Settings settings;
    settings.portName = pty.DevicePath();
    settings.connectionType = ConnectionType::Vx101Usb;
    ASSERT_TRUE(SettingsFile().Write(settings));
    vxbsim::Emulator box(vxbsim::BoxModel::Vx101, pty, 20);
    box.RaiseFault(vxbsim::J1587Fault{.mid = 128, .code = 110, .fmi = 0, .occurrences = 1});
    box.RaiseFault(
        vxbsim::J1587Fault{.mid = 130, .code = 2, .isSid = true, .fmi = 14, .inactive = true});
    box.RaiseFault(vxbsim::J1939Fault{.source = 0, .spn = 3719, .fmi = 16, .occurrences = 2});
    box.RaiseFault(vxbsim::J1939Fault{.source = 0, .spn = 100, .fmi = 1, .occurrences = 3});
    // The same code on the other link, and from another controller, is another fault.
    box.RaiseFault(vxbsim::J1939Fault{.source = 0, .spn = 110, .fmi = 0, .occurrences = 1});
    box.RaiseFault(vxbsim::J1587Fault{.mid = 136, .code = 110, .fmi = 0, .occurrences = 1});
    box.Start();

    Dashboard dashboard(test::UniqueBlock());
    dashboard.Start(CommandLine("rovik"));
    ASSERT_EQ(History(), std::make_pair(DiagnosticHistory::kHeader, std::vector<std::string>{}));
    FaultCollector& faults = dashboard.Faults();
    LinkThreads& threads = *dashboard.Threads();
    ASSERT_TRUE(test::WaitFor(
        threads, [&] { return faults.Count() >= 6; }, 20));
    // Two more rounds of reports are repeats of the same faults.
    const ValueStore& store = dashboard.Values()->Store();
    const std::uint32_t seen = store.SlotUpdateCount(kEngineSlot, 110);
    ASSERT_TRUE(test::WaitFor(
        threads, [&] { return store.SlotUpdateCount(kEngineSlot, 110) >= seen + 2; }, 20));
    dashboard.Shutdown();
    box.Stop();

    const std::vector<std::string> active = {
        "ABS PID   110  0 Engine Coolant Temperature     High Reading    ",
        "ENG PID   110  0 Engine Coolant Temperature     High Reading    ",
        "ENG SPN   100  1 Engine Oil Pressure            Low Reading     ",
        "ENG SPN   110  0 Engine Coolant Temperature     High Reading    ",
        "ENG SPN  3719 16 DPF 1 Soot Load                High Reading    ",
    };
    std::vector<std::string> listed = active;
    listed.push_back("TRN SID     2 14 C2 Solenoid Valve              Special Error   ");
    const FaultCollector::Recent recent = faults.RecentFaults();
    EXPECT_EQ(Beginnings(recent.lines), Beginnings(listed));
    EXPECT_EQ(recent.runningTotal, 6u);
    EXPECT_EQ(std::count_if(recent.lines.begin(), recent.lines.end(),
                            [](const std::string& l) { return l.ends_with("** INACTIVE **"); }),
              1);
    const auto [header, lines] = History();
    EXPECT_EQ(header, DiagnosticHistory::kHeader);
    EXPECT_EQ(Beginnings(lines), active);
}
