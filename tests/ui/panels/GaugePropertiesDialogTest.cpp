#include "core/params/ParameterTable.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/panels/HistogramDialog.h"
#include "ui/panels/MultibarDialog.h"
#include "ui/panels/ScanGaugeDialog.h"
#include "ui/panels/SimpleGaugeDialog.h"

using namespace rovik;

namespace {
// The parameter list, the part of the dialog that the simple and the scan gauge read
// differently: one parameter, or those to show in turn.
class GaugePropertiesDialogTest : public ::testing::Test {
protected:
    GaugePropertiesDialogTest() {
        for (auto [name, pid] : {std::pair{"ROAD SPEED", 84},
                                 {"engine speed", 190},
                                 {"COOLANT TEMP", 110},
                                 {"BATTERY VOLTS", 168}}) {
            auto parameter = std::make_unique<Parameter>();
            parameter->name = name;
            parameter->pid = static_cast<std::uint16_t>(pid);
            table.Append(std::move(parameter));
        }
        simple.pid = 110;
        scan.pid = 110;
        scan.scanList = {110, 999, 84};
    }
    static void Click(QDialog& dialog, const QString& name) {
        auto* list = dialog.findChild<QListWidget*>();
        QListWidgetItem* entry = list->findItems(name, Qt::MatchExactly).front();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(entry).center());
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    ParameterTable table{"unused"};
    ParameterTable empty{"unused"};
    SimpleGaugeRecord simple;
    ScanGaugeRecord scan;
};
}  // namespace

TEST_F(GaugePropertiesDialogTest, OkTakesTheClickedParameter) {
    SimpleGaugeDialog dialog(table, simple);
    ShowActive(dialog);
    Click(dialog, "engine speed");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Result().pid, 190);
}

TEST_F(GaugePropertiesDialogTest, PidsTheTableLacksAreKeptThroughOk) {
    simple.pid = 300;
    for (const ParameterTable* parameters : {&table, &empty}) {
        SimpleGaugeDialog simpleDialog(*parameters, simple);
        ScanGaugeDialog scanDialog(*parameters, scan);
        EXPECT_TRUE(Entries(simpleDialog, true).empty());
        EXPECT_EQ(Entries(scanDialog, true).size(), parameters == &table ? 2 : 0);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&simpleDialog, &scanDialog}) {
            ShowActive(*dialog);
            if (parameters == &empty) {
                Press(Qt::Key_Space);
                Press(Qt::Key_A, Qt::ControlModifier);
            }
            Press(Qt::Key_Return);
        }
        EXPECT_EQ(simpleDialog.Result(), simple);
        EXPECT_EQ(scanDialog.Result(), scan);
    }
}

TEST_F(GaugePropertiesDialogTest, AScanGaugeScansAlphabeticallyWhateverTheOrderOfClicksAndKeys) {
    ScanGaugeDialog dialog(table, scan);
    ShowActive(dialog);
    Click(dialog, "ROAD SPEED");
    Click(dialog, "engine speed");
    Press(Qt::Key_Home);
    Press(Qt::Key_Space);
    EXPECT_EQ(Entries(dialog, true),
              QStringList({"BATTERY VOLTS", "COOLANT TEMP", "engine speed"}));
    // The slowest scan speed shows each for 36 seconds.
    Press(Qt::Key_S, Qt::AltModifier);
    Press(Qt::Key_End);
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.Result().scanList, std::vector<std::uint16_t>({168, 110, 190}));
    EXPECT_EQ(dialog.Result().pid, 110) << "the PID shown stays until the gauge moves on";
    EXPECT_EQ(dialog.Result().dwell, 36u);
}

TEST_F(GaugePropertiesDialogTest, AScanGaugeWithEveryEntryClearedScansPidZero) {
    ScanGaugeDialog dialog(table, scan);
    ShowActive(dialog);
    Click(dialog, "COOLANT TEMP");
    Click(dialog, "ROAD SPEED");
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.Result().scanList, std::vector<std::uint16_t>{0});
}

TEST_F(GaugePropertiesDialogTest, AHistogramRefusesARateOutsideOneToSixtySecondsAndStaysOpen) {
    HistogramDialog dialog(table, HistogramRecord());
    ShowActive(dialog);
    rovik::test::ModalCloser closer;
    auto& rate = ControlNamed<QLineEdit>(dialog, "Update Rate");
    for (const char* refused : {"0", "61", ""}) {
        rate.setText(refused);
        ClickStandardButton(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible()) << refused;
    }
    EXPECT_EQ(closer.messages, QStringList(3, "Please enter an integer between 1 and 60."));
    rate.setText("60");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Result().updateRate, 60u);
}

TEST(MultibarDialog, TakesTheFirstNinetyNineParametersChosenFromTheTopOfTheList) {
    std::vector<std::pair<std::string, std::uint16_t>> entries;
    for (std::uint16_t pid = 0; pid < 120; ++pid) {
        entries.emplace_back(QString("P%1").arg(pid, 3, 10, QChar('0')).toStdString(), pid);
    }
    const auto table = TableOf(entries);
    MultibarDialog dialog(*table, MultibarRecord());
    ShowActive(dialog);
    ListOf(dialog).selectAll();
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    const std::vector<std::uint16_t> pids = dialog.Result().pids;
    ASSERT_EQ(pids.size(), 99u);
    EXPECT_TRUE(pids.front() == 0 && pids.back() == 98);
}
