#include <QLineEdit>

#include "ui/ModalCloser.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/params/EngineCorrectionsDialog.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {

class EngineCorrectionsDialogTest : public ::testing::Test {
protected:
    EngineCorrectionsDialogTest() {
        corrections.odometer = {2.5f, 1.05f};
        corrections.fuelmeter = {0.0f, 0.95f};
        corrections.rollingMpgBufferSize = 150;
    }

    static QLineEdit& Field(QDialog& dialog, const QString& name) {
        auto* field = dialog.findChild<QLineEdit*>(name);
        if (!field) {
            throw std::runtime_error("no field " + name.toStdString());
        }
        return *field;
    }
    // Replaces the field's text as a user would.
    static void Type(QLineEdit& field, const QString& text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    static QStringList Texts(QDialog& dialog) {
        QStringList texts;
        for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
            texts << field->text();
        }
        return texts;
    }

    EngineCorrections corrections;
    EngineCorrectionsDialog::Totals totals{123456.78, 4321.06, 23456.5};
};

}  // namespace

TEST_F(EngineCorrectionsDialogTest, ShowsTheTotalsReadOnlyAndTheCurrentCorrections) {
    EngineCorrectionsDialog dialog(corrections, totals);
    EXPECT_EQ(dialog.windowTitle(), "Engine Corrections");
    EXPECT_EQ(Texts(dialog), QStringList({"123456.8", "1.05", "2.5", "4321.1", "1", "0", "23456.5",
                                          "0.95", "0", "150", "245"}));
    EXPECT_TRUE(dialog.findChildren<QLineEdit*>().front()->isReadOnly());
    EXPECT_FALSE(ButtonNamed(dialog, "Request F&uelmeter").isChecked());
}

TEST_F(EngineCorrectionsDialogTest, OkTakesWhatWasTypedAndTicked) {
    EngineCorrectionsDialog dialog(corrections, totals);
    ShowActive(dialog);
    Type(Field(dialog, "HourmeterMultiplier"), "1.1");
    Type(Field(dialog, "FuelmeterOffset"), "-3.25");
    Type(Field(dialog, "OdometerOffset"), "0");
    QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    Type(*fields[9], "6000");
    Type(*fields[10], "244");
    ClickButton(dialog, "Request F&uelmeter");
    ClickButton(dialog, "Request O&dometer");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const EngineCorrections& result = dialog.Result();
    EXPECT_EQ(result.odometer.multiplier, 1.05f);
    EXPECT_EQ(result.odometer.offset, 0.0f);
    EXPECT_EQ(result.hourmeter.multiplier, 1.1f);
    EXPECT_EQ(result.fuelmeter.offset, -3.25f);
    EXPECT_EQ(result.rollingMpgBufferSize, 6000u);
    EXPECT_EQ(result.odometerPid, 244);
    EXPECT_TRUE(result.requestFuelmeter);
    EXPECT_TRUE(result.requestOdometer);
}

TEST_F(EngineCorrectionsDialogTest, RefusesValuesOutOfRangeOrNotNumbersAndStaysOnTheField) {
    EngineCorrectionsDialog dialog(corrections, totals);
    ShowActive(dialog);
    ModalCloser closer;
    QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    QLineEdit& size = *fields[9];
    QLineEdit& pid = *fields[10];
    struct Case {
        QLineEdit* field;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {&size, "1", "Please enter an integer between 2 and 6000."},
        {&size, "6001", "Please enter an integer between 2 and 6000."},
        {&pid, "246", "Please enter an integer between 244 and 245."},
        {&Field(dialog, "OdometerMultiplier"), "fast", "Please enter a number."},
        {&Field(dialog, "FuelmeterMultiplier"), "0", "Please enter a multiplier other than 0."},
    };
    for (const Case& refused : cases) {
        QString before = refused.field->text();
        Type(*refused.field, refused.text);
        ClickStandardButton(dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible()) << refused.text.toStdString();
        ASSERT_FALSE(closer.messages.isEmpty());
        EXPECT_EQ(closer.messages.takeLast(), refused.message);
        EXPECT_EQ(dialog.focusWidget(), refused.field);
        Type(*refused.field, before);
    }
    // Return takes the dialog as it now stands.
    QTest::keyClick(&size, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result().rollingMpgBufferSize, 150u);
}

TEST_F(EngineCorrectionsDialogTest, TabRunsAlongTheMultipliersThenTheOffsetsAndEscapeCancels) {
    EngineCorrectionsDialog dialog(corrections, totals);
    ShowActive(dialog);
    std::vector<QWidget*> chain = TabChainToOk(dialog);
    std::vector<QString> names;
    for (std::size_t i = 0; i < 6; ++i) {
        names.push_back(chain[i]->objectName());
    }
    EXPECT_EQ(names, (std::vector<QString>{"OdometerMultiplier", "HourmeterMultiplier",
                                           "FuelmeterMultiplier", "OdometerOffset",
                                           "HourmeterOffset", "FuelmeterOffset"}));
    EXPECT_EQ(chain.size(), 11u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
