#include <QColorDialog>
#include <QMouseEvent>

#include "core/app/ScreenFile.h"
#include "ui/ModalCloser.h"
#include "ui/StartedDashboard.h"

using namespace rovik;
using rovik::test::AnswerNext;

namespace {
struct PanelTest : rovik::test::StartedDashboard {
    PanelTest() {
        Start();
        closer->dialogs.clear();
    }
    Panel* NewGauge() {
        Main().NewPanel(SimpleGaugeRecord());
        Settle();
        Activate();
        return Main().Panels().back();
    }
    void Send(QWidget* target, QEvent::Type type, QPoint at) {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void Drag(Panel* panel, QPoint from, QPoint by) {
        Send(panel, QEvent::MouseButtonPress, from);
        Send(panel, QEvent::MouseMove, from + by);
        Send(panel, QEvent::MouseButtonRelease, from + by);
        Settle();
    }
};
}  // namespace

TEST_F(PanelTest, ANewGaugeIsASquareInTheCornerAndOpensItsPropertiesTheFirstTimeOnly) {
    Panel* gauge = NewGauge();
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 160, 160));
    EXPECT_EQ(closer->dialogs, QStringList{"Simple Gauge Properties"});
    // Cancelling the dialog leaves the gauge in place.
    EXPECT_EQ(Main().Panels().size(), 1u);
    EXPECT_EQ(Main().SelectedPanel(), gauge);
    QTest::mouseClick(&Main(), Qt::LeftButton, {}, QPoint(500, 400));
    Drag(gauge, QPoint(80, 80), QPoint(0, 0));
    EXPECT_EQ(Main().SelectedPanel(), gauge);
    EXPECT_EQ(closer->dialogs.size(), 1);
}

TEST_F(PanelTest, MouseAndArrowKeysMoveAndResizeByWholeGridSteps) {
    Panel* gauge = NewGauge();
    Drag(gauge, QPoint(158, 158), QPoint(45, 21));
    EXPECT_EQ(gauge->geometry(), QRect(0, 0, 200, 176));
    gauge->move(40, 40);
    Drag(gauge, QPoint(50, 50), QPoint(13, -5));
    EXPECT_EQ(gauge->pos(), QPoint(48, 40));
    QTest::keyClick(gauge, Qt::Key_Right);
    QTest::keyClick(gauge, Qt::Key_Down);
    QTest::keyClick(gauge, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(gauge->geometry(), QRect(56, 48, 192, 176));
}

TEST_F(PanelTest, DeleteRemovesOnlyTheFocusedPanel) {
    Panel* first = NewGauge();
    QTest::keyClick(NewGauge(), Qt::Key_Delete);
    Settle();
    ASSERT_EQ(Main().Panels(), std::vector<Panel*>{first});
    // A click on the bare window unselects; with no panel selected nothing goes.
    QTest::mouseClick(&Main(), Qt::LeftButton, {}, QPoint(500, 400));
    Main().DeleteSelectedPanel();
    Settle();
    ASSERT_EQ(Main().Panels().size(), 1u);
    Drag(first, QPoint(80, 80), QPoint(0, 0));
    Main().DeleteSelectedPanel();
    Settle();
    EXPECT_TRUE(Main().Panels().empty());
}

TEST_F(PanelTest, EnterOpensThePropertiesAndTheEnterThatConfirmsThemDoesNotReopenThem) {
    Panel* gauge = NewGauge();
    closer.reset();
    int opened = 0;
    AnswerNext<QDialog>([&opened](QDialog& dialog) {
        ++opened;
        // The release of the press that opened it, then a press of its own.
        QTest::keyRelease(dialog.windowHandle(), Qt::Key_Return);
        QTest::keyPress(dialog.windowHandle(), Qt::Key_Return);
    });
    QTest::keyPress(frame.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    // That press's release reaches the panel, which has the focus again.
    rovik::test::ModalCloser late;
    QTest::keyRelease(frame.windowHandle(), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(late.dialogs.isEmpty());
    EXPECT_EQ(Main().SelectedPanel(), gauge);
}

namespace {
// A panel kind, read from a screen file, and the title of its properties dialog.
struct PropertiesCase {
    const char* title;
    AnyPanelRecord record;
};

void PrintTo(const PropertiesCase& kind, std::ostream* out) {
    *out << kind.title;
}

template <typename Record>
AnyPanelRecord Placed(Record record) {
    record.rect = {8, 8, 208, 168};
    record.background = Rgb(10, 20, 30);
    return record;
}

template <typename Record>
AnyPanelRecord WithFile(std::string Record::*file, const char* name) {
    Record record;
    record.*file = name;
    return Placed(record);
}

const PropertiesCase kKinds[] = {
    {"Simple Gauge Properties", Placed(SimpleGaugeRecord())},
    {"Scan Gauge Properties", Placed(ScanGaugeRecord())},
    {"Odometer Properties", WithFile(&OdometerRecord::tripFilePath, "Trip.trp")},
    {"Tank Minder Properties", WithFile(&TankMinderRecord::tankFilePath, "Tank.trp")},
    {"MultiBar Properties", Placed(MultibarRecord())},
    {"Histogram Properties", Placed(HistogramRecord())},
    {"Transmission Indicator Properties", Placed(TransmissionRecord())},
    {"Text Panel Settings", Placed(TextPanelRecord())},
    {"Tire Gauge Settings", Placed(TireGaugeRecord())},
};

// A dashboard whose screen holds one panel of the kind.
struct PanelPropertiesTest : rovik::test::StartedDashboard,
                             ::testing::WithParamInterface<PropertiesCase> {
    PanelPropertiesTest() {
        Screen screen;
        screen.panels = {GetParam().record};
        EXPECT_TRUE(ScreenFile::Write("DEFAULT.SCR", screen));
        Start();
        closer.reset();
    }
    // Clicks Right where the kind aligns its text, and chooses a new colour.
    void ChangeChoices(QDialog& dialog) {
        std::visit(
            [&dialog](const auto& record) {
                if constexpr (requires { record.alignment; }) {
                    ClickButton(dialog, "&Right");
                }
            },
            GetParam().record);
        AnswerNext<QColorDialog>([](QColorDialog& chooser) {
            chooser.setCurrentColor(QColor(200, 100, 50));
            chooser.accept();
        });
        ClickButton(dialog, "Change &Color");
    }
    void RightClick() { QTest::mouseClick(&PanelAt(0), Qt::RightButton, {}, QPoint(80, 80)); }
    std::vector<AnyPanelRecord> Shown() { return Main().CurrentScreen().panels; }
};
}  // namespace

TEST_P(PanelPropertiesTest, RightClickOpensTheDialogAndOkHandsTheChoicesBack) {
    QString title;
    AnswerNext<QDialog>([&](QDialog& dialog) {
        title = dialog.windowTitle();
        ChangeChoices(dialog);
        ClickStandardButton(dialog, QDialogButtonBox::Ok);
    });
    RightClick();
    EXPECT_EQ(title, GetParam().title);
    AnyPanelRecord changed = GetParam().record;
    std::visit(
        [](auto& record) {
            record.background = Rgb(200, 100, 50);
            if constexpr (requires { record.alignment; }) {
                record.alignment = TextAlignment::Right;
            }
        },
        changed);
    EXPECT_EQ(Shown(), std::vector{changed});
}

TEST_P(PanelPropertiesTest, CancelAndEscapeKeepTheOldChoices) {
    for (bool escape : {false, true}) {
        AnswerNext<QDialog>([this, escape](QDialog& dialog) {
            ChangeChoices(dialog);
            escape ? QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape)
                   : ClickStandardButton(dialog, QDialogButtonBox::Cancel);
        });
        RightClick();
        EXPECT_EQ(Shown(), std::vector{GetParam().record}) << escape;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PanelPropertiesTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) {
                             return QString(info.param.title).remove(' ').toStdString();
                         });
