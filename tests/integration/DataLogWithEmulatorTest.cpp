#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "Waiting.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "core/values/Pids.h"
#include "support/MessageBytes.h"
#include "ui/ModalAnswer.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/logging/DataLogDialog.h"
#include "ui/logging/DataLogStatus.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {
// The engine's road speed (half miles an hour) and engine speed (quarter revolutions a
// minute) as the serial box frames them; twice, as a frame is only known to be whole when
// the next one begins.
std::string EngineFrames(int mph, int rpm) {
    const int quarters = rpm * 4;
    test::Bytes message = test::WithChecksum(
        {128, pid::kRoadSpeed, static_cast<std::uint8_t>(mph * 2), pid::kEngineSpeed,
         static_cast<std::uint8_t>(quarters & 0xFF), static_cast<std::uint8_t>(quarters >> 8)});
    message.insert(message.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    const std::string frame(message.begin(), message.end());
    return frame + frame;
}

// The log's data lines, without the two header lines.
QStringList DataLines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"Log File", R"("Hr","Min","Sec","SPEED","TACH",)"}));
    return lines.mid(2);
}

// The program in a working folder holding the supplied files, its settings asking for a log
// of road speed and engine speed every second from the start, on the emulated serial box.
struct DataLogWithEmulator : ::testing::Test {
    DataLogWithEmulator() : previous(QDir::currentPath()) {
        QDir supplied(ROVIK_SUPPLIED_DIR);
        for (const QString& file : supplied.entryList(QDir::Files)) {
            QFile::copy(supplied.filePath(file), folder.filePath(file));
        }
        QDir::setCurrent(folder.path());
        box.SetScripted(true);
        box.Start();
    }
    ~DataLogWithEmulator() override {
        frame.close();
        box.Stop();
        QDir::setCurrent(previous);
    }
    void StartProgram(const std::string& logFile) {
        Settings settings;
        settings.portName = pty.DevicePath();
        settings.automaticallyStartLog = true;
        settings.dataLog = {1, {pid::kRoadSpeed, pid::kEngineSpeed}, logFile, false};
        ASSERT_TRUE(SettingsFile().Write(settings));
        ModalCloser closer;
        frame.show();
        frame.Main().Start(CommandLine("rovik"));
    }
    QAction& DataLogging() {
        for (QAction* menu : frame.menuBar()->actions()) {
            for (QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
                if (item->text() == "&Data Logging...") {
                    return *item;
                }
            }
        }
        throw std::runtime_error("no Data Logging item");
    }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString previous;
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box{vxbsim::BoxModel::Vx100, pty, 20};
    CMainFrame frame{test::UniqueBlock()};
};
}  // namespace

TEST_F(DataLogWithEmulator, ALogStartedWithTheProgramWritesTheDrivesValuesUntilStopped) {
    ASSERT_TRUE(pty.IsOpen());
    StartProgram("drive.txt");
    EXPECT_EQ(frame.windowTitle(), "Rovik - Logging drive.txt");
    EXPECT_EQ(DataLines("drive.txt"), QStringList()) << "nothing while the engine is off";

    const QRegularExpression time(R"(^\d{1,2},\d{1,2},\d{1,2},)");
    for (auto [mph, rpm, values] :
         {std::tuple{55, 1450, "55.0,1450.0,"}, std::tuple{30, 1000, "30.0,1000.0,"}}) {
        box.Send(EngineFrames(mph, rpm));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QStringList lines = DataLines("drive.txt");
                return !lines.isEmpty() && lines.back().endsWith(values);
            },
            10000))
            << values;
        for (const QString& line : DataLines("drive.txt")) {
            EXPECT_TRUE(line.contains(time)) << line.toStdString();
        }
    }

    test::AnswerNext<DataLogDialog>([](DataLogDialog& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "St&op" || button->text() == "&Automatically Start Log") {
                button->click();
            }
        }
        dialog.accept();
    });
    DataLogging().trigger();
    EXPECT_EQ(frame.windowTitle(), "Rovik");
    EXPECT_FALSE(SettingsFile().Read().automaticallyStartLog);
    const qsizetype written = DataLines("drive.txt").size();
    QTest::qWait(1500);
    EXPECT_EQ(DataLines("drive.txt").size(), written);
}

TEST_F(DataLogWithEmulator, ALogThatCannotBeWrittenIsShownInTheStatusBarWhileRecordingGoesOn) {
    StartProgram("no-folder/drive.txt");
    EXPECT_EQ(frame.windowTitle(), "Rovik - Logging no-folder/drive.txt");
    const auto* status = frame.statusBar()->findChild<DataLogStatus*>();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return status->text() ==
                   "Data log: cannot write to no-folder/drive.txt: No such file or directory";
        },
        2000));
    EXPECT_TRUE(frame.Main().State().Logger().IsRecording());
}
