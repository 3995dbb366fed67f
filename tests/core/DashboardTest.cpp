#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "PtyBox.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"
#include "core/values/PreferredSourceTable.h"
#include "support/ChildProcess.h"

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
    EXPECT_NE(notices[1].text.find(kEngineFile), std::string::npos);
    EXPECT_TRUE(dashboard.EngineFileFailed());
    // The name stays until the user picks another file; one that fails leaves none.
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, kEngineFile);
    EXPECT_FALSE(dashboard.ChangeEngineFile(folder.File("other.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, "");
    CopyEngineFile("cat.eng");
    EXPECT_TRUE(dashboard.ChangeEngineFile(folder.File("cat.eng")));
    EXPECT_EQ(dashboard.CurrentSettings().engineFileName, folder.File("cat.eng"));
}

// Only a regular file is played: a pipe or a terminal would hold the link, and then the exit.
// Each runs in a process of its own, which its alarm ends if it blocks.
TEST_F(DashboardTest, ARecordingThatIsNoRegularFileFailsAtOnceAndNeverBlocks) {
    ASSERT_EQ(::mkfifo(folder.File("pipe.rvk").c_str(), 0600), 0);
    std::ofstream(folder.File("drive.rvk"), std::ios::binary) << "Raw Log\r\n";
    PtyBox terminal;
    const std::pair<std::string, bool> cases[] = {{folder.File("pipe.rvk"), false},
                                                  {terminal.device, false},
                                                  {folder.File("drive.rvk"), true}};
    for (const auto& [path, plays] : cases) {
        test::ChildProcess run(
            [&path = path, plays = plays](test::ChildProcess&) {
                Dashboard playing("/RovikDemoTest-" + std::to_string(::getpid()));
                playing.Start(CommandLine("rovik demo=" + path));
                const LinkReader& link = *playing.Link();
                const bool failedAtOnce = link.GetStatus() == LinkStatus::PortFailure;
                for (int tick = 0; tick < 100 && link.GetByteCount() == 0; ++tick) {
                    playing.Tick();
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                const bool played = link.GetByteCount() > 0;
                playing.Shutdown();
                return failedAtOnce != plays && played == plays ? 0 : 1;
            },
            10);
        EXPECT_EQ(run.Wait(), 0) << path;
    }
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
        // The transmit thread runs at the lowest priority: on a busy machine it may take a
        // while to send all that waits.
        for (int wait = 0; wait < 1000 && started.Link()->QueuedByteCount() > 0; ++wait) {
            ::usleep(10000);
        }
        std::string sent = box.Receive();
        started.Shutdown();
        // Without the version requests the link makes on its own.
        sent.erase(std::remove(sent.begin(), sent.end(), 'V'), sent.end());
        EXPECT_EQ(sent, c.sent) << c.ticks << " ticks";
    }
}
