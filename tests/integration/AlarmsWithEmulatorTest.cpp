#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Waiting.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/app/SettingsFile.h"
#include "support/FakeSoundPlayer.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;

// A road speed alarm that sounds once a crossing of 50 mph, two messages above 50 and 5 mph,
// and a message box of two lines, on the emulated serial box.
TEST(AlarmsWithEmulator, ARoadSpeedHeldOverTheLimitSoundsOnceAndShowsItsMessages) {
    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QFile::copy(ROVIK_SUPPLIED_DIR "/PARAMTRS.DAT", "PARAMTRS.DAT");
    AlarmTable alarms;
    Alarm& speeding = alarms.AddFront(Alarm());
    speeding.triggerValue = 50.0f;
    speeding.repeatMode = Alarm::kOnceOnly;
    MessageTable messages;
    for (float limit : {5.0f, 50.0f}) {
        TextMessage& message = messages.AddFront(TextMessage());
        message.pid = pid::kRoadSpeed;
        message.triggerType = TextMessage::kOver;
        message.triggerValue = limit;
        message.text = limit > 5.0f ? "Slow Down" : "Moving";
        message.color = limit > 5.0f ? Rgb(255, 0, 0) : Rgb(0, 191, 0);
    }
    MessageBoxRecord messageBox;
    messageBox.rect = {8, 8, 328, 104};
    messageBox.messageLines = 2;
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    Settings settings;
    settings.portName = pty.DevicePath();
    ASSERT_TRUE(alarms.Save() && messages.Save() && SettingsFile().Write(settings) &&
                ScreenFile::Write("DEFAULT.SCR", {{messageBox}, "", kBlack}));
    vxbsim::Emulator box{vxbsim::BoxModel::Vx100, pty, 20};
    box.SetScripted(true);
    box.Start();

    test::FakeSoundPlayer player;
    auto frame = std::make_unique<CMainFrame>(test::UniqueBlock());
    {
        test::ModalCloser closer;
        frame->Main().Start(CommandLine("rovik"));
    }
    frame->Main().State().SetSoundPlayer(&player);
    // The box keeps saying 60 mph for as long as the test waits.
    QTimer speed;
    QObject::connect(&speed, &QTimer::timeout, [&box] {
        box.Send(vxbsim::BoxEncoder(vxbsim::BoxModel::Vx100).Encode({128, pid::kRoadSpeed, 120}));
    });
    speed.start(200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.started.empty(); }, 5000));
    EXPECT_EQ(player.started, std::vector<std::string>{"ahooga.wav"});

    ASSERT_EQ(frame->Main().Panels().size(), 1u);
    QWidget& panel = *frame->Main().Panels().front();
    const auto lineColors = [&panel] {
        const QImage image = panel.grab().toImage();
        return QStringList{image.pixelColor(6, 6).name(), image.pixelColor(6, 54).name()};
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return lineColors() == QStringList{"#ff0000", "#00bf00"};
        },
        3000));
    // Still over the limit: the alarm does not sound again.
    QTest::qWait(2500);
    EXPECT_EQ(player.started.size(), 1u);
    frame.reset();
    box.Stop();
    QDir::setCurrent(previous);
}
