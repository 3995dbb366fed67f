#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>

#include "ui/app/CMainFrame.h"

using namespace rovik;

namespace {
class CMainFrameTest : public ::testing::Test {
protected:
    std::string Block() const { return "/RovikFrameTest-" + std::to_string(::getpid()); }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
};

WindowPlacement At(int left, int top, int width, int height, std::uint32_t showCommand) {
    WindowPlacement placement;
    placement.showCommand = showCommand;
    placement.left = left;
    placement.top = top;
    placement.right = left + width;
    placement.bottom = top + height;
    return placement;
}
}  // namespace

TEST_F(CMainFrameTest, PlacementRoundTripsInEveryShowState) {
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

TEST_F(CMainFrameTest, PlacementOffEveryScreenComesOntoThePrimaryScreen) {
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

TEST_F(CMainFrameTest, PlacementWithoutAUsableRectangleKeepsTheFramesGeometry) {
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
