#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
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

// The engine's road speed as any other program reads it from the named block, at the offsets
// of its documented layout: its update count and its value, or nothing when the block
// cannot be mapped.
std::optional<std::pair<std::uint32_t, float>> RoadSpeedInBlock(const std::string& name) {
    int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd < 0) {
        return std::nullopt;
    }
    void* mapped = ::mmap(nullptr, 38912, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(mapped);
    std::pair<std::uint32_t, float> found;
    std::memcpy(&found.first, bytes + pid::kRoadSpeed * 4, 4);
    std::memcpy(&found.second, bytes + 34816 + pid::kRoadSpeed * 4, 4);
    ::munmap(mapped, 38912);
    return found;
}
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

// Only a regular file is played: a pipe or a terminal would hold the link, and then the exit.
// Each runs in a process of its own, which its alarm ends if it blocks.
TEST_F(DashboardTest, ARecordingThatIsNoRegularFileFailsAtOnceAndNeverBlocks) {
    ASSERT_EQ(::mkfifo(folder.File("pipe.rvk").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.File("folder.rvk"));
    std::ofstream(folder.File("drive.rvk"), std::ios::binary) << "Raw Log\r\n";
    PtyBox terminal;
    const std::pair<std::string, bool> cases[] = {{folder.File("pipe.rvk"), false},
                                                  {terminal.device, false},
                                                  {folder.File("folder.rvk"), false},
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
        std::string sent = box.Receive();
        started.Shutdown();
        // Without the version requests the link makes on its own.
        sent.erase(std::remove(sent.begin(), sent.end(), 'V'), sent.end());
        EXPECT_EQ(sent, c.sent) << c.ticks << " ticks";
    }
}

// A second copy of the program, started in another folder while the first runs, is told so,
// keeps its values in a block of its own and never touches the first one's.
TEST(DashboardInstances, TwoSideBySideKeepTheirValuesApart) {
    const std::string block = "/RovikInstancesTest-" + std::to_string(::getpid());
    TempFolder folder;
    auto instance = [&](const std::string& name, float roadSpeed, const std::string& told) {
        return [=, &folder](test::ChildProcess& self) {
            std::filesystem::create_directory(folder.File(name));
            WorkingFolder inside(folder.File(name));
            Dashboard dashboard(block);
            std::string troubles;
            for (const Notice& notice : dashboard.Start(CommandLine("rovik demo=none.rvk"))) {
                troubles += notice.caption == "Troubleshooting" ? notice.text : "";
            }
            dashboard.Values()->Store().StoreValue(kEngineSlot, pid::kRoadSpeed, roadSpeed);
            self.SayReady();
            self.AwaitFinish();
            const bool ownValue = dashboard.Values()->GetValue(pid::kRoadSpeed) == roadSpeed;
            return (troubles == told ? 0 : 1) + (ownValue ? 0 : 2);
        };
    };
    test::ChildProcess first(instance("first", 55.0f, ""));
    ASSERT_TRUE(first.AwaitReady());
    test::ChildProcess second(
        instance("second", 20.0f, "Failure Initializing Shared File.  Result = 0x00B7"));
    ASSERT_TRUE(second.AwaitReady());
    EXPECT_EQ(RoadSpeedInBlock(block), std::make_pair(1u, 55.0f));
    first.Finish();
    second.Finish();
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
}
