#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "Waiting.h"
#include "core/WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "support/MessageBytes.h"
#include "ui/ModalAnswer.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/logging/DataLogDialog.h"
#include "ui/logging/DataLogStatus.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;

namespace {
// The engine at 55 mph and 1450 rpm, twice: a frame is only whole once the next one begins.
std::string EngineFrames() {
    test::Bytes message = test::WithChecksum({128, 84, 110, 190, 0xA8, 0x16});
    message.insert(message.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    const std::string frame(message.begin(), message.end());
    return frame + frame;
}

QStringList Lines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

// The program set to log road and engine speed every second from its start, on the emulated
// serial box.
TEST(DataLogWithEmulator, ALogStartedWithTheProgramWritesTheDrivesValuesUntilStopped) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile::copy(ROVIK_SUPPLIED_DIR "/PARAMTRS.DAT", folder.filePath("PARAMTRS.DAT"));
    WorkingFolder inside(folder.path().toStdString());
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, pty, 20);
    box.SetScripted(true);
    box.Start();
    Settings settings;
    settings.portName = pty.DevicePath();
    settings.automaticallyStartLog = true;
    settings.dataLog = {1, {84, 190}, "drive.txt", false};
    ASSERT_TRUE(SettingsFile().Write(settings));
    CMainFrame frame(test::UniqueBlock());
    {
        test::ModalCloser closer;
        frame.Main().Start(CommandLine("rovik"));
    }

    EXPECT_EQ(frame.windowTitle(), "Rovik - Logging drive.txt");
    box.Send(EngineFrames());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lines("drive.txt").size() >= 4; }, 10000));
    const QStringList lines = Lines("drive.txt");
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"Log File", R"("Hr","Min","Sec","SPEED","TACH",)"}));
    for (const QString& line : lines.mid(2)) {
        EXPECT_TRUE(line.contains(QRegularExpression(R"(^\d+,\d+,\d+,55\.0,1450\.0,$)")))
            << line.toStdString();
    }

    // A file that goes is said so in the status bar, and recording goes on.
    QFile::remove("drive.txt");
    const auto* status = frame.statusBar()->findChild<DataLogStatus*>();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return status->text().startsWith("Data log: cannot write to drive.txt"); }, 3000));

    test::AnswerNext<DataLogDialog>([](DataLogDialog& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "St&op" || button->text() == "&Automatically Start Log") {
                button->click();
            }
        }
        dialog.accept();
    });
    frame.findChild<QAction*>("dataLogging")->trigger();
    EXPECT_EQ(frame.windowTitle(), "Rovik");
    EXPECT_FALSE(SettingsFile().Read().automaticallyStartLog);
    frame.close();
}
