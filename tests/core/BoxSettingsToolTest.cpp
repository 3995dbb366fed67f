#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

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
    SettingsFile file(folder.File("SETTINGS.DAT"));
    Settings mine;
    mine.screenFileName = "MINE.SCR";
    mine.dataLog.columns = {84, 190};
    ASSERT_TRUE(file.Write(mine));

    ASSERT_EQ(RunTool(folder.File("SETTINGS.DAT") + " --usb /dev/ttyUSB0"), 0);
    Settings usb = file.Read();
    EXPECT_EQ(usb.connectionType, ConnectionType::Vx101Usb);
    EXPECT_EQ(usb.portName, "/dev/ttyUSB0");
    EXPECT_EQ(usb.screenFileName, "MINE.SCR");
    EXPECT_EQ(usb.dataLog.columns, mine.dataLog.columns);

    ASSERT_EQ(RunTool(folder.File("SETTINGS.DAT") + " --wifi 192.168.4.1 4000"), 0);
    Settings wifi = file.Read();
    EXPECT_EQ(wifi.connectionType, ConnectionType::Vx150Wifi);
    EXPECT_EQ(wifi.ipAddress, "192.168.4.1");
    EXPECT_EQ(wifi.tcpPort, 4000u);
    EXPECT_EQ(wifi.portName, "/dev/ttyUSB0");

    EXPECT_EQ(RunTool(folder.File("SETTINGS.DAT") + " --wifi 192.168.4.2 70000"), 2);
    EXPECT_EQ(RunTool(folder.File("SETTINGS.DAT") + " --serial"), 2);
    EXPECT_EQ(file.Read(), wifi);
    EXPECT_EQ(RunTool(folder.File("SETTINGS.DAT")), 0);
}

TEST(BoxSettingsTool, StartsAFreshFileFromTheFirstStartsSettings) {
    TempFolder folder;
    ASSERT_EQ(RunTool(folder.File("SETTINGS.DAT") + " --serial /dev/ttyS1"), 0);
    Settings made = SettingsFile(folder.File("SETTINGS.DAT")).Read();
    EXPECT_EQ(made.portName, "/dev/ttyS1");
    EXPECT_EQ(made.connectionType, ConnectionType::Vx100Serial);
    EXPECT_EQ(made.screenFileName, Settings().screenFileName);
    EXPECT_EQ(made.engineFileName, Settings().engineFileName);
    EXPECT_NE(RunTool(folder.File("no-folder/SETTINGS.DAT") + " --serial /dev/ttyS1"), 0);
}
