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
const std::string kEngineFile = "Caterpillar 3126 250";

// A dashboard started in a working folder of its own.
struct DashboardTest : ::testing::Test {
    void CopyEngineFile(const std::string& name) {
        std::filesystem::copy_file(ROVIK_SUPPLIED_DIR "/" + kEngineFile, folder.File(name));
    }

    TempFolder folder;
    WorkingFolder inside{folder.Path()};
    Dashboard dashboard{"/RovikDashboardTest-" + std::to_string(::getpid())};
};
}  // namespace

TEST_F(DashboardTest, StartOpensTheLinkTheSettingsFileDescribes) {
    PtyBox box;
    Settings saved;
    saved.portName = box.device;
    saved.connectionType = ConnectionType::Vx101Usb;
    saved.transmitDelay = 7;
    saved.ipAddress = "10.0.0.9";
    saved.tcpPort = 0x10000 + 4000;
    saved.autoRestart = true;
    ASSERT_TRUE(SettingsFile().Write(saved));
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
}

TEST_F(DashboardTest, StartSizesTheFuelWindowAndLoadsTheEngineFileFromTheWorkingFolder) {
    CopyEngineFile(kEngineFile);
    std::vector<Notice> notices = dashboard.Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_EQ(notices.size(), 1u);  // PARAMTRS.DAT is missing
    EXPECT_FALSE(dashboard.EngineFileFailed());
    LiveValues& values = *dashboard.Values();
    EXPECT_EQ(values.Derived().AverageWindow(), 150u);
    values.Store().StoreValue(kEngineSlot, 190, 2200.0f);
    values.Store().StoreValue(kEngineSlot, 92, 100.0f);
    EXPECT_EQ(values.GetValue(509), 250.0);
}

TEST_F(DashboardTest, AnEngineFileThatFailsToLoadIsReportedAndThenNamesNone) {
    std::vector<Notice> notices = dashboard.Start(CommandLine("rovik demo=missing.rvk"));
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].text,
              kEngineFile +
                  "\n has failed to load properly.\nTorque and Horsepower readings may be "
                  "inaccurate until you select an engine file.");
    EXPECT_EQ(notices[1].caption, "Error Reading File");
    EXPECT_TRUE(dashboard.EngineFileFailed());
    // The name stays until the user picks another file; one that fails leaves none.
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, kEngineFile);
    EXPECT_FALSE(dashboard.ChangeEngineFile(folder.File("other.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, "");
    CopyEngineFile("cat.eng");
    EXPECT_TRUE(dashboard.ChangeEngineFile(folder.File("cat.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, folder.File("cat.eng"));
}

// Only a USB or Wi-Fi box is asked, every fifty ticks, for the fuel and distance totals.
TEST_F(DashboardTest, TheTotalsAreRequestedEveryFiftyTicksFromATextBox) {
    const std::string requests = "TF900EA00E9FE00FFFFFFFFFF\n\rTF900EA00E0FE00FFFFFFFFFF\n\r";
    struct Case {
        ConnectionType type;
        int ticks;
        std::string sent;
    };
    for (const Case& c :
         {Case{ConnectionType::Vx101Usb, 50, ""}, Case{ConnectionType::Vx101Usb, 51, requests},
          Case{ConnectionType::Vx100Serial, 101, ""}}) {
        PtyBox box;
        Settings saved;
        saved.portName = box.device;
        saved.connectionType = c.type;
        saved.transmitDelay = 1;
        saved.requestFuelmeter = saved.requestOdometer = true;
        Dashboard started("/RovikDashboardTicks-" + std::to_string(::getpid()));
        ASSERT_TRUE(SettingsFile().Write(saved));
        started.Start(CommandLine("rovik"));
        for (int tick = 0; tick < c.ticks; ++tick) {
            started.Tick();
        }
        std::string sent = box.Receive();
        started.Shutdown();
        // Without the version requests the link makes on its own.
        sent.erase(std::remove(sent.begin(), sent.end(), 'V'), sent.end());
        EXPECT_EQ(sent, c.sent) << c.ticks << " ticks";
    }
}
