#include <QSlider>
#include <numeric>

#include "core/panels/ScanGaugeRecord.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/panels/ScanGaugeDialog.h"

using namespace rovik;

namespace {

class ScanGaugeDialogTest : public ::testing::Test {
protected:
    ScanGaugeDialogTest() {
        gauge.rect = {8, 8, 168, 168};
        gauge.pid = 110;
        gauge.dwell = 10;
        gauge.scanList = {110, 999, 84};
    }

    // Accepts the dialog from the keyboard, as a user would.
    static ScanGaugeRecord PressEnter(ScanGaugeDialog& dialog) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.Result();
    }

    std::unique_ptr<ParameterTable> table = TableOf(
        {{"ROAD SPEED", 84}, {"ENGINE SPEED", 190}, {"COOLANT TEMP", 110}, {"BATTERY VOLTS", 168}});
    ScanGaugeRecord gauge;
};

TEST_F(ScanGaugeDialogTest, OpensWithEveryScannedParameterSelected) {
    ScanGaugeDialog dialog(*table, gauge);
    EXPECT_EQ(dialog.windowTitle(), "Scan Gauge Properties");
    EXPECT_EQ(SelectedEntries(ListOf(dialog)), QStringList({"COOLANT TEMP", "ROAD SPEED"}));
    EXPECT_EQ(dialog.findChild<QSlider*>()->value(), 4);
}

TEST_F(ScanGaugeDialogTest, OkWithoutTouchingTheListKeepsTheScanList) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    EXPECT_EQ(PressEnter(dialog), gauge);
}

TEST_F(ScanGaugeDialogTest, EscapeLeavesTheGaugeAsItWas) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    ClickEntry(ListOf(dialog), "ENGINE SPEED");
    dialog.findChild<QSlider*>()->setValue(1);
    QTest::keyClick(&ListOf(dialog), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Result(), gauge);
}

TEST_F(ScanGaugeDialogTest, ScanOrderIsAlphabeticalWhateverTheClickOrder) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    ClickEntry(list, "ROAD SPEED");
    ClickEntry(list, "ENGINE SPEED");
    ClickEntry(list, "BATTERY VOLTS");
    EXPECT_EQ(SelectedEntries(list),
              QStringList({"BATTERY VOLTS", "COOLANT TEMP", "ENGINE SPEED"}));
    ClickStandardButton(dialog, QDialogButtonBox::Ok);

    ScanGaugeRecord expected = gauge;
    expected.scanList = {168, 110, 190};
    EXPECT_EQ(dialog.Result(), expected);
}

TEST_F(ScanGaugeDialogTest, ClearingEverySelectionScansPidZero) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    ClickEntry(ListOf(dialog), "COOLANT TEMP");
    ClickEntry(ListOf(dialog), "ROAD SPEED");
    ScanGaugeRecord result = PressEnter(dialog);
    EXPECT_EQ(result.scanList, std::vector<std::uint16_t>{0});
    EXPECT_EQ(result.pid, 110);
}

TEST_F(ScanGaugeDialogTest, ArrowsMoveAndSpaceTogglesInTheList) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_Space);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(SelectedEntries(list), QStringList({"BATTERY VOLTS", "ROAD SPEED"}));
    EXPECT_EQ(PressEnter(dialog).scanList, std::vector<std::uint16_t>({168, 84}));
}

TEST_F(ScanGaugeDialogTest, EachSliderPositionGivesItsDwell) {
    const std::uint32_t dwells[] = {1, 3, 6, 10, 15, 21, 28, 36};
    for (int position = 1; position <= 8; ++position) {
        ScanGaugeDialog dialog(*table, gauge);
        ShowActive(dialog);
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        auto* slider = dialog.findChild<QSlider*>();
        ASSERT_EQ(QApplication::focusWidget(), slider);
        QTest::keyClick(slider, Qt::Key_Home);
        for (int step = 1; step < position; ++step) {
            QTest::keyClick(slider, Qt::Key_Right);
        }
        EXPECT_EQ(PressEnter(dialog).dwell, dwells[position - 1]) << "position " << position;
    }
}

TEST_F(ScanGaugeDialogTest, TabGoesFromTheCheckBoxesToTheSliderThenOk) {
    ScanGaugeDialog dialog(*table, gauge);
    ShowActive(dialog);
    std::vector<QWidget*> chain = TabChainToOk(dialog);
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(chain[chain.size() - 3], &ButtonNamed(dialog, "Use &Abbreviation"));
    EXPECT_EQ(chain[chain.size() - 2], dialog.findChild<QSlider*>());
}

TEST_F(ScanGaugeDialogTest, SelectingMoreThan99KeepsTheFirst99FromTheTop) {
    std::vector<std::pair<std::string, std::uint16_t>> many;
    for (std::uint16_t pid = 120; pid-- > 0;) {
        many.emplace_back(QString("P%1").arg(pid, 3, 10, QChar('0')).toStdString(), pid);
    }
    std::unique_ptr<ParameterTable> big = TableOf(many);
    ScanGaugeDialog dialog(*big, gauge);
    ShowActive(dialog);
    QTest::keyClick(&ListOf(dialog), Qt::Key_A, Qt::ControlModifier);
    ScanGaugeRecord result = PressEnter(dialog);

    std::vector<std::uint16_t> first99(99);
    std::iota(first99.begin(), first99.end(), 0);
    EXPECT_EQ(result.scanList, first99);
}

TEST_F(ScanGaugeDialogTest, EmptyTableShowsAnEmptyListAndOkKeepsTheScanList) {
    ParameterTable empty("unused");
    ScanGaugeDialog dialog(empty, gauge);
    ShowActive(dialog);
    EXPECT_EQ(ListOf(dialog).count(), 0);
    QTest::keyClick(&ListOf(dialog), Qt::Key_Space);
    QTest::keyClick(&ListOf(dialog), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(PressEnter(dialog), gauge);
}

}  // namespace
