#include <QLabel>
#include <QLineEdit>

#include "core/Described.h"
#include "ui/ModalCloser.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/params/ParameterEditorDialog.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {
const QStringList kLabels = {"Gauge",         "Abbreviation",     "PID",          "Unit",
                             "Gauge Minimum", "Gauge Maximum",    "Low Red Line", "Low Yellow Line",
                             "High Red Line", "High Yellow Line", "Format",       "Offset",
                             "Multiplier"};

// A table in file order whose names sort otherwise, upper and lower case mixed.
struct ParameterEditorTest : ::testing::Test {
    ParameterEditorTest() : table(TableOf({{"ROAD SPEED", 84}, {"ENGINE", 190}, {"Boost", 102}})) {
        Parameter& boost = table->At(2);
        boost.unit = "PSI";
        boost.format = "%.0f";
        boost.gaugeMaximum = 40.0f;
        boost.highRedLine = 999999.9f;
        boost.offset = -0.1f;
    }

    // The field labelled so, found through its label as a screen reader finds it.
    QLineEdit& Field(QDialog& dialog, const QString& label) {
        for (QLabel* shown : dialog.findChildren<QLabel*>()) {
            if (shown->text().remove('&') == label) {
                return *qobject_cast<QLineEdit*>(shown->buddy());
            }
        }
        throw std::runtime_error("no field " + label.toStdString());
    }
    QStringList Shown(QDialog& dialog) {
        QStringList texts;
        for (const QString& label : kLabels) {
            texts << Field(dialog, label).text();
        }
        return texts;
    }
    void Type(QDialog& dialog, const QString& label, const QString& text) {
        QLineEdit& field = Field(dialog, label);
        field.setFocus();
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, text);
    }
    static void ClickRow(QListWidget& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
    }

    std::unique_ptr<ParameterTable> table;
};
}  // namespace

TEST_F(ParameterEditorTest, OpensOnTheAlphabeticallyFirstNameWithEveryFieldLabelled) {
    ParameterEditorDialog dialog(*table);
    EXPECT_EQ(dialog.windowTitle(), "Parameter Editor");
    EXPECT_EQ(Entries(ListOf(dialog)), QStringList({"Boost", "ENGINE", "ROAD SPEED"}));
    EXPECT_EQ(SelectedEntries(ListOf(dialog)), QStringList{"Boost"});
    EXPECT_EQ(Shown(dialog), QStringList({"Boost", "SPEED", "102", "PSI", "0", "40", "-1", "-1",
                                          "999999.9", "55", "%.0f", "-0.1", "1"}));
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), kLabels.size());

    // OK without a change stores every value exactly as it was.
    const Parameter before = table->At(2);
    ShowActive(dialog);
    QTest::keyClick(&ListOf(dialog), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Described(table->At(2)), Described(before));
}

TEST_F(ParameterEditorTest, ChoosingAnotherNameStoresTheEditsAndARenamedOneKeepsItsPlace) {
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    Type(dialog, "Gauge", "ZZZ");
    Type(dialog, "Unit", "kPa");
    Type(dialog, "High Yellow Line", "30.5");
    ClickEntry(list, "ROAD SPEED");
    EXPECT_EQ(Entries(list), QStringList({"ZZZ", "ENGINE", "ROAD SPEED"}));
    EXPECT_EQ(Described(table->At(2)), "ZZZ|SPEED|kPa|%.0f|102|0..40|-1 -1 / 30.5 1e+06|-0.1 x 1");
    EXPECT_EQ(Field(dialog, "PID").text(), "84");

    // The keyboard moves through the list as the mouse does.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(Field(dialog, "Gauge").text(), "ENGINE");
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(Field(dialog, "Unit").text(), "kPa");
    dialog.reject();

    ParameterEditorDialog reopened(*table);
    EXPECT_EQ(Entries(ListOf(reopened)), QStringList({"ENGINE", "ROAD SPEED", "ZZZ"}));
}

TEST_F(ParameterEditorTest, NewAddsANewGaugeInItsPlaceAndTheListFindsParametersByName) {
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    ClickButton(dialog, "&New");
    EXPECT_EQ(Entries(list), QStringList({"Boost", "ENGINE", "NEW GAUGE", "ROAD SPEED"}));
    EXPECT_EQ(SelectedEntries(list), QStringList{"NEW GAUGE"});
    EXPECT_EQ(Shown(dialog), QStringList({"NEW GAUGE", "NEW", "0", "", "0", "0", "0", "0", "0", "0",
                                          "%.1f", "0", "1"}));
    Type(dialog, "PID", "300");
    ClickButton(dialog, "&New");
    ASSERT_EQ(table->Size(), 5u);
    EXPECT_EQ(table->At(3).pid, 300);
    EXPECT_EQ(table->At(4).pid, 0);
    EXPECT_EQ(Entries(list).count("NEW GAUGE"), 2);
    EXPECT_EQ(list.currentRow(), 3);

    // Both items of that name show the first parameter of that name.
    ClickEntry(list, "ENGINE");
    ClickRow(list, 3);
    EXPECT_EQ(Field(dialog, "PID").text(), "300");
}

TEST_F(ParameterEditorTest, DeleteRemovesTheChosenOneButNeverTheLast) {
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    ClickEntry(list, "ENGINE");
    ClickButton(dialog, "&Delete");
    EXPECT_EQ(Entries(list), QStringList({"Boost", "ROAD SPEED"}));
    EXPECT_FALSE(table->IsDefined(190));
    EXPECT_EQ(SelectedEntries(list), QStringList{"Boost"});
    EXPECT_EQ(Field(dialog, "Gauge").text(), "Boost");
    ClickButton(dialog, "&Delete");
    ClickButton(dialog, "&Delete");
    EXPECT_EQ(Entries(list), QStringList{"ROAD SPEED"});
    ASSERT_EQ(table->Size(), 1u);
    EXPECT_EQ(Field(dialog, "Gauge").text(), "ROAD SPEED");
}

TEST_F(ParameterEditorTest, RefusesWhatCannotBeStoredAndStaysOnTheField) {
    const QString pidRange = "Please enter a PID between 0 and 511 other than 255.";
    const QString number = "Please enter a number.";
    const QString formats =
        "Please enter a format that prints one number: %f, %e or %g, with at most two digits of "
        "width and of precision, for example %.1f or %6.0f. Other text may stand around it; "
        "write %% for a percent sign.";
    const std::pair<QString, QString> cases[] = {
        {"PID", "600"},
        {"PID", "255"},
        {"PID", "-1"},
        {"PID", "84x"},
        {"Gauge Minimum", "fast"},
        {"Multiplier", "1e39"},
        {"Offset", ""},
        {"Format", "%s"},
        {"Format", "%.1f%n"},
        {"Format", "%f %f"},
        {"Format", "%999.1f"},
        {"Format", "no number"},
    };
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    ModalCloser closer;
    for (const auto& [label, text] : cases) {
        SCOPED_TRACE(text.toStdString());
        const QString before = Field(dialog, label).text();
        Type(dialog, label, text);
        ClickStandardButton(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(closer.messages.size(), 1);
        const QString why = label == "PID" ? pidRange : label == "Format" ? formats : number;
        EXPECT_EQ(closer.messages.takeFirst(), why);
        EXPECT_EQ(dialog.focusWidget(), &Field(dialog, label));
        Type(dialog, label, before);
    }
    // Choosing another name is refused the same way, and the choice goes back.
    Type(dialog, "Gauge Maximum", "lots");
    ClickEntry(ListOf(dialog), "ROAD SPEED");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !closer.messages.isEmpty(); }));
    EXPECT_EQ(closer.messages.takeFirst(), number);
    EXPECT_EQ(SelectedEntries(ListOf(dialog)), QStringList{"Boost"});
    EXPECT_EQ(Field(dialog, "Gauge").text(), "Boost");
    EXPECT_EQ(table->At(2).gaugeMaximum, 40.0f);
}

TEST_F(ParameterEditorTest, AnUnsafeFormatFromAnOlderFileIsKeptUntilItIsEdited) {
    table->At(2).format = "%s";
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    Type(dialog, "Unit", "bar");
    QTest::keyClick(&Field(dialog, "Unit"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->At(2).format, "%s");
    EXPECT_EQ(table->At(2).unit, "bar");
}

TEST_F(ParameterEditorTest, TabRunsDownTheFieldsAndEscapeCancels) {
    ParameterEditorDialog dialog(*table);
    ShowActive(dialog);
    Field(dialog, "Gauge").setFocus();
    std::vector<QWidget*> expected;
    for (const QString& label : kLabels) {
        expected.push_back(&Field(dialog, label));
    }
    std::vector<QWidget*> chain = TabChainToOk(dialog);
    chain.resize(expected.size());
    EXPECT_EQ(chain, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
