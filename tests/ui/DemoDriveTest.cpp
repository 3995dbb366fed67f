#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/SimpleGauge.h"

using namespace rovik;

using rovik::test::ModalCloser;

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

// What a first start shows: the files supplied beside the program in an empty folder, and
// the demo drive playing on the default screen.
TEST(DemoDrive, TheSuppliedScreenShowsTheTruckMovingWithoutAnyMessage) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir supplied(ROVIK_SUPPLIED_DIR);
    for (const QString& file : supplied.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(supplied.filePath(file), folder.filePath(file)));
    QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    {
        ModalCloser closer;
        CMainFrame frame("/RovikDemoDriveTest-" + std::to_string(::getpid()));
        frame.show();
        frame.Main().Start(CommandLine("rovik demo=demo-drive.rvk"));
        EXPECT_TRUE(closer.messages.isEmpty()) << closer.messages.join("\n").toStdString();
        EXPECT_TRUE(closer.dialogs.isEmpty()) << closer.dialogs.join("\n").toStdString();
        const SimpleGauge* roadSpeed = GaugeFor(frame.Main(), 84);
        const SimpleGauge* engineSpeed = GaugeFor(frame.Main(), 190);
        ASSERT_NE(roadSpeed, nullptr);
        ASSERT_NE(engineSpeed, nullptr);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return roadSpeed->DrawnValue() > 0.0f && engineSpeed->DrawnValue() > 0.0f; },
            60000));
        frame.Main().Shutdown();
    }
    QDir::setCurrent(previous);
}
