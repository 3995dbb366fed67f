#include "core/Described.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/params/ParameterEditorDialog.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {
// A table in file order whose names sort otherwise, upper and lower case mixed; shown and
// driven through the labels, as a screen reader or a user finds the fields.
struct ParameterEditorTest : ::testing::Test {
    ParameterEditorTest() { ShowActive(dialog); }
    static std::unique_ptr<ParameterTable> MakeTable() {
        auto made = TableOf({{"ROAD SPEED", 84}, {"ENGINE", 190}, {"Boost", 102}});
        made->At(2).unit = "PSI";
        made->At(2).highRedLine = 999999.9f;
        made->At(2).offset = -0.1f;
        return made;
    }
    QLineEdit& Field(const QString& label) { return FieldLabelled(dialog, label); }
    void Type(const QString& label, const QString& text) { Retype(Field(label), text); }

    std::unique_ptr<ParameterTable> table = MakeTable();
    ParameterEditorDialog dialog{*table};
    QListWidget& list = ListOf(dialog);
};
}  // namespace

TEST_F(ParameterEditorTest, ChoosingANameStoresTheEditsAndARenamedOneKeepsItsPlace) {
    EXPECT_EQ(Entries(list), QStringList({"Boost", "ENGINE", "ROAD SPEED"}));
    EXPECT_EQ(Field("High Red Line").text(), "999999.9");
    Type("Gauge", "ZZZ");
    Type("High Yellow Line", "30.5");
    ClickEntry(list, "ROAD SPEED");
    EXPECT_EQ(Entries(list), QStringList({"ZZZ", "ENGINE", "ROAD SPEED"}));
    EXPECT_EQ(Described(table->At(2)), "ZZZ|SPEED|PSI|%.1f|102|0..90|-1 -1 / 30.5 1e+06|-0.1 x 1");
    EXPECT_EQ(Field("PID").text(), "84");
    // Return takes what the fields hold.
    QTest::keyClick(&Field("Unit"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->At(2).highRedLine, 999999.9f);

    ParameterEditorDialog reopened(*table);
    EXPECT_EQ(Entries(ListOf(reopened)), QStringList({"ENGINE", "ROAD SPEED", "ZZZ"}));
}

TEST_F(ParameterEditorTest, NewAddsANewGaugeInItsPlaceAndDeleteNeverTakesTheLast) {
    ClickButton(dialog, "&New");
    Type("PID", "300");
    ClickButton(dialog, "&New");
    EXPECT_EQ(Entries(list),
              QStringList({"Boost", "ENGINE", "NEW GAUGE", "NEW GAUGE", "ROAD SPEED"}));
    EXPECT_EQ(list.currentRow(), 3);
    ClickEntry(list, "ENGINE");
    ClickButton(dialog, "&Delete");
    EXPECT_FALSE(table->IsDefined(190));
    EXPECT_EQ(SelectedEntries(list), QStringList{"Boost"});
    for (int i = 0; i < 5; ++i) {
        ClickButton(dialog, "&Delete");
    }
    EXPECT_EQ(Entries(list), QStringList{"ROAD SPEED"});
    EXPECT_EQ(table->Size(), 1u);
    EXPECT_EQ(Field("Gauge").text(), "ROAD SPEED");
}

TEST_F(ParameterEditorTest, RefusesWhatCannotBeStoredAndKeepsAnOldUnsafeFormatUntilEdited) {
    table->At(2).format = "%s";
    // A format that older files may hold is kept as long as it is not edited.
    ParameterEditorDialog old(*table);
    ShowActive(old);
    QTest::keyClick(&ListOf(old), Qt::Key_Return);
    EXPECT_EQ(old.result(), QDialog::Accepted);
    EXPECT_EQ(table->At(2).format, "%s");
    ShowActive(dialog);

    const QString pids = "Please enter a PID between 0 and 511 other than 255.";
    const QString formats =
        "Please enter a format that prints one number: %f, %e or %g, with at most two digits of "
        "width and of precision, for example %.1f or %6.0f. Other text may stand around it; "
        "write %% for a percent sign.";
    const QString number = "Please enter a number.";
    const std::pair<QString, QString> cases[] = {
        {"PID", "600"},         {"PID", "255"},   {"Gauge Minimum", "fast"},
        {"Multiplier", "1e39"}, {"Format", "%s"}, {"Format", "%.1f%n"},
    };
    ModalCloser closer;
    for (const auto& [label, text] : cases) {
        const QString why = label == "PID" ? pids : label == "Format" ? formats : number;
        ExpectRefused(dialog, Field(label), text, why, closer.messages);
    }
    // Choosing another name is refused the same way, and the choice goes back.
    Type("Gauge Maximum", "lots");
    ClickEntry(list, "ROAD SPEED");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !closer.messages.isEmpty(); }));
    EXPECT_EQ(closer.messages, QStringList{number});
    EXPECT_EQ(SelectedEntries(list), QStringList{"Boost"});
    EXPECT_EQ(table->At(2).gaugeMaximum, 90.0f);

    // Nothing is added that the file could not keep.
    Type("Gauge Maximum", "90");
    while (!table->IsFull()) {
        table->Append(std::make_unique<Parameter>());
    }
    closer.messages.clear();
    ClickButton(dialog, "&New");
    EXPECT_EQ(closer.messages, QStringList{"PARAMTRS.DAT keeps at most 255 parameters. Please "
                                           "delete one before adding another."});
    EXPECT_EQ(list.count(), 3);
}
