#include <QMenuBar>
#include <QScreen>

#include "core/app/Version.h"
#include "ui/StartedDashboard.h"

using namespace rovik;

namespace {
std::string Block() {
    return "/RovikFrameTest-" + std::to_string(::getpid());
}

WindowPlacement At(int left, int top, int width, int height, std::uint32_t showCommand) {
    WindowPlacement placement;
    placement.showCommand = showCommand;
    placement.left = left;
    placement.top = top;
    placement.right = left + width;
    placement.bottom = top + height;
    return placement;
}

// Every item of every menu, and the items that stand in the menu bar itself.
std::vector<QAction*> MenuItems(CMainFrame& frame) {
    std::vector<QAction*> items;
    for (QAction* top : frame.menuBar()->actions()) {
        const QList<QAction*> inside = top->menu() ? top->menu()->actions() : QList{top};
        std::copy_if(inside.begin(), inside.end(), std::back_inserter(items),
                     [](QAction* item) { return !item->isSeparator(); });
    }
    return items;
}

// As the user sees the item: after its menu has been opened.
void Open(QAction* item) {
    if (auto* menu = qobject_cast<QMenu*>(item->parent())) {
        emit menu->aboutToShow();
    }
}
}  // namespace

TEST(CMainFrame, PlacementRoundTripsInEveryShowState) {
    CMainFrame frame(Block());
    int step = 0;
    for (std::uint32_t show : {WindowPlacement::kShowMaximized, WindowPlacement::kShowNormal,
                               WindowPlacement::kShowMinimized, WindowPlacement::kShowMaximized}) {
        ++step;
        WindowPlacement wanted = At(10 * step, 20 * step, 400 + step, 300 + step, show);
        frame.ApplyPlacement(wanted);
        EXPECT_EQ(frame.CurrentPlacement(), wanted) << step;
        EXPECT_EQ(frame.isMaximized(), show == WindowPlacement::kShowMaximized) << step;
        EXPECT_EQ(frame.isMinimized(), show == WindowPlacement::kShowMinimized) << step;
    }
    WindowPlacement last = frame.CurrentPlacement();
    frame.show();
    QApplication::processEvents();
    EXPECT_EQ(frame.CurrentPlacement(), last);
}

TEST(CMainFrame, PlacementOffEveryScreenComesOntoThePrimaryScreen) {
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (WindowPlacement away :
         {At(screen.right() + 500, 100, 300, 200, 1), At(-2000000000, -2000000000, 300, 200, 1)}) {
        CMainFrame frame(Block());
        frame.ApplyPlacement(away);
        frame.show();
        EXPECT_TRUE(screen.contains(frame.geometry())) << away.left;
        EXPECT_EQ(frame.size(), QSize(300, 200));
    }
}

TEST(CMainFrame, PlacementWithoutAUsableRectangleKeepsTheFramesGeometry) {
    CMainFrame frame(Block());
    frame.setGeometry(20, 30, 400, 300);
    WindowPlacement reversed = At(0, 0, 100, 100, 3);
    reversed.left = 2000000000;
    reversed.right = -2000000000;
    for (WindowPlacement broken : {At(100, 100, 0, 200, 3), reversed}) {
        frame.ApplyPlacement(broken);
        EXPECT_EQ(frame.normalGeometry(), QRect(20, 30, 400, 300));
        EXPECT_TRUE(frame.isMaximized());
    }
}

// The frame shows the program's own icon, and the About box shows it beside the version.
TEST(CMainFrame, FrameAndAboutBoxShowTheProgramsIcon) {
    CMainFrame frame(Block());
    const QImage drawn = QPixmap(":/icons/hicolor/64x64/apps/rovik.png").toImage();
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(frame.windowIcon().pixmap(64).toImage(), drawn);
    QString text;
    test::AnswerNext<QMessageBox>([&](QMessageBox& box) {
        text = box.text();
        EXPECT_EQ(box.iconPixmap().toImage(), drawn);
        box.accept();
    });
    const std::vector<QAction*> items = MenuItems(frame);
    (*std::ranges::find(items, "&About Rovik...", &QAction::text))->trigger();
    EXPECT_TRUE(text.startsWith(kVersionText)) << text.toStdString();
}

using CMainFrameMenus = rovik::test::StartedDashboard;

// Each item is chosen as a user would, by its shortcut where it has one. Every dialog of the
// program's own that opens must let Tab visit its controls in reading order, each with a
// name a screen reader can say, and leave none out of the keyboard's reach.
TEST_F(CMainFrameMenus, EveryDialogTheMenusOpenTabsThroughItsNamedControlsInReadingOrder) {
    Start("rovik");
    QStringList seen;
    closer->inspect = [&seen](QDialog& dialog) {
        if (QString(dialog.metaObject()->className()).startsWith("rovik::")) {
            ShowActive(dialog);
            seen << dialog.windowTitle() + ": " + TabCycle().join('|');
            seen << UnnamedOrUnreachable(dialog);
        }
    };
    for (QAction* item : MenuItems(frame)) {
        if (item->text() != "E&xit") {
            Activate();
            Open(item);
            item->shortcut().isEmpty() ? item->trigger()
                                       : QTest::keySequence(&frame, item->shortcut());
            Settle();
        }
    }
    const QString gauge =
        "Parameter|Change Color|Left|Show Warning Lamp|Show Gauge Name|Show Value|Show Unit|"
        "Show Graph|Use Abbreviation|";
    const QString readout = "Left|Vertical|Show Captions|Show Units|Show Distance|";
    EXPECT_EQ(
        seen,
        QStringList({
            "Simple Gauge Properties: " + gauge + "OK|Cancel",
            "Scan Gauge Properties: " + gauge + "Scan Speed|OK|Cancel",
            "Odometer Properties: " + readout +
                "Show Fuel Used|Show Run Time|Show MPG|Show Average Speed|Locked|Change Color|"
                "Reset Trip|Start From Day One|Change Data File...|View History|OK|Cancel",
            "Transmission Indicator Properties: Change Color|Center|Show Gear Selected|"
            "Show Gear Attained|OK|Cancel",
            "Tank Minder Properties: " + readout +
                "Show Fuel Remaining|Show MPG|Calculate Using Recent MPG|Change Color|Tank Size|"
                "Current Level|Fill Tank|OK|Cancel",
            "MultiBar Properties: Parameter|Change Color|Left|Show Gauge Name|Show Value|"
            "Show Unit|OK|Cancel",
            "Histogram Properties: Parameter|Change Color|Update Rate|OK|Cancel",
            "Text Panel Settings: Change Color|Left|Text|OK|Cancel",
            "Message Box Configuration: Message Lines|Limit to Messages Based on a Particular "
            "Parameter|Parameter|Change Color|OK|Cancel",
            "Recent Diagnostic Events: Recent Diagnostic Events|Clear List|View History|"
            "Clear History|OK",
            "Maintenance Tracking: Maintenance Items Scheduled|Add|Maintenance Items Completed|"
            "Close",
            "Tire Status: Tire Sensors|Learn|Clear|Query|Sensor Position|6 Wheel|8 Wheel|6+4 "
            "Wheels|8+4 Wheels|OK|Cancel",
            "Tire Gauge Settings: Show Tire Icon|Show Tire Pressure|Change Color|OK|Cancel",
            "Data Log Settings: Parameters|Stop|Time Interval|Automatically Start Log|Log When "
            "Engine Off|Log File|Select File|Clear Log|View Log|OK|Cancel",
            "Text Message Configuration: Messages|Add|OK",
            "Audible Alarms: Alarms|Add|OK",
            "Engine Corrections: Odometer Multiplier|Hourmeter Multiplier|Fuelmeter Multiplier|"
            "Odometer Offset|Hourmeter Offset|Fuelmeter Offset|Rolling MPG Buffer Size:|Odometer "
            "PID:|"
            "Request Fuelmeter|Request Odometer|OK|Cancel",
            // On Linux a combo box is announced by its text, its label being a relation.
            "Communication Settings: COM1|Status|Byte Count|Good Packets|Bad Packets|VX100 "
            "RS-232 Serial |Scan for VXB Connections|Advanced USB VXB Properties|AutoRestart|"
            "Restart Port|Check Device Manager|OK",
            "PID Sniffer: PIDs|Ok|Sniff Again|Add Parameter Definition|Cancel",
            "Parameter Editor: Parameters|New|Delete|Gauge|Abbreviation|PID|Unit|Gauge Minimum|"
            "Gauge Maximum|Low Red Line|Low Yellow Line|High Red Line|High Yellow Line|Format|"
            "Offset|Multiplier|OK|Cancel",
            "Raw Data Logging: Log File|Select File|Start|OK",
        }));
}

TEST_F(CMainFrameMenus, RawLogAndCommunicationsAreOffWhileARecordingPlays) {
    Start();
    for (QAction* item : MenuItems(frame)) {
        Open(item);
        const bool choosesTheBox =
            item->text() == "Raw &Log..." || item->text() == "&Communications...";
        EXPECT_EQ(item->isEnabled(), !choosesTheBox) << item->text().toStdString();
    }
}
