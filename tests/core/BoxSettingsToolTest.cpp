#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>

#include "TempFolder.h"
#include "core/app/SettingsFile.h"

using namespace rovik;

namespace {
int RunTool(const std::string& arguments) {
    int status =
        std::system((std::string(ROVIK_BOX_TOOL) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

TEST(BoxSettingsTool, ChoosesTheBoxAndKeepsEverythingElse) {
    TempFolder folder;
    const std::string path = folder.File("SETTINGS.DAT");
    ASSERT_EQ(RunTool(path + " --serial /dev/ttyS1"), 0) << "a fresh file";
    SettingsFile file(path);
    Settings mine = file.Read();
    EXPECT_EQ(mine.portName, "/dev/ttyS1");
    mine.screenFileName = "MINE.SCR";
    mine.dataLog.columns = {84, 190};
    ASSERT_TRUE(file.Write(mine));

    ASSERT_EQ(RunTool(path + " --wifi 192.168.4.1 4000"), 0);
    Settings wifi = mine;
    wifi.connectionType = ConnectionType::Vx150Wifi;
    wifi.ipAddress = "192.168.4.1";
    wifi.tcpPort = 4000;
    EXPECT_EQ(file.Read(), wifi);
    EXPECT_EQ(RunTool(path + " --wifi 192.168.4.2 70000"), 2);
    EXPECT_EQ(file.Read(), wifi);
    EXPECT_NE(RunTool(folder.File("no-folder/SETTINGS.DAT") + " --serial /dev/ttyS1"), 0);
}
