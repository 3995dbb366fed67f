#include <QMenuBar>
#include <QScreen>

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

using CMainFrameMenus = rovik::test::StartedDashboard;

// Each item is chosen as a user would, by its shortcut where it has one. Every dialog of the
// program's own that opens must let Tab go round its controls, each with a name a screen
// reader can say, and leave none out of the keyboard's reach; one dialog's order stands for
// the reading order of all.
TEST_F(CMainFrameMenus, EveryDialogTheMenusOpenTabsThroughItsNamedControls) {
    Start("rovik");
    QStringList titles;
    QStringList faults;
    QString histogram;
    closer->inspect = [&](QDialog& dialog) {
        if (QString(dialog.metaObject()->className()).startsWith("rovik::")) {
            ShowActive(dialog);
            titles << dialog.windowTitle();
            const QStringList cycle = TabCycle();
            if (cycle.size() < 2 || cycle.size() >= 40) {
                faults << dialog.windowTitle() + ": " + cycle.join('|');
            }
            if (dialog.windowTitle() == "Histogram Properties") {
                histogram = cycle.join('|');
            }
            faults << UnnamedOrUnreachable(dialog);
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
    EXPECT_EQ(titles.size(), 21) << titles.join('|').toStdString();
    EXPECT_EQ(faults, QStringList());
    EXPECT_EQ(histogram, "Parameter|Change Color|Update Rate|OK|Cancel");
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
