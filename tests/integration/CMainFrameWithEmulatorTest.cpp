#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "Waiting.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/OdometerPanel.h"
#include "ui/panels/TankMinderPanel.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/J1587Item.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::ModalCloser;
using rovik::test::UniqueBlock;

namespace {
// The engine's totals, then road speed: a frame is only known to be whole when the next one
// begins.
std::string TotalsFrame(double miles, double hours, double gallons) {
    vxbsim::Message message = {128};
    for (const vxbsim::Message& item : {vxbsim::J1587Item::Counted(245, miles, 0.1, 4),
                                        vxbsim::J1587Item::Counted(247, hours, 0.05, 4),
                                        vxbsim::J1587Item::Counted(250, gallons, 0.125, 4)}) {
        message.insert(message.end(), item.begin(), item.end());
    }
    const vxbsim::BoxEncoder serial(vxbsim::BoxModel::Vx100);
    return serial.Encode(message) + serial.Encode({128, 84, 110});
}

std::string ValueOf(const ReadoutPanel& panel, const std::string& caption) {
    for (const ReadoutText::Field& field : panel.Fields()) {
        if (field.caption == caption) {
            return field.value;
        }
    }
    return "(not shown)";
}

// The program as the user runs it, in the test's folder, on the emulated serial box.
class RunningProgram {
public:
    RunningProgram() : frame(UniqueBlock()) {
        ModalCloser closer;
        frame.Main().Start(CommandLine("rovik"));
        Activate();
    }
    ~RunningProgram() { frame.close(); }

    MainWindow& Main() { return frame.Main(); }
    void Activate() {
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    }
    void NewPanel(const AnyPanelRecord& record) {
        ModalCloser closer;
        Main().NewPanel(record);
        QTest::qWait(50);
        Activate();
    }
    OdometerPanel& Odometer() { return Find<OdometerPanel>(); }
    TankMinderPanel& TankMinder() { return Find<TankMinderPanel>(); }
    bool Shows(const ReadoutPanel& panel, const std::string& caption, const std::string& value) {
        return QTest::qWaitFor([&] { return ValueOf(panel, caption) == value; }, 5000);
    }

private:
    template <typename Kind>
    Kind& Find() {
        for (Panel* panel : Main().Panels()) {
            if (auto* found = dynamic_cast<Kind*>(panel)) {
                return *found;
            }
        }
        throw std::runtime_error("no such panel");
    }

    CMainFrame frame;
};

struct CMainFrameWithEmulator : ::testing::Test {
    CMainFrameWithEmulator() {
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        box.SetScripted(true);
        box.Start();
        Settings settings;
        settings.portName = pty.DevicePath();
        EXPECT_TRUE(SettingsFile().Write(settings));
    }
    ~CMainFrameWithEmulator() override {
        box.Stop();
        QDir::setCurrent(previous);
    }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString previous;
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box{vxbsim::BoxModel::Vx100, pty, 20};
};
}  // namespace

TEST_F(CMainFrameWithEmulator, AnOdometerAndATankMinderCountATripAndATankAndSurviveARestart) {
    ASSERT_TRUE(pty.IsOpen());
    {
        RunningProgram dashboard;
        box.Send(TotalsFrame(1000.0, 100.0, 500.0));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return dashboard.Main().State().Totals().Current().fuelUsed == 500.0; }, 5000));
        dashboard.NewPanel(OdometerRecord());
        TankMinderRecord ownEconomy;
        ownEconomy.useRecentMpg = false;
        dashboard.NewPanel(ownEconomy);

        box.Send(TotalsFrame(1100.0, 105.0, 520.0));
        EXPECT_TRUE(dashboard.Shows(dashboard.Odometer(), "Distance", "100.0"));
        EXPECT_EQ(ValueOf(dashboard.Odometer(), "Fuel"), "20.0");
        EXPECT_EQ(ValueOf(dashboard.Odometer(), "Time"), "5:00");
        EXPECT_EQ(ValueOf(dashboard.Odometer(), "Speed"), "20.0");
        EXPECT_EQ(ValueOf(dashboard.Odometer(), "Economy"), "5.0");
        EXPECT_TRUE(dashboard.Shows(dashboard.TankMinder(), "Fuel", "80.0"));
        EXPECT_EQ(ValueOf(dashboard.TankMinder(), "This Tank"), "5.0");
        EXPECT_EQ(ValueOf(dashboard.TankMinder(), "To Empty"), "400");
        dashboard.Main().SaveScreen();
    }

    // The next run starts from what the files kept, before the vehicle says anything.
    RunningProgram restarted;
    ASSERT_EQ(restarted.Main().Panels().size(), 2u);
    EXPECT_EQ(restarted.Main().State().Totals().Current(), (rovik::Totals{1100.0, 105.0, 520.0}));
    EXPECT_EQ(ValueOf(restarted.Odometer(), "Distance"), "100.0");
    EXPECT_EQ(ValueOf(restarted.TankMinder(), "Fuel"), "80.0");

    box.Send(TotalsFrame(1150.0, 106.0, 530.0));
    EXPECT_TRUE(restarted.Shows(restarted.Odometer(), "Distance", "150.0"));
    EXPECT_TRUE(restarted.Shows(restarted.TankMinder(), "Fuel", "70.0"));
}
