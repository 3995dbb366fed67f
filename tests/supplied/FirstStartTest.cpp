#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"
#include "ui/panels/SimpleGauge.h"

using namespace rovik;

namespace {
// The first simple gauge of the screen that shows this PID.
const SimpleGauge* GaugeFor(const MainWindow& main, unsigned pid) {
    for (const Panel* panel : main.Panels()) {
        auto* gauge = dynamic_cast<const SimpleGauge*>(panel);
        if (gauge && gauge->Pid() == pid)
            return gauge;
    }
    return nullptr;
}
}  // namespace

// The demo drive that comes with the program plays on the default screen without a message.
TEST(FirstStart, ShowsTheDefaultScreenAndTheDemoDriveSetsTheTruckMoving) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    // A fresh working folder holding what is supplied beside the program, and nothing else.
    QTemporaryDir folder;
    QDir supplied(ROVIK_SUPPLIED_DIR);
    for (const QString& file : supplied.entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(supplied.filePath(file), folder.filePath(file)));
    }
    WorkingFolder inside(folder.path().toStdString());
    CMainFrame frame("/RovikFirstStart-" + std::to_string(::getpid()));
    frame.show();
    test::ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=demo-drive.rvk"));
    QApplication::processEvents();
    EXPECT_TRUE(closer.dialogs.isEmpty()) << closer.dialogs.join(" / ").toStdString();
    EXPECT_GT(frame.Main().Parameters().Size(), 30u);
    EXPECT_EQ(frame.Main().Panels().size(), 11u);

    const SimpleGauge* roadSpeed = GaugeFor(frame.Main(), 84);
    const SimpleGauge* engineSpeed = GaugeFor(frame.Main(), 190);
    ASSERT_NE(roadSpeed, nullptr);
    ASSERT_NE(engineSpeed, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return roadSpeed->DrawnValue() > 0.0f && engineSpeed->DrawnValue() > 0.0f; }, 60000));
    EXPECT_TRUE(closer.messages.isEmpty()) << closer.messages.join(" / ").toStdString();
    const QLabel* status = frame.statusBar()->findChild<QLabel*>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return status && status->text() == "Demo: Ok"; }, 2000));
    frame.Main().Shutdown();
}
