#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>

#include "Waiting.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "core/tires/TireLayoutFile.h"
#include "core/values/DerivedNumbers.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/TextCapture.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"
#include "ui/tires/TireStatusDialog.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using namespace rovik::test;

namespace {
constexpr int kNewSensor = 6;

// From the dialog, as the user does it: learn the sensor the receiver hears next on a free
// row, ask the receiver for its sensors, and put the new one on the front left wheel.
bool LearnAndPlaceTheNewSensor(TireStatusDialog& dialog, const TireMonitor& tires) {
    QListWidget& sensors = ListOf(dialog);
    sensors.setCurrentRow(kNewSensor);
    AnswerNext<QMessageBox>([](QMessageBox& box) { box.accept(); });
    dialog.Learn();
    if (!QTest::qWaitFor([&] { return !tires.LearnPending(); }, 5000)) {
        return false;
    }
    ButtonNamed(dialog, "&Query").click();
    if (!QTest::qWaitFor([&] { return sensors.item(kNewSensor)->text().contains("OK"); })) {
        return false;
    }
    dialog.findChild<QTableWidget*>()->item(1, 1)->setText("6");
    return true;
}

class TiresWithEmulator : public ::testing::TestWithParam<vxbsim::BoxModel> {};
}  // namespace

INSTANTIATE_TEST_SUITE_P(BothFormats, TiresWithEmulator,
                         ::testing::Values(vxbsim::BoxModel::Vx100, vxbsim::BoxModel::Vx101));

// The program on a box whose vehicle has a tire receiver with six sensors.
TEST_P(TiresWithEmulator, ASensorLearntInTheDialogShowsInATireGaugeAndALowTireRaisesTheWarning) {
    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    vxbsim::PtyEndpoint pty;
    // The USB box's lines take twice the bytes of the serial box's frames: faster than real
    // time its vehicle would outrun what the program reads.
    vxbsim::Emulator box{GetParam(), pty, GetParam() == vxbsim::BoxModel::Vx100 ? 20 : 100};
    box.AddTireReceiver(kNewSensor);
    box.Start();
    Settings settings;
    settings.portName = pty.DevicePath();
    // The USB box is given its commands a byte at a time; quicker than a person would.
    if (GetParam() == vxbsim::BoxModel::Vx101) {
        settings.connectionType = ConnectionType::Vx101Usb;
        settings.transmitDelay = 1;
    }
    ASSERT_TRUE(SettingsFile().Write(settings));
    ASSERT_TRUE(TireLayoutFile::Write(TireLayoutFile::kFileName,
                                      TireLayout::Of(TireLayout::Preset::SixWheel)));
    {
        CMainFrame frame(UniqueBlock());
        {
            ModalCloser closer;
            frame.Main().Start(CommandLine("rovik"));
            frame.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
            TireGaugeRecord gauge;
            gauge.rect = {0, 0, 800, 100};
            frame.Main().NewPanel(gauge);
            QTest::qWait(50);
        }
        LiveValues& values = *frame.Main().State().Values();
        AnswerNext<TireStatusDialog>([&](TireStatusDialog& dialog) {
            EXPECT_TRUE(LearnAndPlaceTheNewSensor(dialog, values.Tires()));
            dialog.accept();
        });
        frame.Main().ShowTireStatus();
        EXPECT_EQ(box.Tires()->SensorAt(kNewSensor), vxbsim::TireReceiver::kNewSensor);
        Panel& gauge = *frame.Main().Panels().at(0);
        EXPECT_EQ(values.GetValue(DerivedNumbers::kTireWarning), 1.0);

        box.Tires()->SetLow(kNewSensor, true);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return values.GetValue(DerivedNumbers::kTireWarning) == 2.0; }, 8000));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return TextCapture::WrittenBy(gauge).value(0) == "60"; }, 2000));
        EXPECT_TRUE(gauge.accessibleName().contains("Sensor 6, 60 PSI"));
        frame.close();
    }
    box.Stop();
    QDir::setCurrent(previous);
}
