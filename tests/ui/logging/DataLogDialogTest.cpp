#include "ui/logging/DataLogDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/logging/DataLogger.h"
#include "ui/ModalAnswer.h"
#include "ui/ModalCloser.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/panels/UrlRecorder.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::ModalCloser;

namespace {
const QByteArray kEngineSpeedHeader = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\r\n";

struct DataLogDialogTest : ::testing::Test {
    QString File(const QString& name) const { return folder.filePath(name); }
    void Open() {
        dialog = std::make_unique<DataLogDialog>(*table, logger, false);
        ShowActive(*dialog);
    }
    // The field a label names.
    QLineEdit& Field(const QString& label) const {
        for (QLabel* found : dialog->findChildren<QLabel*>()) {
            if (found->text() == label) {
                return *qobject_cast<QLineEdit*>(found->buddy());
            }
        }
        throw std::runtime_error("no field " + label.toStdString());
    }
    // On the round mark: a radio button takes clicks on its mark and text only.
    void Click(const QString& choice) const {
        auto& button = ButtonNamed<QRadioButton>(*dialog, choice);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }
    bool FileFieldsEnabled() const {
        return Field("&Log File").isEnabled() && ButtonNamed(*dialog, "&Select File").isEnabled() &&
               ButtonNamed(*dialog, "&Clear Log").isEnabled();
    }
    QByteArray Contents(const QString& name) const {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    void Write(const QString& name, const QByteArray& text) const {
        QFile file(File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir folder;
    std::unique_ptr<ParameterTable> table =
        TableOf({{"ROAD SPEED", 84}, {"engine speed", 190}, {"Boost", 102}});
    const DataLogSettings original{60, {190}, File("log.txt").toStdString(), false};
    DataLogSettings settings = original;
    DataLogger logger{*table, settings};
    std::unique_ptr<DataLogDialog> dialog;
};
}  // namespace

TEST_F(DataLogDialogTest, ColumnsFollowTheListsOrderAndOnlyOkKeepsTheChoices) {
    Open();
    QListWidget& list = ListOf(*dialog);
    EXPECT_EQ(Entries(list), (QStringList{"Boost", "engine speed", "ROAD SPEED"}));
    EXPECT_EQ(SelectedEntries(list), QStringList{"engine speed"});
    list.setFocus();
    EXPECT_EQ(TabChainToOk(*dialog),
              (std::vector<QWidget*>{
                  &list, &ButtonNamed(*dialog, "St&op"), &Field("Time &Interval"),
                  &ButtonNamed(*dialog, "&Automatically Start Log"),
                  &ButtonNamed(*dialog, "Log When &Engine Off"), &Field("&Log File"),
                  &ButtonNamed(*dialog, "&Select File"), &ButtonNamed(*dialog, "&Clear Log"),
                  &ButtonNamed(*dialog, "&View Log"),
                  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)}));

    ClickEntry(list, "ROAD SPEED");
    ClickEntry(list, "Boost");
    Field("Time &Interval").setText("5");
    ClickButton(*dialog, "Log When &Engine Off");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(settings, original);

    Open();
    ClickEntry(ListOf(*dialog), "ROAD SPEED");
    ClickEntry(ListOf(*dialog), "Boost");
    Field("&Log File").setText(File("Monday"));
    ClickStandardButton(*dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog->Chosen(),
              (DataLogSettings{60, {102, 190, 84}, File("monday.txt").toStdString(), false}));
    EXPECT_FALSE(dialog->AutomaticallyStartLog());
}

TEST_F(DataLogDialogTest, NoMoreThanAHundredColumnsAreKeptAndTheDialogSaysSo) {
    std::vector<std::pair<std::string, std::uint16_t>> many;
    for (std::uint16_t pid = 0; pid < 120; ++pid) {
        many.emplace_back(QString("P%1").arg(pid, 3, 10, QChar('0')).toStdString(), pid);
    }
    table = TableOf(many);
    Open();
    ListOf(*dialog).selectAll();
    auto notes = dialog->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](QLabel* note) {
        return note->isVisible() && note->text().startsWith("Only the first 100");
    }));
    ClickStandardButton(*dialog, QDialogButtonBox::Ok);
    ASSERT_EQ(dialog->Chosen().columns.size(), 100u);
    EXPECT_EQ(dialog->Chosen().columns.back(), 99);
}

TEST_F(DataLogDialogTest, AnIntervalOutside1To3600IsRefusedAndTheDialogStaysOpen) {
    for (const char* refused : {"0", "3601", "ten", ""}) {
        SCOPED_TRACE(refused);
        Open();
        Field("Time &Interval").setText(refused);
        ModalCloser closer;
        Click("S&tart");
        ClickStandardButton(*dialog, QDialogButtonBox::Ok);
        EXPECT_EQ(closer.messages, QStringList(2, "Please enter an integer between 1 and 3600."));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(logger.IsRecording());
        EXPECT_TRUE(ButtonNamed(*dialog, "St&op").isChecked());
    }
    for (const char* accepted : {"1", "3600"}) {
        Open();
        Field("Time &Interval").setText(accepted);
        ClickStandardButton(*dialog, QDialogButtonBox::Ok);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->Chosen().interval, QString(accepted).toUInt());
    }
}

TEST_F(DataLogDialogTest, StartMakesTheLogAtOnceAndHoldsItsFileUntilStop) {
    Open();
    Field("&Log File").setText(File("Trip.TXT"));
    Field("Time &Interval").setText("2");
    Click("S&tart");
    EXPECT_TRUE(logger.IsRecording());
    EXPECT_EQ(Field("&Log File").text(), File("trip.txt"));
    EXPECT_EQ(Contents("trip.txt"), kEngineSpeedHeader);
    EXPECT_FALSE(Field("&Log File").isEnabled());
    EXPECT_FALSE(ButtonNamed(*dialog, "&Select File").isEnabled());
    EXPECT_FALSE(ButtonNamed(*dialog, "&Clear Log").isEnabled());
    EXPECT_TRUE(ButtonNamed(*dialog, "&View Log").isEnabled());
    // Cancel does not undo a Start.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(logger.IsRecording());
    EXPECT_EQ(settings.fileName, File("trip.txt").toStdString());
    EXPECT_EQ(settings.interval, 2u);

    Open();
    EXPECT_TRUE(ButtonNamed(*dialog, "S&tart").isChecked());
    EXPECT_FALSE(FileFieldsEnabled());
    auto& stop = ButtonNamed(*dialog, "St&op");
    stop.setFocus();
    QTest::keyClick(&stop, Qt::Key_Space);
    EXPECT_FALSE(logger.IsRecording());
    EXPECT_TRUE(FileFieldsEnabled());
}

TEST_F(DataLogDialogTest, ClearLogAsksBeforeEmptyingAFileAndViewLogOpensIt) {
    Write("log.txt", "kept\r\n");
    Open();
    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        AnswerNext<QMessageBox>([answer](QMessageBox& box) { box.button(answer)->click(); });
        ButtonNamed(*dialog, "&Clear Log").click();
    }
    EXPECT_EQ(Contents("log.txt"), kEngineSpeedHeader);
    EXPECT_FALSE(logger.IsRecording());

    rovik::test::UrlRecorder viewer;
    ButtonNamed(*dialog, "&View Log").click();
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0].toLocalFile(), File("log.txt"));

    ModalCloser closer;
    closer.fileToChoose = File("chosen.txt");
    ButtonNamed(*dialog, "&Select File").click();
    EXPECT_EQ(closer.dialogs, QStringList{"Select File"});
    EXPECT_EQ(Field("&Log File").text(), File("chosen.txt"));
    ButtonNamed(*dialog, "&View Log").click();
    EXPECT_EQ(closer.messages, QStringList{"There is no log file " + File("chosen.txt") + "."});
    EXPECT_EQ(viewer.opened.size(), 1u);
}
