#include "ui/logging/DataLogDialog.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/logging/DataLogger.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"

using namespace rovik;

namespace {
struct DataLogDialogTest : ::testing::Test {
    QString File(const QString& name) const { return folder.filePath(name); }
    void Open() {
        dialog = std::make_unique<DataLogDialog>(*table, logger, false);
        ShowActive(*dialog);
    }
    QLineEdit& Field(const QString& label) const { return FieldLabelled(*dialog, label); }
    bool FileFieldsEnabled() const {
        return Field("&Log File").isEnabled() && ButtonNamed(*dialog, "&Select File").isEnabled() &&
               ButtonNamed(*dialog, "&Clear Log").isEnabled();
    }
    QByteArray Contents(const QString& name) const {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    std::unique_ptr<ParameterTable> table =
        TableOf({{"ROAD SPEED", 84}, {"engine speed", 190}, {"Boost", 102}});
    const DataLogSettings original{60, {190}, File("a.txt").toStdString(), false};
    DataLogSettings settings = original;
    DataLogger logger{*table, settings};
    std::unique_ptr<DataLogDialog> dialog;
};
}  // namespace

TEST_F(DataLogDialogTest, ColumnsFollowTheListsOrderAndOnlyOkKeepsTheChoices) {
    for (bool ok : {false, true}) {
        Open();
        EXPECT_EQ(Entries(ListOf(*dialog)), (QStringList{"Boost", "engine speed", "ROAD SPEED"}));
        EXPECT_EQ(SelectedEntries(ListOf(*dialog)), QStringList{"engine speed"});
        ClickEntry(ListOf(*dialog), "ROAD SPEED");
        ClickEntry(ListOf(*dialog), "Boost");
        Field("&Log File").setText(File("Monday"));
        Field("Time &Interval").setText("3600");
        ClickStandardButton(*dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        EXPECT_EQ(settings, original);
    }
    EXPECT_EQ(dialog->Chosen(),
              (DataLogSettings{3600, {102, 190, 84}, File("monday.txt").toStdString(), false}));
}

TEST_F(DataLogDialogTest, AnIntervalOutside1To3600IsRefusedAndTheDialogStaysOpen) {
    Open();
    rovik::test::ModalCloser closer;
    for (const char* refused : {"0", "3601"}) {
        Field("Time &Interval").setText(refused);
        ButtonNamed(*dialog, "S&tart").click();
    }
    ClickStandardButton(*dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(closer.messages, QStringList(3, "Please enter an integer between 1 and 3600."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(logger.IsRecording());
}

TEST_F(DataLogDialogTest, StartActsAtOnceAndHoldsTheFileUntilStop) {
    Open();
    ButtonNamed(*dialog, "&Clear Log").click();
    const QByteArray header = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\r\n";
    EXPECT_EQ(Contents("a.txt"), header);
    Field("&Log File").setText(File("Trip"));
    Field("Time &Interval").setText("1");
    ButtonNamed(*dialog, "S&tart").click();
    EXPECT_TRUE(logger.IsRecording());
    EXPECT_EQ(Contents("trip.txt"), header);
    EXPECT_FALSE(FileFieldsEnabled());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(logger.IsRecording()) << "Cancel does not undo Start";

    Open();
    EXPECT_FALSE(FileFieldsEnabled());
    auto& stop = ButtonNamed<QRadioButton>(*dialog, "St&op");
    QTest::keyClick(&stop, Qt::Key_Space);
    EXPECT_FALSE(logger.IsRecording());
    EXPECT_TRUE(FileFieldsEnabled());
}
