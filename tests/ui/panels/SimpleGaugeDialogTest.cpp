#include <QCheckBox>
#include <QColorDialog>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "core/panels/SimpleGaugeRecord.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/panels/SimpleGaugeDialog.h"

using namespace rovik;

namespace {

class SimpleGaugeDialogTest : public ::testing::Test {
protected:
    SimpleGaugeDialogTest() {
        gauge.rect = {16, 24, 176, 184};
        gauge.background = Rgb(10, 20, 30);
        gauge.pid = 110;
        gauge.alignment = TextAlignment::Centre;
    }

    std::unique_ptr<ParameterTable> table = TableOf(
        {{"ROAD SPEED", 84}, {"engine speed", 190}, {"COOLANT TEMP", 110}, {"BATTERY VOLTS", 168}});
    SimpleGaugeRecord gauge;
};

TEST_F(SimpleGaugeDialogTest, OpensSortedOnTheGaugesParameterAndChoices) {
    SimpleGaugeDialog dialog(*table, gauge);
    EXPECT_EQ(dialog.windowTitle(), "Simple Gauge Properties");
    QListWidget& list = ListOf(dialog);
    EXPECT_EQ(Entries(list),
              QStringList({"BATTERY VOLTS", "COOLANT TEMP", "engine speed", "ROAD SPEED"}));
    EXPECT_EQ(SelectedEntries(list), QStringList{"COOLANT TEMP"});
    EXPECT_TRUE(ButtonNamed(dialog, "C&enter").isChecked());
    EXPECT_FALSE(ButtonNamed(dialog, "Show &Warning Lamp").isChecked());
    EXPECT_TRUE(ButtonNamed(dialog, "Show &Graph").isChecked());
}

TEST_F(SimpleGaugeDialogTest, OkTakesTheClickedParameterAndChoicesOnly) {
    SimpleGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    ClickEntry(ListOf(dialog), "engine speed");
    ClickButton(dialog, "Show &Warning Lamp");
    ClickButton(dialog, "Show &Unit");
    ClickButton(dialog, "&Right");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    SimpleGaugeRecord expected = gauge;
    expected.pid = 190;
    expected.showWarningLamp = true;
    expected.showUnit = false;
    expected.alignment = TextAlignment::Right;
    EXPECT_EQ(dialog.Result(), expected);
}

TEST_F(SimpleGaugeDialogTest, CancelAndEscapeLeaveTheGaugeAsItWas) {
    for (Qt::Key key : {Qt::Key_unknown, Qt::Key_Escape}) {
        SimpleGaugeDialog dialog(*table, gauge);
        ShowActive(dialog);
        ClickEntry(ListOf(dialog), "ROAD SPEED");
        ClickButton(dialog, "Show &Value");
        if (key == Qt::Key_Escape) {
            QTest::keyClick(&ListOf(dialog), key);
        } else {
            ClickStandardButton(dialog, QDialogButtonBox::Cancel);
        }
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.Result(), gauge);
    }
}

TEST_F(SimpleGaugeDialogTest, WorksFromTheKeyboardAlone) {
    SimpleGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    EXPECT_EQ(QApplication::focusWidget(), &list);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_V, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    SimpleGaugeRecord result = dialog.Result();
    EXPECT_EQ(result.pid, 190);
    EXPECT_FALSE(result.showValue);
}

TEST_F(SimpleGaugeDialogTest, TabVisitsEveryControlOnceInReadingOrder) {
    SimpleGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    std::vector<QWidget*> expected{&ListOf(dialog), &ButtonNamed(dialog, "Change &Color"),
                                   &ButtonNamed(dialog, "C&enter")};
    for (const char* box : {"Show &Warning Lamp", "Show Gauge &Name", "Show &Value", "Show &Unit",
                            "Show &Graph", "Use &Abbreviation"}) {
        expected.push_back(&ButtonNamed(dialog, box));
    }
    std::vector<QWidget*> chain = TabChainToOk(dialog);
    chain.pop_back();
    EXPECT_EQ(chain, expected);
}

TEST_F(SimpleGaugeDialogTest, UnknownPidSelectsNothingAndOkKeepsIt) {
    gauge.pid = 300;
    SimpleGaugeDialog dialog(*table, gauge);
    EXPECT_TRUE(SelectedEntries(ListOf(dialog)).empty());
    dialog.accept();
    EXPECT_EQ(dialog.Result().pid, 300);
}

TEST_F(SimpleGaugeDialogTest, EmptyTableShowsAnEmptyListAndOkKeepsThePid) {
    ParameterTable empty("unused");
    SimpleGaugeDialog dialog(empty, gauge);
    ShowActive(dialog);
    EXPECT_EQ(ListOf(dialog).count(), 0);
    QTest::keyClick(&ListOf(dialog), Qt::Key_Down);
    QTest::keyClick(&ListOf(dialog), Qt::Key_Return);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), gauge);
}

TEST_F(SimpleGaugeDialogTest, ChangeColorOpensOnTheColourAndPaintsTheChoice) {
    SimpleGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    QColor opened;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        opened = chooser->currentColor();
        chooser->setCurrentColor(QColor(200, 100, 50));
        chooser->accept();
    });
    ClickButton(dialog, "Change &Color");
    EXPECT_EQ(opened, QColor(10, 20, 30));

    QImage swatch = dialog.findChild<QWidget*>("colorSwatch")->grab().toImage();
    EXPECT_EQ(swatch.pixelColor(swatch.rect().center()), QColor(200, 100, 50));
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Result().background, Rgb(200, 100, 50));
}

}  // namespace
