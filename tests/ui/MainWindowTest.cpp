#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "ui/app/CMainFrame.h"

using namespace rovik;

using rovik::test::ModalCloser;

TEST(MainWindow, StartsTicksAndShutsDownCleanly) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    std::string block = "/RovikUiTest-" + std::to_string(::getpid());
    CMainFrame frame(block);
    frame.show();
    ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_EQ(closer.messages, QStringList({"Failed to Open PARAMTRS.DAT", "Error Reading File"}));
    EXPECT_EQ(frame.windowTitle(), "Rovik");
    EXPECT_TRUE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(frame.Main().MainTimer().interval(), 100);
    Dashboard& state = frame.Main().State();
    ASSERT_NE(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 1u);
    EXPECT_EQ(state.Link()->GetPortName(), "missing.rvk");
    EXPECT_TRUE(state.Threads()->IsRunning());

    frame.close();
    EXPECT_FALSE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 0u);
    QDir::setCurrent(previous);
}

TEST(MainWindow, StartRestoresTheSavedPlacementAndSaveSettingsKeepsTheCurrentOne) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    Settings saved;
    saved.screenFileName = "TRUCK.SCR";
    saved.windowPlacement.left = 30;
    saved.windowPlacement.top = 40;
    saved.windowPlacement.right = 630;
    saved.windowPlacement.bottom = 440;
    ASSERT_TRUE(SettingsFile().Write(saved));

    CMainFrame frame("/RovikUiTest-" + std::to_string(::getpid()));
    ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.geometry(), QRect(30, 40, 600, 400));

    frame.setGeometry(100, 110, 500, 300);
    EXPECT_TRUE(frame.Main().SaveSettings());
    Settings kept = SettingsFile().Read();
    EXPECT_EQ(kept.screenFileName, "TRUCK.SCR");
    EXPECT_EQ(kept.windowPlacement, frame.CurrentPlacement());
    EXPECT_EQ(kept.windowPlacement.right, 600);

    // A folder in the file's place cannot be replaced: the user is told.
    QFile::remove("SETTINGS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("SETTINGS.DAT/inside"));
    EXPECT_FALSE(frame.Main().SaveSettings());
    ASSERT_FALSE(closer.messages.isEmpty());
    EXPECT_TRUE(closer.messages.last().startsWith("Failed to Save SETTINGS.DAT"));
    frame.close();
    QDir::setCurrent(previous);
}
