#include <QTemporaryDir>

#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/app/FilePath.h"
#include "ui/panels/OdometerDialog.h"

using namespace rovik;
using rovik::test::ModalCloser;

namespace {
OdometerRecord CountingFrom(const QString& tripFile) {
    OdometerRecord odometer;
    odometer.tripFilePath = ToPath(tripFile);
    return odometer;
}

struct OdometerDialogTest : ::testing::Test {
    OdometerDialogTest() { ShowActive(dialog); }

    QTemporaryDir folder;
    OdometerRecord odometer = CountingFrom(folder.filePath("Odo1.trp"));
    OdometerDialog dialog{odometer};
    ModalCloser closer;
};
}  // namespace

TEST_F(OdometerDialogTest, LockedRefusesEveryChangeOfTheTripAndTheTripButtonsCloseAsOk) {
    ClickButton(dialog, "Loc&ked");
    for (const char* button : {"Reset &Trip", "Start From Day &One", "Change Data &File..."}) {
        ButtonNamed(dialog, button).click();
    }
    EXPECT_EQ(closer.messages, QStringList(3, "Odometer is Locked"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(closer.dialogs.isEmpty());

    for (auto [button, action] :
         {std::pair{"Reset &Trip", OdometerDialog::TripAction::Reset},
          std::pair{"Start From Day &One", OdometerDialog::TripAction::FromDayOne}}) {
        OdometerDialog unlocked(odometer);
        ButtonNamed(unlocked, button).click();
        EXPECT_EQ(unlocked.result(), QDialog::Accepted);
        EXPECT_EQ(unlocked.Action(), action);
    }
}

TEST_F(OdometerDialogTest, ChangeDataFileTakesTheChosenFile) {
    QFile(folder.filePath("Trajet é.trp")).open(QIODevice::WriteOnly);
    closer.fileToChoose = folder.filePath("Trajet é.trp");
    ButtonNamed(dialog, "Change Data &File...").click();
    EXPECT_EQ(closer.dialogs, QStringList{"Change Data File"});
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.Result().tripFilePath, ToPath(folder.filePath("Trajet é.trp")));
}
