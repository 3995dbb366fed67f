#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>

#include "core/trip/TripHistory.h"
#include "ui/ModalAnswer.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/panels/OdometerDialog.h"
#include "ui/panels/TankMinderDialog.h"
#include "ui/panels/UrlRecorder.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::UrlRecorder;

namespace {

OdometerRecord SampleOdometer(const std::string& tripFile) {
    OdometerRecord odometer;
    odometer.rect = {16, 24, 176, 184};
    odometer.background = Rgb(10, 20, 30);
    odometer.showMpg = false;
    odometer.alignment = TextAlignment::Right;
    odometer.tripFilePath = tripFile;
    return odometer;
}

// The text of the next message box, which is then acknowledged.
QStringList* CollectNextMessage() {
    auto* texts = new QStringList;
    AnswerNext<QMessageBox>([texts](QMessageBox& box) {
        *texts << box.text();
        box.accept();
    });
    return texts;
}

struct OdometerDialogTest : ::testing::Test {
    std::string File(const char* name) const { return (folder.path() + "/" + name).toStdString(); }

    QTemporaryDir folder;
};
}  // namespace

TEST_F(OdometerDialogTest, OpensOnTheOdometersChoicesAndOkTakesTheChanges) {
    OdometerDialog dialog(SampleOdometer("Odo1.trp"));
    EXPECT_EQ(dialog.windowTitle(), "Odometer Properties");
    EXPECT_TRUE(ButtonNamed(dialog, "&Right").isChecked());
    EXPECT_TRUE(ButtonNamed(dialog, "&Vertical").isChecked());
    EXPECT_FALSE(ButtonNamed(dialog, "Show &MPG").isChecked());
    EXPECT_FALSE(ButtonNamed(dialog, "Loc&ked").isChecked());
    ShowActive(dialog);
    dialog.grab().save("/tmp/rovik-odometer-dialog.png");
    ClickButton(dialog, "Hori&zontal");
    ClickButton(dialog, "Show &MPG");
    ClickButton(dialog, "Show Run T&ime");
    ClickButton(dialog, "Loc&ked");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);

    OdometerRecord expected = SampleOdometer("Odo1.trp");
    expected.horizontal = true;
    expected.showMpg = true;
    expected.showRunTime = false;
    expected.locked = true;
    EXPECT_EQ(dialog.Result(), expected);
    EXPECT_EQ(dialog.Action(), OdometerDialog::TripAction::Keep);
}

TEST_F(OdometerDialogTest, TheTripButtonsCloseAsOkUnlessLockedIsTicked) {
    for (auto [button, action] :
         {std::pair{"Reset &Trip", OdometerDialog::TripAction::Reset},
          std::pair{"Start From Day &One", OdometerDialog::TripAction::FromDayOne}}) {
        OdometerDialog dialog(SampleOdometer("Odo1.trp"));
        ShowActive(dialog);
        ClickButton(dialog, "Loc&ked");
        std::unique_ptr<QStringList> messages(CollectNextMessage());
        ButtonNamed(dialog, button).click();
        EXPECT_EQ(*messages, QStringList{"Odometer is Locked"});
        EXPECT_TRUE(dialog.isVisible());

        ClickButton(dialog, "Loc&ked");
        ButtonNamed(dialog, button).click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Action(), action);
    }
}

TEST_F(OdometerDialogTest, ChangeDataFileIsRefusedWhenLockedAndTakesTheChosenFile) {
    OdometerDialog dialog(SampleOdometer(File("Odo1.trp")));
    ShowActive(dialog);
    ClickButton(dialog, "Loc&ked");
    std::unique_ptr<QStringList> messages(CollectNextMessage());
    ButtonNamed(dialog, "Change Data &File...").click();
    EXPECT_EQ(*messages, QStringList{"Odometer is Locked"});

    ClickButton(dialog, "Loc&ked");
    QString filter;
    AnswerNext<QFileDialog>([&](QFileDialog& chooser) {
        filter = chooser.selectedNameFilter();
        chooser.selectFile(QString::fromStdString(File("Other.trp")));
        static_cast<QDialog&>(chooser).accept();
    });
    QFile(QString::fromStdString(File("Other.trp"))).open(QIODevice::WriteOnly);
    ButtonNamed(dialog, "Change Data &File...").click();
    EXPECT_EQ(filter, "TRP Files (*.trp)");
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Result().tripFilePath, File("Other.trp"));
}

TEST_F(OdometerDialogTest, ViewHistoryOpensTheHistoryFileOrSaysThereIsNone) {
    UrlRecorder viewer;
    OdometerDialog dialog(SampleOdometer(File("Odo1.trp")));
    ShowActive(dialog);
    std::unique_ptr<QStringList> messages(CollectNextMessage());
    ButtonNamed(dialog, "View &History").click();
    ASSERT_EQ(messages->size(), 1);
    EXPECT_TRUE(messages->front().startsWith("There is no trip history file"));
    EXPECT_TRUE(viewer.opened.empty());

    ASSERT_TRUE(TripHistory::Create(File("Odo1.trp.TXT")));
    ButtonNamed(dialog, "View &History").click();
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened.front().toLocalFile().toStdString(), File("Odo1.trp.TXT"));
}

TEST_F(OdometerDialogTest, TabVisitsEveryChoiceInReadingOrderBeforeOk) {
    OdometerDialog dialog(SampleOdometer("Odo1.trp"));
    ShowActive(dialog);
    std::vector<QWidget*> chain = TabChainToOk(dialog);
    QStringList names;
    for (QWidget* widget : chain) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            names << button->text();
        }
    }
    EXPECT_EQ(names,
              QStringList({"&Right", "&Vertical", "Show Ca&ptions", "Show U&nits", "Show &Distance",
                           "Show Fuel &Used", "Show Run T&ime", "Show &MPG", "Show &Average Speed",
                           "Loc&ked", "Change &Color", "Reset &Trip", "Start From Day &One",
                           "Change Data &File...", "View &History", "OK"}));
}

TEST(TankMinderDialog, ShowsTheTankAndLevelInWholeGallonsAndFillTankClosesAsOk) {
    TankMinderRecord tank;
    tank.tankSize = 150.9;
    tank.useRecentMpg = false;
    TankMinderDialog dialog(tank, 45.7);
    EXPECT_EQ(dialog.windowTitle(), "Tank Minder Properties");
    QList<QSpinBox*> boxes = dialog.findChildren<QSpinBox*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->value(), 150);
    EXPECT_EQ(boxes[1]->value(), 45);
    EXPECT_EQ(boxes[1]->minimum(), 0);
    EXPECT_EQ(boxes[1]->maximum(), 999);
    ShowActive(dialog);
    dialog.grab().save("/tmp/rovik-tank-dialog.png");
    ClickButton(dialog, "Show &Distance");
    boxes[0]->setValue(80);
    ButtonNamed(dialog, "Fill T&ank").click();

    EXPECT_TRUE(dialog.FillRequested());
    EXPECT_EQ(dialog.Level(), 45);
    TankMinderRecord expected = tank;
    expected.showDistance = false;
    expected.tankSize = 80.0;
    EXPECT_EQ(dialog.Result(), expected);
}
