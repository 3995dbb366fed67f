#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "PtyBox.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
std::string BlockName() {
    return "/RovikDashboardTest-" + std::to_string(::getpid());
}

const char* const kFuelRequest = "TF900EA00E9FE00FFFFFFFFFF\n\r";
const char* const kDistanceRequest = "TF900EA00E0FE00FFFFFFFFFF\n\r";

// What reached the box after this many ticks, without the version requests the link makes
// on its own.
std::string SentAfterTicks(ConnectionType type, int ticks) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    PtyBox box;
    Settings saved;
    saved.portName = box.device;
    saved.connectionType = type;
    saved.transmitDelay = 1;
    saved.requestFuelmeter = true;
    saved.requestOdometer = true;
    EXPECT_TRUE(SettingsFile().Write(saved));
    Dashboard dashboard(BlockName());
    dashboard.Start(CommandLine("rovik"));
    for (int tick = 0; tick < ticks; ++tick) {
        dashboard.Tick();
    }
    std::string sent = box.Receive();
    dashboard.Shutdown();
    sent.erase(std::remove(sent.begin(), sent.end(), 'V'), sent.end());
    return sent;
}
}  // namespace

TEST(Dashboard, StartOpensTheLinkTheSettingsFileDescribes) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    PtyBox box;
    Settings saved;
    saved.portName = box.device;
    saved.connectionType = ConnectionType::Vx101Usb;
    saved.transmitDelay = 7;
    saved.ipAddress = "10.0.0.9";
    saved.tcpPort = 0x10000 + 4000;
    saved.autoRestart = true;
    ASSERT_TRUE(SettingsFile().Write(saved));

    Dashboard dashboard("/RovikDashboardTest-" + std::to_string(::getpid()));
    dashboard.Start(CommandLine("rovik"));
    ASSERT_NE(dashboard.Link(), nullptr);
    const LinkReader& link = *dashboard.Link();
    EXPECT_EQ(link.GetPortName(), box.device);
    EXPECT_EQ(link.GetConnectionType(), ConnectionType::Vx101Usb);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.GetTransmitDelay(), 7u);
    EXPECT_EQ(link.GetHostAddress(), "10.0.0.9");
    EXPECT_EQ(link.GetTcpPort(), 4000);
    EXPECT_TRUE(link.GetAutoRestart());
    dashboard.Shutdown();
}

TEST(Dashboard, StartSizesTheFuelWindowAndLoadsTheEngineFileFromTheWorkingFolder) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    std::filesystem::copy_file(ROVIK_SUPPLIED_DIR "/Caterpillar 3126 250",
                               folder.File("Caterpillar 3126 250"));
    Dashboard dashboard(BlockName());
    std::vector<Notice> notices = dashboard.Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_EQ(notices.size(), 1u);  // PARAMTRS.DAT is missing
    EXPECT_FALSE(dashboard.EngineFileFailed());
    LiveValues& values = *dashboard.Values();
    EXPECT_EQ(values.Derived().AverageWindow(), 150u);
    values.Store().StoreValue(kEngineSlot, 190, 2200.0f);
    values.Store().StoreValue(kEngineSlot, 92, 100.0f);
    EXPECT_EQ(values.GetValue(509), 250.0);
    dashboard.Shutdown();
}

TEST(Dashboard, AnEngineFileThatFailsToLoadIsReportedAndThenNamesNone) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    Dashboard dashboard(BlockName());
    std::vector<Notice> notices = dashboard.Start(CommandLine("rovik demo=missing.rvk"));
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].text,
              "Caterpillar 3126 250\n has failed to load properly.\nTorque and Horsepower "
              "readings may be inaccurate until you select an engine file.");
    EXPECT_EQ(notices[1].caption, "Error Reading File");
    EXPECT_TRUE(dashboard.EngineFileFailed());
    // The name stays until the user picks another file; one that fails leaves none.
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, "Caterpillar 3126 250");
    EXPECT_FALSE(dashboard.ChangeEngineFile(folder.File("other.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, "");
    std::filesystem::copy_file(ROVIK_SUPPLIED_DIR "/Caterpillar 3126 250", folder.File("cat.eng"));
    EXPECT_TRUE(dashboard.ChangeEngineFile(folder.File("cat.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, folder.File("cat.eng"));
    dashboard.Shutdown();
}

TEST(Dashboard, AUsbBoxIsAskedForTheFuelAndDistanceTotalsEveryFiftyTicks) {
    EXPECT_EQ(SentAfterTicks(ConnectionType::Vx101Usb, 50), "");
    EXPECT_EQ(SentAfterTicks(ConnectionType::Vx101Usb, 51),
              std::string(kFuelRequest) + kDistanceRequest);
}

TEST(Dashboard, AnRs232BoxIsNeverAskedForTotals) {
    EXPECT_EQ(SentAfterTicks(ConnectionType::Vx100Serial, 101), "");
}
