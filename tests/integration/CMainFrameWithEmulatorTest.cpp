#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Waiting.h"
#include "core/Described.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/app/SettingsFile.h"
#include "core/link/BoxPollCycle.h"
#include "core/tires/TireLayoutFile.h"
#include "core/values/DerivedNumbers.h"
#include "support/FakeSoundPlayer.h"
#include "support/FramedLink.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/TextCapture.h"
#include "ui/app/CMainFrame.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/LinkDialogSupport.h"
#include "ui/logging/DataLogStatus.h"
#include "ui/panels/OdometerPanel.h"
#include "ui/panels/TankMinderPanel.h"
#include "ui/params/PidSnifferDialog.h"
#include "ui/tires/TireStatusDialog.h"
#include "vxbsim/DemoDrive.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/J1587Item.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// The program as the user runs it, in the current folder.
struct RunningProgram {
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

// Every caption of a readout panel with its value, each between bars.
std::string Shown(const ReadoutPanel& panel) {
    std::string shown = "|";
    for (const ReadoutText::Field& field : panel.Fields()) {
        shown += field.caption + " " + field.value + "|";
    }
    return shown;
}

// Expects the panel to come to show these fields, in this order, within five seconds.
void Shows(const ReadoutPanel& panel, const std::string& fields) {
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Shown(panel).find("|" + fields + "|") != std::string::npos; }, 5000))
        << Shown(panel);
}

// The engine's totals as a serial box frames them, then road speed: a frame is only known to
// be whole when the next one begins.
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

// A Wi-Fi box on a loopback port, which drops off the network when it goes.
struct WifiBox {
    explicit WifiBox(std::uint16_t port = 0) : server(port) { box.Start(); }
    vxbsim::TcpEndpoint server;
    vxbsim::Emulator box{vxbsim::BoxModel::Vx150, server, 20};
};

// A folder of the test's own to run in, and a serial box on a pseudo-terminal that sends only
// what the test gives it.
struct WithEmulator : ::testing::Test {
    WithEmulator() {
        QDir::setCurrent(folder.path());
        box.SetScripted(true);
        box.Start();
        settings.portName = pty.DevicePath();
    }
    ~WithEmulator() override {
        box.Stop();
        QDir::setCurrent(previous);
    }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box{vxbsim::BoxModel::Vx100, pty, 20};
    Settings settings;
};
}  // namespace

TEST_F(WithEmulator, AnOdometerAndATankMinderCountATripAndATankAndSurviveARestart) {
    ASSERT_TRUE(SettingsFile().Write(settings));
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
        Shows(dashboard.Find<OdometerPanel>(),
              "Distance 100.0|Fuel 20.0|Time 5:00|Speed 20.0|Economy 5.0");
        Shows(dashboard.Find<TankMinderPanel>(), "To Empty 400|Fuel 80.0|This Tank 5.0");
        dashboard.Main().SaveScreen();
    }

    // The next run starts from what the files kept, before the vehicle says anything.
    RunningProgram restarted;
    ASSERT_EQ(restarted.Main().Panels().size(), 2u);
    EXPECT_EQ(restarted.Main().State().Totals().Current(), (rovik::Totals{1100.0, 105.0, 520.0}));
    Shows(restarted.Find<OdometerPanel>(), "Distance 100.0");
    Shows(restarted.Find<TankMinderPanel>(), "Fuel 80.0");

    box.Send(TotalsFrame(1150.0, 106.0, 530.0));
    Shows(restarted.Find<OdometerPanel>(), "Distance 150.0");
    Shows(restarted.Find<TankMinderPanel>(), "Fuel 70.0");
}

// The program set to log road and engine speed every second from its start.
TEST_F(WithEmulator, ALogStartedWithTheProgramWritesTheDrivesValuesAndSaysWhenItsFileGoes) {
    QFile::copy(ROVIK_SUPPLIED_DIR "/PARAMTRS.DAT", "PARAMTRS.DAT");
    settings.automaticallyStartLog = true;
    settings.dataLog = {1, {84, 190}, "drive.txt", false};
    ASSERT_TRUE(SettingsFile().Write(settings));
    RunningProgram program;
    EXPECT_EQ(program.frame.windowTitle(), "Rovik - Logging drive.txt");
    // The engine at 55 mph and 1450 rpm, twice: a frame is only whole once the next begins.
    const vxbsim::Message engine = {128, 84, 110, 190, 0xA8, 0x16};
    box.Send(vxbsim::BoxEncoder(vxbsim::BoxModel::Vx100).Encode(engine) +
             vxbsim::BoxEncoder(vxbsim::BoxModel::Vx100).Encode(engine));
    auto lines = [] {
        QFile file("drive.txt");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines().size() >= 4; }, 10000));
    EXPECT_EQ(lines().mid(0, 2), (QStringList{"Log File", R"("Hr","Min","Sec","SPEED","TACH",)"}));
    for (const QString& line : lines().mid(2)) {
        EXPECT_TRUE(line.contains(QRegularExpression(R"(^\d+,\d+,\d+,55\.0,1450\.0,$)")))
            << line.toStdString();
    }

    // A file that goes is said so in the status bar, and recording goes on.
    QFile::remove("drive.txt");
    const auto* status = program.frame.statusBar()->findChild<DataLogStatus*>();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return status->text().startsWith("Data log: cannot write to drive.txt"); }, 3000));
}

// A Wi-Fi box chosen in the window streams, is reached again by Restart Port after it
// dropped off the network, and is kept in the settings.
TEST_F(WithEmulator, AWifiBoxChosenInTheWindowReconnectsAfterADropAndIsKeptInTheSettings) {
    settings.portName = "/dev/rovik-no-such-port";
    ASSERT_TRUE(SettingsFile().Write(settings));
    auto wifi = std::make_unique<WifiBox>();
    const std::uint16_t port = wifi->server.Port();
    RunningProgram program;
    AnswerNext<CommunicationSettingsDialog>([&](CommunicationSettingsDialog& dialog) {
        Click(dialog, "VX150 Wifi");
        AnswerNext<IpSettingsDialog>([port](IpSettingsDialog& settings) {
            Labelled(settings, "IP Address").setText("127.0.0.1");
            Labelled(settings, "IP Port").setText(QString::number(port));
            settings.accept();
        });
        Click(dialog, "Customize IP Settings");
        EXPECT_TRUE(StatusReaches(dialog, "Ok"));
        wifi.reset();
        EXPECT_TRUE(StatusReaches(dialog, "PC Port Failure"));
        wifi = std::make_unique<WifiBox>(port);
        Click(dialog, "Restart Port");
        EXPECT_TRUE(StatusReaches(dialog, "Ok"));
        dialog.accept();
    });
    program.Main().EditCommunications();
    const Settings kept = SettingsFile().Read();
    EXPECT_EQ(kept.connectionType, ConnectionType::Vx150Wifi);
    EXPECT_EQ(kept.ipAddress, "127.0.0.1");
    EXPECT_EQ(kept.tcpPort, port);
}

TEST_F(WithEmulator, TheAdvancedRoundAsksTheUsbBoxInOrderAndShowsItsAnswers) {
    vxbsim::PtyEndpoint usbPty;
    vxbsim::Emulator usb(vxbsim::BoxModel::Vx101, usbPty, 20);
    usb.Start();
    TestLink parts(UniqueBlock());
    parts.link.SetPortName(usbPty.DevicePath());
    parts.link.SetConnectionType(ConnectionType::Vx101Usb);
    parts.link.SetTransmitDelay(1);
    LinkThreads threads(parts.link);
    threads.Start();
    AdvancedVxbDialog dialog(parts.link, parts.box, 1);
    EXPECT_EQ(dialog.Timer().interval() * BoxPollCycle::kSteps, 6500);
    // The ticks are driven here rather than by the timer, each once the last command left.
    for (int step = 0; step < BoxPollCycle::kSteps; ++step) {
        dialog.Tick();
        ASSERT_TRUE(WaitFor(threads, [&] { return parts.link.QueuedByteCount() == 0; }));
    }
    auto asked = [&] {
        std::string commands = usb.Received();
        std::erase(commands, 'V');
        return commands;
    };
    EXPECT_TRUE(WaitFor(threads, [&] { return asked() == "ZR0001\n\rR0006\n\r?Z?Z?"; })) << asked();
    ASSERT_TRUE(WaitFor(threads, [&] { return parts.box.Registers().Get(6) == 10; }));
    dialog.Tick();
    EXPECT_EQ(FieldText(dialog, "VXB Version"), "VXBSIM 1.0");
    EXPECT_EQ(FieldText(dialog, "CAN Cycle Size"), "    10");
    threads.Stop();
}

// The sniffer on two minutes of the emulator's drive, with a parameter for engine speed only:
// what was sent, in number order with its raw value, and a definition added for a PID on a
// double click, but not beyond what the file keeps.
TEST_F(WithEmulator, TheSnifferListsWhatTheDriveSendsAndAddsDefinitionsForIt) {
    FramedLink read(ConnectionType::Vx100Serial);
    read.Feed(vxbsim::DemoDrive::Record(2));
    read.Flush();
    std::unique_ptr<ParameterTable> table = TableOf({{"TACH", 190}});
    PidSnifferDialog dialog(*table, &read.parts.values);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    auto row = [&list](unsigned pid) {
        return list.findItems(QString::asprintf("PID %3u ", pid), Qt::MatchStartsWith).value(0);
    };
    // In number order, the derived numbers by their own names, the others by their
    // components', each with its raw value; the brakes send no road speed, so no 7.
    EXPECT_EQ(row(7), nullptr);
    const std::pair<unsigned, const char*> lines[] = {
        {13, "PID  13   Transmission Mode (DERIVED)     Undefined"},
        {190, "PID 190   Engine Speed                    Defined  "},
        {504, "PID 504   Max Trans Temp (DERIVED)        Undefined"},
    };
    int previous = -1;
    for (const auto& [pid, start] : lines) {
        ASSERT_NE(row(pid), nullptr) << pid;
        EXPECT_EQ(row(pid)->text(),
                  start + QString::asprintf("%9.1f", read.parts.values.GetValue(pid)));
        EXPECT_GT(list.row(row(pid)), previous);
        previous = list.row(row(pid));
    }

    // Each refusal says why, under the same caption.
    auto toldAfter = [](const std::function<void()>& action) {
        QString told;
        AnswerNext<QMessageBox>([&told](QMessageBox& box) {
            told = box.windowTitle() + ": " + box.text();
            box.accept();
        });
        action();
        return told;
    };
    auto add = [&](unsigned pid) {
        list.setCurrentItem(row(pid));
        ClickButton(dialog, "&Add Parameter Definition");
    };
    const QString caption = "Automatic PID Definition: ";
    EXPECT_EQ(toldAfter([&] { ClickButton(dialog, "&Add Parameter Definition"); }),
              caption + "Please select a PID to add.");
    EXPECT_EQ(toldAfter([&] { add(190); }), caption + "Parameter is already defined.");
    EXPECT_EQ(toldAfter([&] { add(117); }),
              caption + "Automatic definition is not available for this PID.");
    EXPECT_EQ(table->Size(), 1u);

    // As the system sends a double click: a click, then the second press as a double click.
    const QPoint at = list.visualItemRect(row(84)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(table->Size(), 2u);
    EXPECT_EQ(Described(table->At(1)), "Road Speed|SPEED|MPH|%.0f|84|0..90|0 0 / 55 75|0 x 1");

    while (!table->IsFull()) {
        table->Append(std::make_unique<Parameter>());
    }
    EXPECT_EQ(toldAfter([&] { add(100); }),
              caption +
                  "PARAMTRS.DAT keeps at most 255 parameters. Please delete one in the "
                  "Parameter Editor before adding another.");
}

// A road speed alarm over 50 mph, two messages above 50 and 5 mph, and two message boxes of
// two lines: the alarm sounds and the box shows both messages in their colours, the newer
// first, while a box limited to coolant messages shows only its background.
TEST_F(WithEmulator, ARoadSpeedOverTheLimitSoundsAndShowsItsMessages) {
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
    MessageBoxRecord coolantOnly = messageBox;
    coolantOnly.rect = {8, 112, 328, 208};
    coolantOnly.filterPid = 110;
    coolantOnly.limitToFilter = true;
    ASSERT_TRUE(alarms.Save() && messages.Save() && SettingsFile().Write(settings) &&
                ScreenFile::Write("DEFAULT.SCR", {{messageBox, coolantOnly}, "", kBlack}));
    RunningProgram program;
    FakeSoundPlayer player;
    program.Main().State().SetSoundPlayer(&player);
    // The box keeps saying 60 mph for as long as the test waits.
    QTimer speed;
    QObject::connect(&speed, &QTimer::timeout, [this] {
        box.Send(vxbsim::BoxEncoder(vxbsim::BoxModel::Vx100).Encode({128, pid::kRoadSpeed, 120}));
    });
    speed.start(200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.started.empty(); }, 5000));
    EXPECT_EQ(player.started, std::vector<std::string>{"ahooga.wav"});
    const auto lineColors = [&](std::size_t box) {
        const QImage image = program.Main().Panels().at(box)->grab().toImage();
        return QStringList{image.pixelColor(6, 6).name(), image.pixelColor(6, 54).name()};
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return lineColors(0) == QStringList{"#ff0000", "#00bf00"};
        },
        3000));
    EXPECT_EQ(lineColors(1), QStringList(2, QColor(Qt::white).name()));
}

// A box whose vehicle has a tire receiver with six sensors: a sensor learnt in the dialog,
// asked for and placed on the front left wheel, shows in a tire gauge, and a low tire raises
// the warning.
TEST_F(WithEmulator, ASensorLearntInTheDialogShowsInATireGaugeAndALowTireRaisesTheWarning) {
    constexpr int kNewSensor = 6;
    vxbsim::PtyEndpoint tirePty;
    vxbsim::Emulator vehicle{vxbsim::BoxModel::Vx100, tirePty, 20};
    vehicle.AddTireReceiver(kNewSensor);
    vehicle.Start();
    settings.portName = tirePty.DevicePath();
    ASSERT_TRUE(SettingsFile().Write(settings));
    ASSERT_TRUE(TireLayoutFile::Write(TireLayoutFile::kFileName,
                                      TireLayout::Of(TireLayout::Preset::SixWheel)));
    RunningProgram program;
    TireGaugeRecord gauge;
    gauge.rect = {0, 0, 800, 100};
    program.NewPanel(gauge);
    LiveValues& values = *program.Main().State().Values();
    AnswerNext<TireStatusDialog>([&](TireStatusDialog& dialog) {
        QListWidget& sensors = ListOf(dialog);
        sensors.setCurrentRow(kNewSensor);
        AnswerNext<QMessageBox>([](QMessageBox& box) { box.accept(); });
        dialog.Learn();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !values.Tires().LearnPending(); }, 5000));
        ButtonNamed(dialog, "&Query").click();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return sensors.item(kNewSensor)->text().contains("OK"); }));
        dialog.findChild<QTableWidget*>()->item(1, 1)->setText("6");
        dialog.accept();
    });
    program.Main().ShowTireStatus();
    EXPECT_EQ(vehicle.Tires()->SensorAt(kNewSensor), vxbsim::TireReceiver::kNewSensor);
    EXPECT_EQ(values.GetValue(DerivedNumbers::kTireWarning), 1.0);

    vehicle.Tires()->SetLow(kNewSensor, true);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return values.GetValue(DerivedNumbers::kTireWarning) == 2.0; }, 8000));
    Panel& shown = *program.Main().Panels().at(0);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return TextCapture::WrittenBy(shown).value(0) == "60"; }, 2000));
    EXPECT_TRUE(shown.accessibleName().contains("Sensor 6, 60 PSI"));
    program.frame.close();
    vehicle.Stop();
}
