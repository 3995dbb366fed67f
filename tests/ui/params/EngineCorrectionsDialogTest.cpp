#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/params/EngineCorrectionsDialog.h"

using namespace rovik;

namespace {
EngineCorrections Corrected() {
    EngineCorrections corrections;
    corrections.odometer = {2.5f, 1.05f};
    corrections.fuelmeter = {0.0f, 0.95f};
    return corrections;
}

class EngineCorrectionsDialogTest : public ::testing::Test {
protected:
    EngineCorrectionsDialogTest() { ShowActive(dialog); }

    QLineEdit& Field(const QString& name) { return ControlNamed<QLineEdit>(dialog, name); }
    void Type(const QString& name, const QString& text) { Retype(Field(name), text); }

    EngineCorrectionsDialog dialog{Corrected(), {123456.78, 4321.06, 23456.5}};
};
}  // namespace

TEST_F(EngineCorrectionsDialogTest, ShowsTheTotalsReadOnlyAndOkTakesWhatWasTypedAndTicked) {
    QStringList shown;
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        shown << field->text();
    }
    EXPECT_EQ(shown, QStringList({"123456.8", "1.05", "2.5", "4321.1", "1", "0", "23456.5", "0.95",
                                  "0", "150", "245"}));
    EXPECT_TRUE(Field("Odometer Current").isReadOnly());
    Type("Fuelmeter Offset", "-3.25");
    Type("Rolling MPG Buffer Size:", "6000");
    ClickButton(dialog, "Request F&uelmeter");
    ClickButton(dialog, "Request O&dometer");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const EngineCorrections& result = dialog.Result();
    EXPECT_EQ(result.odometer.multiplier, 1.05f);
    EXPECT_EQ(result.fuelmeter.offset, -3.25f);
    EXPECT_EQ(result.rollingMpgBufferSize, 6000u);
    EXPECT_TRUE(result.requestFuelmeter);
    EXPECT_TRUE(result.requestOdometer);
}

TEST_F(EngineCorrectionsDialogTest, RefusesValuesOutOfRangeOrNotNumbersAndStaysOnTheField) {
    rovik::test::ModalCloser closer;
    const QString sizes = "Please enter an integer between 2 and 6000.";
    const std::tuple<QString, QString, QString> cases[] = {
        {"Rolling MPG Buffer Size:", "1", sizes},
        {"Odometer PID:", "246", "Please enter an integer between 244 and 245."},
        {"Odometer Multiplier", "fast", "Please enter a number."},
        {"Fuelmeter Multiplier", "0", "Please enter a multiplier other than 0."},
    };
    for (const auto& [field, text, message] : cases) {
        ExpectRefused(dialog, Field(field), text, message, closer.messages);
    }
    // Return takes the dialog as it now stands.
    QTest::keyClick(&Field("Odometer PID:"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result().rollingMpgBufferSize, 150u);
}
