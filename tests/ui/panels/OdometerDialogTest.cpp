#include <QTemporaryDir>

#include "core/trip/TripHistory.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/UrlRecorder.h"
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

TEST_F(OdometerDialogTest, ViewHistoryOpensTheHistoryFileOrSaysThereIsNone) {
    rovik::test::UrlRecorder viewer;
    ButtonNamed(dialog, "View &History").click();
    ASSERT_EQ(closer.messages.size(), 1);
    EXPECT_TRUE(closer.messages.front().startsWith("There is no trip history file"));
    EXPECT_TRUE(viewer.opened.empty());

    ASSERT_TRUE(TripHistory::Create(odometer.tripFilePath + ".TXT"));
    ButtonNamed(dialog, "View &History").click();
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened.front().toLocalFile(), folder.filePath("Odo1.trp.TXT"));
}
