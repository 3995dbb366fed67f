#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/SimpleGauge.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {
int argc = 1;
char name[] = "rovik";
char* argv[] = {name, nullptr};

// A started dashboard in a fresh working folder, its start-up messages answered.
struct PanelTest : ::testing::Test {
    PanelTest() : frame("/RovikPanelTest-" + std::to_string(::getpid())) {
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        frame.resize(800, 600);
        frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
        // Focus only moves inside the active window.
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        Settle();
    }
    ~PanelTest() override {
        frame.close();
        QDir::setCurrent(previous);
    }

    static void Settle() {
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            ::usleep(2000);
        }
    }
    MainWindow& Main() { return frame.Main(); }
    Panel* NewGauge() {
        Main().NewPanel(SimpleGaugeRecord());
        Settle();
        // The offscreen platform does not hand activation back when the dialog closes.
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return Main().Panels().back();
    }
    void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button) {
        const QPoint global = target->mapToGlobal(at);
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void Drag(Panel* panel, QPoint from, QPoint by) {
        Send(panel, QEvent::MouseButtonPress, from, Qt::LeftButton);
        Send(panel, QEvent::MouseMove, from + by, Qt::LeftButton);
        Send(panel, QEvent::MouseButtonRelease, from + by, Qt::LeftButton);
        Settle();
    }
    void PressDelete(Panel* panel) {
        QTest::keyClick(panel, Qt::Key_Delete);
        Settle();
    }

    QApplication app{argc, argv};
    ModalCloser closer;
    QTemporaryDir folder;
    QString previous;
    CMainFrame frame;
};
}  // namespace

TEST_F(PanelTest, StartUpWithoutAScreenFileSaysSoAndShowsNoPanels) {
    EXPECT_TRUE(closer.messages.contains("Error Reading File"));
    EXPECT_TRUE(Main().Panels().empty());
}

TEST_F(PanelTest, ANewGaugeIsASquareInTheCornerAndOpensItsProperties) {
    Panel* gauge = NewGauge();
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 160, 160));
    EXPECT_TRUE(closer.dialogs.contains("Simple Gauge Properties"));
    // Cancelling the dialog leaves the gauge in place.
    EXPECT_EQ(Main().Panels().size(), 1u);
    EXPECT_EQ(Main().SelectedPanel(), gauge);
    // Only the first focus opens the dialog.
    closer.dialogs.clear();
    QTest::mouseClick(&Main(), Qt::LeftButton, {}, QPoint(500, 400));
    Drag(gauge, QPoint(80, 80), QPoint(0, 0));
    EXPECT_EQ(Main().SelectedPanel(), gauge);
    EXPECT_TRUE(closer.dialogs.isEmpty());
}

TEST_F(PanelTest, DraggingMovesByWholeGridSteps) {
    Panel* gauge = NewGauge();
    gauge->move(40, 40);
    Drag(gauge, QPoint(50, 50), QPoint(13, -5));
    EXPECT_EQ(gauge->pos(), QPoint(48, 40));
    Drag(gauge, QPoint(50, 50), QPoint(-13, 17));
    EXPECT_EQ(gauge->pos(), QPoint(40, 56));
}

TEST_F(PanelTest, ArrowKeysMoveAndShiftArrowsResizeByGridSteps) {
    Panel* gauge = NewGauge();
    QTest::keyClick(gauge, Qt::Key_Right);
    QTest::keyClick(gauge, Qt::Key_Down);
    QTest::keyClick(gauge, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(gauge->geometry(), QRect(8, 8, 152, 160));
}

TEST_F(PanelTest, ResizingByTheFrameSnapsEdgesToTheGrid) {
    Panel* gauge = NewGauge();
    Drag(gauge, QPoint(158, 158), QPoint(45, 21));
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 200, 176));
}

TEST_F(PanelTest, DeleteRemovesOnlyTheFocusedPanel) {
    Panel* first = NewGauge();
    NewGauge();
    Panel* second = Main().Panels().back();
    PressDelete(second);
    ASSERT_EQ(Main().Panels().size(), 1u);
    EXPECT_EQ(Main().Panels().front(), first);
    // A click on the bare window unselects; with no panel selected nothing goes.
    QTest::mouseClick(&Main(), Qt::LeftButton, {}, QPoint(500, 400));
    Settle();
    EXPECT_EQ(Main().SelectedPanel(), nullptr);
    Main().DeleteSelectedPanel();
    Settle();
    ASSERT_EQ(Main().Panels().size(), 1u);
    Drag(first, QPoint(80, 80), QPoint(0, 0));
    EXPECT_EQ(Main().SelectedPanel(), first);
    Main().DeleteSelectedPanel();
    Settle();
    EXPECT_TRUE(Main().Panels().empty());
}

TEST_F(PanelTest, SavingAndReadingAScreenKeepsThePanelsAndReversesTheirStacking) {
    Panel* low = NewGauge();
    low->move(16, 16);
    Main().NewPanel(ScanGaugeRecord());
    Settle();
    Main().Panels().back()->move(200, 96);
    ASSERT_TRUE(Main().WriteScreen("TWO.SCR"));
    std::optional<Screen> saved = ScreenFile::Read("TWO.SCR");
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->panels.size(), 2u);
    // The scan gauge was made last, so it was on top and is written first.
    EXPECT_TRUE(std::holds_alternative<ScanGaugeRecord>(saved->panels[0]));
    EXPECT_EQ(std::get<SimpleGaugeRecord>(saved->panels[1]).rect.left, 16);

    Main().NewScreen();
    Settle();
    EXPECT_TRUE(Main().Panels().empty());
    closer.dialogs.clear();
    ASSERT_TRUE(Main().ReadScreen("TWO.SCR"));
    Settle();
    EXPECT_TRUE(closer.dialogs.empty());
    EXPECT_EQ(Main().CurrentScreen().panels,
              std::vector(saved->panels.rbegin(), saved->panels.rend()));
}

TEST_F(PanelTest, GaugePaintsItsLampValueAndBar) {
    ASSERT_NE(Main().State().Link(), nullptr);
    Main().State().Link()->StoreValue(kEngineSlot, 84, 60.0f);
    SimpleGaugeRecord record;
    record.showWarningLamp = true;
    record.rect = {0, 0, 200, 160};
    Main().NewPanel(record);
    Settle();
    const QImage image = Main().Panels().back()->grab().toImage();
    // Default lines -1, -1, 55, 70 on 0..90: the lamp is yellow at 60.
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 255, 0));
    // The bar: green up to 55, yellow on to 60, black beyond.
    const int barY = 160 - 20;
    EXPECT_EQ(image.pixelColor(10, barY), QColor(0, 191, 0));
    EXPECT_EQ(image.pixelColor(3 + 194 * 57 / 90, barY), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(3 + 194 * 75 / 90, barY), QColor(0, 0, 0));
    image.save("/tmp/rovik-gauge.png");
}

TEST_F(PanelTest, WallpaperIsStretchedOverTheWindowAndCancellingRemovesIt) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 200));
    ASSERT_TRUE(picture.save("wall.bmp"));
    Main().SetWallpaper("wall.bmp");
    QImage shown = Main().grab().toImage();
    EXPECT_EQ(shown.pixelColor(Main().width() - 5, Main().height() - 5), QColor(10, 120, 200));
    Main().ChooseWallpaper();
    EXPECT_EQ(Main().WallpaperPath(), "");
    shown = Main().grab().toImage();
    EXPECT_NE(shown.pixelColor(Main().width() - 5, Main().height() - 5), QColor(10, 120, 200));
}
